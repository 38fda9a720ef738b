#include <gtest/gtest.h>

#include "TempFolder.h"
#include "shell/AppSettings.h"
#include "shell/WindowPlacement.h"
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

TEST(Settings, ExtremeStoredValuesGiveAUsableWindowAndBoundedLists) {
  TempFolder folder;
  const std::string ini = folder.File("s.ini");
  std::string recent = "[RecentList]\n";
  for (int i = 0; i < 3000; ++i) recent += std::to_string(i) + "=/f" + std::to_string(i) + "\n";
  WriteFile(ini,
            "[Window]\nWidth=-2147483648\nHeight=2147483647\n[General]\nMaxListCount=2147483647\n" +
                recent);
  const TAppSettings s = LoadSettings(ini, 1920, 1080);
  EXPECT_EQ(s.maxListCount, kMaxListCountLimit);
  EXPECT_EQ(s.recentList.size(), static_cast<std::size_t>(kMaxListCountLimit));
  EXPECT_EQ(s.left, 1073742784) << "centred without overflow";
  EXPECT_EQ(s.top, -1073741283);
  EXPECT_EQ(BoundedListCount(-5), 0);

  const std::vector<TWindowRect> screens{{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}};
  const TWindowRect fitted = FitOnScreens({s.left, s.top, s.width, s.height}, screens);
  EXPECT_EQ((std::vector<int>{fitted.left, fitted.top, fitted.width, fitted.height}),
            (std::vector<int>{1180, 0, 100, 1024}))
      << "on the screen holding its centre, within that screen's size";
  const TWindowRect second = FitOnScreens({3000, 100000, 800, 600}, screens);
  EXPECT_EQ((std::vector<int>{second.left, second.top}), (std::vector<int>{480, 424}))
      << "off every screen: onto the primary one";
  const TWindowRect onSecond = FitOnScreens({1500, 10, 800, 600}, screens);
  EXPECT_EQ((std::vector<int>{onSecond.left, onSecond.top}), (std::vector<int>{1500, 10}))
      << "a window that fits stays where it was";
}
