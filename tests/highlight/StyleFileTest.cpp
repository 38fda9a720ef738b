#include <gtest/gtest.h>

#include <algorithm>

#include "ChildProcess.h"
#include "HighlightTestSupport.h"

namespace {

class StyleFileTest : public ::testing::Test {
 protected:
  std::string Style(const std::string& name, const std::string& content) {
    return folder.Write("Styles/" + name, content);
  }
  void KeyWords(const std::string& name, const std::string& content) {
    folder.Write("KeyWords/" + name + ".kwf", content);
  }
  void Apply(const std::string& path) { ApplyStyleFile(context, path); }
  std::string Find(const std::string& fileName) { return FindStyleFile(context, fileName); }
  std::string StylePath(const std::string& name) { return folder.Path() + "Styles/" + name; }

  TempFolder folder;
  TScribOrvane highlighter;
  RecordingEditor editor;
  FixedScreen screen{96};
  TStyleTexts texts;
  TStyleContext context{TStyleFolders({folder.Path()}), highlighter, editor, screen, texts};
};

TEST_F(StyleFileTest, StartupMarkerAppliesEveryBuiltInDefault) {
  highlighter.ApplyStoredDefaults();
  Apply(kStartupStyleMarker);
  ASSERT_TRUE(editor.font.has_value());
  EXPECT_EQ(editor.font->name, "Courier New");
  EXPECT_EQ(editor.font->size, 10);
  EXPECT_EQ(editor.font->height, -13);
  EXPECT_EQ(editor.rightEdge, 0);
  EXPECT_EQ(editor.tabWidth, 4);
  EXPECT_EQ(editor.highlighter, &highlighter);
  EXPECT_EQ(texts.commentChars, "--");
  EXPECT_EQ(highlighter.Comments(), CommentBit(csCStyle) | CommentBit(csLuaStyle));
  EXPECT_EQ(highlighter.StringDelimiter(), sdBoth);
  EXPECT_TRUE(highlighter.KeyWordsExactCase());
  EXPECT_FALSE(highlighter.DetectPreprocessor());
  EXPECT_EQ(highlighter.PreprocessorChar(), '#');
  EXPECT_EQ(texts.keyWordListFile, "");
  const std::string identifiers = highlighter.IdentifierChars();
  EXPECT_EQ(identifiers.substr(0, 7), "!$%&'01");
  EXPECT_EQ(identifiers.size(), 224u - 21u);  // 32..255 without the 21 default separators
  EXPECT_EQ(identifiers.find_first_of(" \"#()*+,-./:;<=>[\\]{}"), std::string::npos);
  // Colours keep the highlighter's own.
  EXPECT_EQ(highlighter.AttriComment()->Foreground(), 0x00FFFFu);
}

TEST_F(StyleFileTest, DefaultIniIsAppliedInFullAndOthersOnlyForTheirKeys) {
  const std::string defaultStyle = Style("default.ini",
                                         "[Editor]\nTabWidth=3\nRightEdge=80\n"
                                         "[Format]\nCommentStyles=32\nKeyWordListFile=base\n"
                                         "[ScriptColors]\nComment.ForeColor=0x808080\n");
  const std::string partial = Style("p.ini",
                                    "[editor]\nrightedge=120\nEnableHighlighter=1\n"
                                    "[Format]\nStringDelimiter=1\n"
                                    "[ScriptColors]\nNumber.Style=2\n");
  KeyWords("base", "alpha\n");
  Apply(defaultStyle);
  EXPECT_EQ(editor.tabWidth, 3);
  EXPECT_EQ(editor.font->name, "Courier New");  // missing key: built-in default
  EXPECT_EQ(highlighter.StringDelimiter(), sdBoth);
  EXPECT_EQ(highlighter.Comments(), CommentBit(csCPPStyle));
  EXPECT_EQ(highlighter.AttriComment()->Foreground(), 0x808080u);
  EXPECT_EQ(highlighter.KeyWords().Entries(), std::vector<std::string>{"alpha"});

  editor = RecordingEditor();
  Apply(partial);
  EXPECT_FALSE(editor.font.has_value());
  EXPECT_FALSE(editor.tabWidth.has_value());
  EXPECT_EQ(editor.rightEdge, 120);
  EXPECT_EQ(editor.highlighter, &highlighter);
  EXPECT_EQ(highlighter.StringDelimiter(), sdSingleQuote);
  EXPECT_EQ(highlighter.Comments(), CommentBit(csCPPStyle));
  EXPECT_EQ(highlighter.AttriNumber()->Style(), fsItalic);
  // The keyword list named by the earlier style is loaded again.
  EXPECT_EQ(highlighter.KeyWords().Entries(), std::vector<std::string>{"alpha"});
}

TEST_F(StyleFileTest, PartialStyleWithoutTheSwitchTurnsHighlightingOff) {
  Apply(Style("colours.ini", "[ScriptColors]\nString.ForeColor=255\n"));
  EXPECT_EQ(editor.highlighterCalls, 1);
  EXPECT_EQ(editor.highlighter, nullptr);
  EXPECT_EQ(highlighter.AttriString()->Foreground(), 255u);
  Apply(Style("off.ini", "[Editor]\nEnableHighlighter=false\n"));
  EXPECT_EQ(editor.highlighter, nullptr);
}

TEST_F(StyleFileTest, ColoursNotGivenKeepThoseOfTheEarlierStyle) {
  const std::string defaultStyle = Style("DEFAULT.INI", "[Editor]\nTabWidth=2\n");
  Apply(Style("c.ini", "[ScriptColors]\nComment.BackColor=$FFFFFF\n"));
  Apply(defaultStyle);  // complete, whatever the case of its name
  EXPECT_EQ(editor.tabWidth, 2);
  EXPECT_EQ(highlighter.AttriComment()->Background(), 0xFFFFFFu);
}

TEST_F(StyleFileTest, FormatValues) {
  Apply(Style("default.ini",
              "[Format]\nCommentStyles=255\nNonIdentChars=\nPreprocessorChar=\n"
              "DetectPreprocessors=TRUE\nKeyWordsExactCase=0\n"));
  EXPECT_EQ(highlighter.Comments(), 0x7F) << "255 stays the first seven styles";
  EXPECT_EQ(highlighter.IdentifierChars().size(), 223u);  // 33..255
  EXPECT_EQ(highlighter.IdentifierChars().front(), '!');
  EXPECT_EQ(highlighter.PreprocessorChar(), '#');
  EXPECT_TRUE(highlighter.DetectPreprocessor());
  EXPECT_FALSE(highlighter.KeyWordsExactCase());

  Apply(Style("x.ini", "[Format]\nPreprocessorChar=%%\nNonIdentChars=abc\n"));
  EXPECT_EQ(highlighter.PreprocessorChar(), '%');
  const std::string identifiers = highlighter.IdentifierChars();
  EXPECT_EQ(identifiers.find_first_of("abc "), std::string::npos);
  EXPECT_NE(identifiers.find('('), std::string::npos);

  // The later styles take the bits from 256 on.
  Apply(Style("y.ini", "[Format]\nCommentStyles=$3A0\n"));
  EXPECT_EQ(highlighter.Comments(),
            CommentBit(csCPPStyle) | CommentBit(csHashStyle) | CommentBit(csMarkupStyle));
}

TEST_F(StyleFileTest, FontDescriptions) {
  struct Case {
    const char* text;
    const char* face;
    int points;
    TFontStyles style;
  };
  const Case cases[] = {
      {"\"Courier New\" 12 bi", "Courier New", 12, fsBold | fsItalic},
      {"Arial", "Arial", 8, 0},
      {"\"MS\" 9", "Tahoma", 9, 0},
      {"Consolas,11;us", "Consolas", 11, fsUnderline | fsStrikeOut},
      {"bold italic", "italic", 8, fsBold},
      {"12pt", "Tahoma", 8, 0},
      {"", "Tahoma", 8, 0},
      {"\"Lucida Console\"-10.5", "Lucida Console", 5, 0},
      {"\"unclosed face 14", "unclosed face 14", 8, 0},
      {"99999999999999", "Tahoma", 8, 0},
  };
  for (const auto& c : cases) {
    const TFont font = ParseFontDescription(c.text, 96);
    EXPECT_EQ(font.name, c.face) << c.text;
    EXPECT_EQ(font.size, c.points) << c.text;
    EXPECT_EQ(font.height, FontHeightOf(c.points, 96)) << c.text;
    EXPECT_EQ(font.style, c.style) << c.text;
  }
  EXPECT_EQ(FontHeightOf(10, 96), -13);
  EXPECT_EQ(FontHeightOf(9, 120), -15);
  EXPECT_EQ(ParseFontDescription("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij", 96).name.size(), 31u);
  EXPECT_EQ(ParseFontDescription("5000", 96).size, kMaximumFontPoints);
}

TEST_F(StyleFileTest, KeyWordListComesFromTheKeyWordsFolder) {
  KeyWords("pas", "begin\r\nend\r\nBEGIN\r\n");
  Apply(Style("default.ini", "[Format]\nKeyWordListFile=pas\nKeyWordsExactCase=1\n"));
  EXPECT_EQ(texts.keyWordListFile, "pas");
  EXPECT_EQ(highlighter.KeyWords().Entries(), (std::vector<std::string>{"begin", "end"}));
  Apply(Style("n.ini", "[Format]\nKeyWordListFile=missing\n"));
  EXPECT_EQ(texts.keyWordListFile, "missing");
  EXPECT_EQ(highlighter.KeyWords().Count(), 0);
  Apply(Style("e.ini", "[Format]\nKeyWordListFile=\n"));
  EXPECT_EQ(highlighter.KeyWords().Count(), 0);
}

TEST_F(StyleFileTest, FindStyleFileMatchesTheExtensionAndAppliesDefaultFirst) {
  Style("default.ini", "[Editor]\nTabWidth=7\n");
  Style("c.ini", "[Extensions]\n0=c\n1=\n2=H\n");
  Style("gap.ini", "[Extensions]\n0=gap\n2=skipped\n");
  const std::string defaultStyle = StylePath("default.ini");

  EXPECT_EQ(Find("Untitled"), defaultStyle);
  EXPECT_EQ(Find(folder.Path() + "README"), defaultStyle);
  EXPECT_EQ(Find(folder.Path() + "my.dir/readme"), defaultStyle);
  EXPECT_EQ(Find("x.skipped"), defaultStyle);
  EXPECT_FALSE(editor.tabWidth.has_value());  // nothing matched, nothing applied

  EXPECT_EQ(Find("/some/X.GAP"), StylePath("gap.ini"));
  EXPECT_EQ(editor.tabWidth, 7);
  EXPECT_EQ(Find("two.dots.h"), StylePath("c.ini"));
}

TEST_F(StyleFileTest, WholeFileNamesWinOverExtensions) {
  Style("text.ini", "[Extensions]\n0=txt\n1=mk\n");
  Style("cmake.ini", "[Extensions]\n0=cmake\n[FileNames]\n0=CMakeLists.txt\n");
  Style("make.ini", "[FileNames]\n0=Makefile\n1=GNUmakefile\n");
  EXPECT_EQ(Find("/src/CMakeLists.txt"), StylePath("cmake.ini"));
  EXPECT_EQ(Find("/src/notes.txt"), StylePath("text.ini"));
  EXPECT_EQ(Find("/src/a.cmake"), StylePath("cmake.ini"));
  EXPECT_EQ(Find("/src/makefile"), StylePath("make.ini"));
  EXPECT_EQ(Find("GNUmakefile"), StylePath("make.ini"));
  EXPECT_EQ(Find("/src/Makefile.am"), StylePath("default.ini"));
  EXPECT_EQ(Find("/Makefile/x"), StylePath("default.ini"));
  EXPECT_EQ(Find("Untitled"), StylePath("default.ini"));
}

TEST_F(StyleFileTest, FirstClaimingFileInFolderOrderWins) {
  Style("c.ini", "[Extensions]\n0=c\n1=h\n");
  Style("asm.ini", "[Extensions]\n0=asm\n1=h\n");
  std::string first;
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path() + "Styles")) {
    first = entry.path().filename().string();
    break;
  }
  EXPECT_EQ(Find("x.h"), StylePath(first));
}

