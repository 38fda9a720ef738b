#include <gtest/gtest.h>

#include "shell/Caption.h"

TEST(Caption, DefaultTemplateFollowsNameAndModifiedFlag) {
  const std::string format = "%a <%p%f>%m";
  EXPECT_EQ(CaptionText(format, kUntitled, false, WindowsPathRule), "Scribant <Untitled>");
  EXPECT_EQ(CaptionText(format, kUntitled, true, WindowsPathRule), "Scribant <Untitled>*");
  EXPECT_EQ(CaptionText(format, "C:\\a\\b.txt", false, WindowsPathRule), "Scribant <C:\\a\\b.txt>");
  EXPECT_EQ(CaptionText(format, "/home/u/notes.md", true, PosixPathRule),
            "Scribant </home/u/notes.md>*");
}

TEST(Caption, FolderLettersKeepDriveRoots) {
  EXPECT_EQ(CaptionText("%d|%e", "C:\\b.txt", false, WindowsPathRule), "C:\\|.txt");
  EXPECT_EQ(CaptionText("%d|%e", "C:\\a\\b", false, WindowsPathRule), "C:\\a|");
  EXPECT_EQ(CaptionText("%d|%p", "/b.txt", false, PosixPathRule), "/|/");
  EXPECT_EQ(CaptionText("%d|%p|%e", kUntitled, false, PosixPathRule), "||");
}

TEST(Caption, UnknownLettersAndTrailingEscapeVanish) {
  EXPECT_EQ(CaptionText("%%x%A%", "C:\\a.txt", false, WindowsPathRule), "x");
  EXPECT_EQ(CaptionText("%F%f", "C:\\a.txt", false, WindowsPathRule), "a.txt")
      << "letters are case-sensitive";
}
