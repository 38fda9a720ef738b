#include <gtest/gtest.h>

#include "TempFolder.h"
#include "support/OvIni.h"
#include "tools/SearchHistory.h"

namespace {

std::vector<std::string> Numbered(const std::string& prefix, int count) {
  std::vector<std::string> list;
  for (int i = 0; i < count; ++i) list.push_back(prefix + std::to_string(i));
  return list;
}

}  // namespace

TEST(SearchHistory, RoundTripsTypedTextsIncludingEmptyOnes) {
  TempFolder folder;
  TOvIni ini(folder.File("config.ini"));
  const TSearchHistory saved{{"a\\tb", "", "  padded  ", "\"quoted\""},
                             {"x\\n", "\xC3\xA9t\xC3\xA9 \xE4\xB8\xAD"}};
  SaveSearchHistory(ini, saved);
  const TSearchHistory loaded = LoadSearchHistory(ini, 12);
  EXPECT_EQ(loaded.findStrings, saved.findStrings);
  EXPECT_EQ(loaded.replaceStrings, saved.replaceStrings);
}

TEST(SearchHistory, ReadsALegacyCodePageEntryAsUtf8) {
  TempFolder folder;
  TOvIni ini(folder.File("config.ini"));
  ini.WriteString("FindStrings", "0", "\xE9t\xE9 \x80");
  EXPECT_EQ(LoadSearchHistory(ini, 12).findStrings,
            std::vector<std::string>{"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"});
}

TEST(SearchHistory, SavesEverythingButLoadsAtMostMaxListCount) {
  TempFolder folder;
  TOvIni ini(folder.File("config.ini"));
  SaveSearchHistory(ini, {Numbered("f", 20), Numbered("r", 3)});
  std::vector<std::string> keys;
  EXPECT_EQ(ini.ReadSectionKeys("FindStrings", keys), 20);

  const TSearchHistory loaded = LoadSearchHistory(ini, 12);
  EXPECT_EQ(loaded.findStrings, Numbered("f", 12));
  EXPECT_EQ(loaded.replaceStrings, Numbered("r", 3));
}

TEST(SearchHistory, SavingAShorterListDropsTheOldTail) {
  TempFolder folder;
  TOvIni ini(folder.File("config.ini"));
  SaveSearchHistory(ini, {Numbered("old", 5), Numbered("old", 5)});
  SaveSearchHistory(ini, {{"new"}, {}});
  const TSearchHistory loaded = LoadSearchHistory(ini, 12);
  EXPECT_EQ(loaded.findStrings, std::vector<std::string>{"new"});
  EXPECT_TRUE(loaded.replaceStrings.empty());
}

TEST(SearchHistory, SkipsAbsentKeysAndKeepsOtherSections) {
  TempFolder folder;
  const std::string path = folder.File("config.ini");
  WriteBytes(path, "[Other]\r\nkeep=1\r\n[FindStrings]\r\n0=first\r\n2=third\r\n");
  TOvIni ini(path);
  EXPECT_EQ(LoadSearchHistory(ini, 12).findStrings, (std::vector<std::string>{"first", "third"}));
  SaveSearchHistory(ini, {{"a"}, {"b"}});
  EXPECT_EQ(ini.ReadString("Other", "keep", ""), "1");

  TOvIni missing(folder.File("absent.ini"));
  const TSearchHistory none = LoadSearchHistory(missing, 12);
  EXPECT_TRUE(none.findStrings.empty());
  EXPECT_TRUE(none.replaceStrings.empty());
}
