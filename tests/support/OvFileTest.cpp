#include <gtest/gtest.h>

#include "TempFolder.h"
#include "support/OvFile.h"

namespace {

namespace fs = std::filesystem;

class OvFileTest : public ::testing::Test {
 protected:
  std::string Path() const { return folder_.File("doc.txt"); }
  TFileReplaceOptions Options() const { return {state_.Path(), true, {}}; }
  TempFolder folder_;
  TempFolder state_;
};

TEST_F(OvFileTest, IsFileAndFileSizeOf) {
  WriteBytes(Path(), "hello");
  EXPECT_TRUE(IsFile(Path()));
  EXPECT_FALSE(IsFile(folder_.Path().string()));
  EXPECT_FALSE(IsFile(folder_.File("missing")));
  EXPECT_EQ(FileSizeOf(Path()), 5u);
  EXPECT_EQ(FileSizeOf(folder_.File("missing")), 0xFFFFFFFFu);
  EXPECT_EQ(FileSizeOf(folder_.Path().string()), 0u);

  // Only the low 32 bits of a size above 4 GiB (a sparse file costs no space).
  std::error_code error;
  fs::resize_file(Path(), 0x100000007ull, error);
  if (!error) {
    EXPECT_EQ(FileSizeOf(Path()), 7u);
  }
}

TEST_F(OvFileTest, ReadFileBlockReadsWhatIsThere) {
  WriteBytes(Path(), std::string("\xFF\xFE"
                                 "ab\0c",
                                 6));
  char buffer[16] = {};
  ASSERT_EQ(ReadFileBlock(Path(), 0, 2, buffer), 2u);
  EXPECT_EQ(std::string(buffer, 2), "\xFF\xFE");
  ASSERT_EQ(ReadFileBlock(Path(), 2, 16, buffer), 4u) << "a short read returns what it got";
  EXPECT_EQ(std::string(buffer, 4), std::string("ab\0c", 4));
  EXPECT_EQ(ReadFileBlock(Path(), 100, 4, buffer), 0u);
  EXPECT_EQ(ReadFileBlock(folder_.File("missing"), 0, 4, buffer), 0u);
  EXPECT_EQ(ReadFileBlock(folder_.Path().string(), 0, 4, buffer), 0u);
}

TEST_F(OvFileTest, WriteTextFileCreatesAndRewritesInPlace) {
  ASSERT_TRUE(WriteTextFile(Path(), "first\r\n", false).Succeeded());
  EXPECT_EQ(ReadBytes(Path()), "first\r\n");
  EXPECT_EQ(WriteTextFile(Path(), "second", false).error, EEXIST) << "no overwrite asked for";
  EXPECT_EQ(ReadBytes(Path()), "first\r\n");

  // A hard link shares the file's identity: it sees the new content only if
  // the file was rewritten rather than replaced.
  const fs::path link = folder_.Path() / "link.txt";
  fs::create_hard_link(Path(), link);
  fs::permissions(Path(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(WriteTextFile(Path(), "second", true, Options()).Succeeded());
  EXPECT_EQ(ReadBytes(link), "second");
  EXPECT_EQ(fs::status(Path()).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(WriteTextFile(Path(), "", true, Options()).Succeeded());
  EXPECT_EQ(ReadBytes(link), "");
  EXPECT_EQ(folder_.CountEntries(), 2) << "no temporary file is left behind";
}

TEST_F(OvFileTest, WriteTextFileRefusesFoldersReadOnlyFilesAndMissingFolders) {
  EXPECT_FALSE(WriteTextFile(folder_.Path().string(), "x", true).Succeeded());
  EXPECT_FALSE(WriteTextFile(folder_.File("missing/doc.txt"), "x", true).Succeeded());
  WriteBytes(Path(), "kept");
  fs::permissions(Path(), fs::perms::owner_read | fs::perms::others_read);
  EXPECT_FALSE(WriteTextFile(Path(), "lost", true).Succeeded());
  fs::permissions(Path(), fs::perms::owner_all);
  EXPECT_EQ(ReadBytes(Path()), "kept");
  EXPECT_EQ(folder_.CountEntries(), 1);
}

}  // namespace