TEST_F(StyleFileTest, MissingFoldersAndFilesGiveDefaultsSilently) {
  EXPECT_EQ(Find("a.txt"), StylePath("default.ini"));
  Apply(StylePath("default.ini"));
  EXPECT_EQ(editor.tabWidth, 4);
  EXPECT_EQ(editor.highlighter, &highlighter);
  editor = RecordingEditor();
  Apply(StylePath("missing.ini"));
  EXPECT_FALSE(editor.tabWidth.has_value());
  EXPECT_EQ(editor.highlighter, nullptr);
}

TEST_F(StyleFileTest, GarbageValuesFallBackToDefaults) {
  const std::string hugeFont(10000, 'F');
  Apply(Style("default.ini",
              "[Editor]\nFont=" + hugeFont +
                  "\nRightEdge=wide\nTabWidth=99999999\n"
                  "EnableHighlighter=maybe\n"
                  "[Format]\nCommentStyles=lots\nStringDelimiter=7\nKeyWordListFile=../nowhere\n"
                  "[ScriptColors]\nComment.ForeColor=-1\nComment.BackColor=0x7FFFFFFF\n"
                  "String.ForeColor=0x1FFFFFFF\nNumber.Style=junk\nSymbol.Style=-1\n"
                  "Space.BackColor=$\n"));
  EXPECT_EQ(editor.font->name, std::string(31, 'F'));
  EXPECT_EQ(editor.rightEdge, 0);
  EXPECT_EQ(editor.tabWidth, 4);
  EXPECT_EQ(editor.highlighter, nullptr);  // not "1" nor "true"
  EXPECT_EQ(highlighter.Comments(), CommentBit(csCStyle) | CommentBit(csLuaStyle));
  EXPECT_EQ(highlighter.StringDelimiter(), sdNone);
  EXPECT_EQ(ScanLine(highlighter, "'a'")[0].kind, tkUnknown);
  EXPECT_EQ(highlighter.AttriComment()->Foreground(), 0x00FFFFu);
  EXPECT_EQ(highlighter.AttriComment()->Background(), 0x008000u);
  EXPECT_EQ(highlighter.AttriString()->Foreground(), clNone);
  EXPECT_EQ(highlighter.AttriNumber()->Style(), fsBold);
  EXPECT_EQ(highlighter.AttriSymbol()->Style(), kAllFontStyles);
  EXPECT_EQ(highlighter.AttriSpace()->Background(), clNone);
  EXPECT_EQ(highlighter.KeyWords().Count(), 0);

  Apply(Style("empty.ini", "[Editor]\nFont=\n"));
  EXPECT_EQ(editor.font->name, "Tahoma");
  EXPECT_EQ(editor.font->size, 8);
}

