#include <gtest/gtest.h>

#include <set>

#include "shell/RecentFiles.h"

namespace {

FileExistsFunction ExistingFiles(std::set<std::string> files) {
  return [files](const std::string& path) { return files.count(path) > 0; };
}

}  // namespace

TEST(RecentMenu, EmptyListShowsDisabledEmptyItem) {
  auto items = RecentMenuItems({}, "Untitled", ExistingFiles({}));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].caption, "Empty");
  EXPECT_FALSE(items[0].enabled);
}

TEST(RecentMenu, OpenDocumentIsSkippedWithoutEmptyItem) {
  EXPECT_TRUE(RecentMenuItems({"/a.txt"}, "/a.txt", ExistingFiles({"/a.txt"})).empty());
  auto items = RecentMenuItems({"/A.txt"}, "/a.txt", ExistingFiles({}));
  ASSERT_EQ(items.size(), 1u) << "the comparison with the open document is exact";
}

TEST(RecentMenu, NumbersCountGeneratedItemsAndTagsKeepListIndexes) {
  auto items = RecentMenuItems({"/x", "/open", "C:\\R&D\\a.txt"}, "/open", ExistingFiles({"/x"}));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].caption, "&0    /x");
  EXPECT_TRUE(items[0].enabled);
  EXPECT_EQ(items[0].tag, 0);
  EXPECT_EQ(items[1].caption, "&1    C:\\R&&D\\a.txt");
  EXPECT_FALSE(items[1].enabled) << "missing files show greyed";
  EXPECT_EQ(items[1].tag, 2);
}

TEST(RecentMenu, RemoveObsoleteKeepsOrderOfExistingEntries) {
  std::vector<std::string> list{"/a", "/gone", "/b", "/gone2"};
  RemoveObsoleteFiles(list, ExistingFiles({"/a", "/b"}));
  EXPECT_EQ(list, (std::vector<std::string>{"/a", "/b"}));
}
