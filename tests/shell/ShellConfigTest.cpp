#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "highlight/StyleFile.h"

TEST(ShellConfig, DialogValuesRoundTripThroughTheProgram) {
  ShellFixture f;
  f.shell.NewDocument();
  TConfigSettings settings = f.shell.ConfigSettings();
  EXPECT_EQ(settings.highlighter, "General");
  EXPECT_EQ(settings.rightEdge, f.editor.RightEdge());
  ASSERT_EQ(settings.attributes.size(), 8u);
  EXPECT_EQ(settings.attributes[0].name, "Comment");

  settings.captionFormat = "%f%m";
  settings.rightEdge = 72;
  settings.tabWidth = 3;
  settings.commentChars = "#";
  settings.keyWordsExactCase = true;
  settings.attributes[0].foreground = 0x00123456;
  settings.font.name = "DejaVu Sans Mono";
  settings.font.size = 12;
  settings.font.style = fsBold;
  f.shell.ApplyConfigSettings(settings, {});

  EXPECT_EQ(f.caption, "Untitled");
  EXPECT_EQ(f.editor.RightEdge(), 72);
  EXPECT_EQ(f.editor.TabWidth(), 3);
  EXPECT_EQ(f.shell.StyleTexts().commentChars, "#");
  EXPECT_TRUE(f.highlighter.KeyWordsExactCase());
  EXPECT_EQ(f.highlighter.AttriComment()->Foreground(), 0x00123456u);
  EXPECT_EQ(f.editor.Font().name, "DejaVu Sans Mono");
  EXPECT_EQ(f.editor.Font().height, -16) << "12 points at 96 pixels per inch";
  EXPECT_TRUE(f.editor.Font().style & fsBold);
  EXPECT_EQ(f.shell.ConfigSettings().captionFormat, "%f%m");
  for (int width : {0, 1000, 65536}) {
    settings.tabWidth = width;
    f.shell.ApplyConfigSettings(settings, {});
    EXPECT_EQ(f.shell.ConfigSettings().tabWidth, width) << "a valid width is kept as typed";
  }

  settings.highlighter = "";
  f.shell.ApplyConfigSettings(settings, {std::nullopt, true});
  EXPECT_EQ(f.editor.Highlighter(), nullptr);
  EXPECT_TRUE(f.shell.StyleTexts().keyWordListFile.empty());
}

TEST(ShellConfig, KeywordListLoadsFromTheProgramFolder) {
  ShellFixture f;
  WriteBytes(f.folder.Path() / "KeyWords" / "mine.kwf", "zeta\r\nalpha\r\n");
  TConfigSettings settings = f.shell.ConfigSettings();
  f.shell.ApplyConfigSettings(settings, {std::string("mine"), false});
  EXPECT_EQ(f.shell.StyleTexts().keyWordListFile, "mine");
  EXPECT_TRUE(f.highlighter.IsKeyword("alpha"));
  EXPECT_FALSE(f.highlighter.IsKeyword("beta"));
}
