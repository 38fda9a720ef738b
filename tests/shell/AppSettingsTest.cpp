#include <gtest/gtest.h>

#include "TempFolder.h"
#include "shell/AppSettings.h"
#include "support/OvIni.h"
#include "support/OvLib.h"

namespace {

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

}  // namespace

TEST(Settings, MissingFileGivesDefaultsCentredOnTheScreen) {
  TempFolder folder;
  const TAppSettings s = LoadSettings(folder.File("none.ini"), 1920, 1080);
  EXPECT_EQ(s.width, 1080);
  EXPECT_EQ(s.height, 675);
  EXPECT_EQ(s.left, 420);
  EXPECT_EQ(s.top, 202);
  EXPECT_EQ(s.state, 0);
  EXPECT_TRUE(s.showStatusBar);
  EXPECT_TRUE(s.showGutter);
  EXPECT_FALSE(s.wordWrap);
  EXPECT_FALSE(s.escapeQuits);
  EXPECT_EQ(s.captionFormat, "%a <%p%f>%m");
  EXPECT_TRUE(s.recentList.empty());
  EXPECT_EQ(LoadSettings(folder.File("none.ini"), 800, 600).left, -140) << "rounded toward zero";
}

TEST(Settings, HexadecimalPositionsAndRecentKeysUpToMaxListCount) {
  TempFolder folder;
  const std::string ini = folder.File("s.ini");
  WriteFile(ini,
            "[Window]\nLeft=0x10\nTop=$20\n[General]\nMaxListCount=3\n"
            "[RecentList]\n0=/a\n1=\n5=/f\n");
  const TAppSettings s = LoadSettings(ini, 1920, 1080);
  EXPECT_EQ(s.left, 16);
  EXPECT_EQ(s.top, 32);
  EXPECT_EQ(s.recentList, (std::vector<std::string>{"/a", ""}))
      << "an empty key is an entry; keys past MaxListCount are not read";
}

TEST(Settings, MaximisedSaveKeepsTheLastNormalBounds) {
  TempFolder folder;
  const std::string ini = folder.File("s.ini");
  TAppSettings s;
  s.left = 100;
  SaveSettings(ini, s, "0x");
  s.state = 2;
  s.width = 1;
  s.left = 5;
  SaveSettings(ini, s, "0x");
  TOvIni file(ini);
  EXPECT_EQ(file.ReadString("Window", "Left", ""), "0x64");
  EXPECT_EQ(file.ReadInteger("Window", "State", -1), 2);
  EXPECT_EQ(file.ReadInteger("Window", "Width", -1), 1080);
}

TEST(Settings, RoundTripKeepsBlanksAndWholeRecentList) {
  TempFolder folder;
  const std::string ini = folder.File("s.ini");
  TAppSettings s;
  s.captionFormat = "  %f  ";
  s.maxListCount = 0;
  s.recentList = {"/x", "/y", "/z"};
  s.wordWrap = true;
  SaveSettings(ini, s, "0x");
  TAppSettings loaded = LoadSettings(ini, 100, 100);
  EXPECT_EQ(loaded.captionFormat, "  %f  ");
  EXPECT_TRUE(loaded.wordWrap);
  EXPECT_TRUE(loaded.recentList.empty()) << "MaxListCount 0 loads no entry";

  s.recentList = {"/only"};
  s.maxListCount = 12;
  SaveSettings(ini, s, "0x");
  EXPECT_EQ(LoadSettings(ini, 100, 100).recentList, (std::vector<std::string>{"/only"}))
      << "the recent section is replaced as a whole";
}