TEST_F(StyleFileTest, WideButValidValuesAreTaken) {
  Apply(Style("default.ini",
              "[Editor]\nTabWidth=0\nRightEdge=2000\n"
              "[ScriptColors]\nComment.BackColor=0x80000005\nComment.ForeColor=0x80000019\n"));
  EXPECT_EQ(editor.tabWidth, 0);
  EXPECT_EQ(editor.rightEdge, 2000);
  EXPECT_EQ(highlighter.AttriComment()->Background(), 0x80000005u) << "the window colour";
  EXPECT_EQ(highlighter.AttriComment()->Foreground(), 0x00FFFFu) << "no system colour 25";
  Apply(Style("default.ini", "[Editor]\nTabWidth=65536\n"));
  EXPECT_EQ(editor.tabWidth, 65536);
}

TEST_F(StyleFileTest, StylesFolderWithSubfoldersAndManyFiles) {
  std::filesystem::create_directories(folder.Path() + "Styles/dir.ini/inner.ini");
  folder.Write("Styles/notes.txt", "[Extensions]\n0=zz\n");
  folder.Write("Styles/bin.ini", std::string("\0\xff[Extensions]\r0=zz\0", 20));
  for (int i = 0; i < 2000; ++i) {
    Style("s" + std::to_string(i) + ".ini", "[Extensions]\n0=e" + std::to_string(i) + "\n");
  }
  Style("LAST.INI", "[Extensions]\n0=zz\n");
  EXPECT_EQ(Find("x.zz"), StylePath("LAST.INI"));
  EXPECT_EQ(Find("x.e1999"), StylePath("s1999.ini"));
  EXPECT_EQ(Find("x.none"), StylePath("default.ini"));
}

TEST_F(StyleFileTest, UnreadableStyleFilesAreSkipped) {
  const std::string locked = Style("locked.ini", "[Extensions]\n0=lk\n[Editor]\nTabWidth=9\n");
  std::filesystem::permissions(locked, std::filesystem::perms::none);
  const std::string report = RunAsOrdinaryUser({}, [&]() -> std::string {
    if (std::ifstream(locked).is_open()) return "the file is readable";
    if (Find("a.lk") != StylePath("default.ini")) return "the unreadable style was chosen";
    Apply(locked);
    return editor.tabWidth.has_value() ? "the unreadable style was applied" : "";
  });
  EXPECT_EQ(report, "");
}

}  // namespace
