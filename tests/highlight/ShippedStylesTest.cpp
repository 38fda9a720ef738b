#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "HighlightTestSupport.h"
#include "support/OvIni.h"

namespace {

namespace fs = std::filesystem;

const std::string kDataFolder = SCRIBANT_DATA_DIR;

std::vector<std::string> ShippedStyleNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kDataFolder + "/Styles")) {
    if (entry.path().extension() == ".ini") names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> ExtensionsOf(const std::string& stylePath) {
  TOvIni ini(stylePath);
  std::vector<std::string> extensions;
  for (int i = 0;; ++i) {
    const std::string value = ini.ReadString("Extensions", std::to_string(i), "\x1b");
    if (value == "\x1b") return extensions;
    extensions.push_back(value);
  }
}

class ShippedStylesTest : public ::testing::Test {
 protected:
  std::string StylePath(const std::string& name) { return StylesFolder(context) + name; }

  TScribOrvane highlighter;
  RecordingEditor editor;
  FixedScreen screen;
  TStyleTexts texts;
  TStyleContext context{kDataFolder, highlighter, editor, screen, texts};
};

TEST_F(ShippedStylesTest, DefaultStyleGivesEveryKeyWithUsableValues) {
  TOvIni ini(StylePath("default.ini"));
  std::vector<std::string> keys;
  EXPECT_EQ(ini.ReadSectionKeys("Editor", keys), 5);
  EXPECT_EQ(ini.ReadSectionKeys("Format", keys), 7);
  EXPECT_EQ(ini.ReadSectionKeys("ScriptColors", keys), 3 * highlighter.AttrCount());

  ApplyStyleFile(context, StylePath("default.ini"));
  EXPECT_EQ(editor.font->face, "Courier New");
  EXPECT_EQ(editor.highlighter, &highlighter);
  // The shipped separators are the built-in ones.
  TScribOrvane builtIn;
  RecordingEditor builtInEditor;
  TStyleTexts builtInTexts;
  ApplyStyleFile(TStyleContext{"", builtIn, builtInEditor, screen, builtInTexts},
                 kStartupStyleMarker);
  EXPECT_EQ(highlighter.IdentifierChars(), builtIn.IdentifierChars());
  // Every colour key was taken: none was rejected as out of range.
  for (int i = 0; i < highlighter.AttrCount(); ++i) {
    const auto& attribute = *highlighter.Attribute(i);
    EXPECT_EQ(attribute.Foreground(), static_cast<TScribColor>(ini.ReadInteger(
                                          "ScriptColors", attribute.Name() + ".ForeColor", -1)))
        << attribute.Name();
    EXPECT_EQ(attribute.Background(), static_cast<TScribColor>(ini.ReadInteger(
                                          "ScriptColors", attribute.Name() + ".BackColor", -1)))
        << attribute.Name();
  }
}

TEST_F(ShippedStylesTest, EveryStyleAppliesAndLoadsAKeywordListThatCanMatch) {
  const std::regex identifier("[A-Za-z_][A-Za-z0-9_]*");
  std::map<std::string, std::string> claimedBy;
  for (const std::string& name : ShippedStyleNames()) {
    SCOPED_TRACE(name);
    const auto extensions = ExtensionsOf(StylePath(name));
    if (name == "default.ini") continue;
    ASSERT_FALSE(extensions.empty());
    for (const auto& extension : extensions) {
      EXPECT_TRUE(claimedBy.emplace(extension, name).second)
          << extension << " is also claimed by " << claimedBy[extension];
      editor = RecordingEditor();
      EXPECT_EQ(FindStyleFile(context, "doc." + extension), StylePath(name));
    }
    ApplyStyleFile(context, StylePath(name));
    EXPECT_EQ(editor.highlighter, &highlighter);
    ASSERT_FALSE(texts.keyWordListFile.empty());
    ASSERT_TRUE(fs::is_regular_file(KeyWordsFolder(context) + texts.keyWordListFile + ".kwf"));
    ASSERT_GT(highlighter.KeyWords().Count(), 0);
    for (const auto& word : highlighter.KeyWords().Entries()) {
      EXPECT_TRUE(std::regex_match(word, identifier)) << word;
      EXPECT_TRUE(ScanLine(highlighter, word) == (std::vector<Token>{{tkKey, word}})) << word;
    }
  }
  for (const char* required :
       {"c",   "h",   "cpp", "hpp",  "cc",  "cxx", "cs",  "java", "js",  "ts",  "go",
        "rs",  "pas", "pp",  "dpr",  "inc", "lua", "sql", "asm",  "s",   "ini", "inf",
        "cfg", "bat", "cmd", "html", "xml", "css", "txt", "log",  "nfo", "diz", "lst"}) {
    EXPECT_TRUE(claimedBy.count(required)) << required;
  }
}

// A line of each language scans into the kinds its style promises.
TEST_F(ShippedStylesTest, SampleLinesTokenize) {
  struct Sample {
    const char* extension;
    const char* line;
    std::vector<int> kinds;  // spaces left out
  };
  const Sample samples[] = {
      {"cpp", "#include <x>", {tkPreprocessor}},
      {"c",
       "int x = 0x1F; // note",
       {tkKey, tkIdentifier, tkUnknown, tkNumber, tkSymbol, tkComment}},
      {"pas", "begin { c } end;", {tkKey, tkComment, tkComment, tkKey, tkSymbol}},
      {"pas",
       "s := 'it''s'#13;",
       {tkIdentifier, tkUnknown, tkUnknown, tkString, tkString, tkSymbol}},
      {"lua", "local x --[[ c", {tkKey, tkIdentifier, tkComment, tkComment}},
      {"sql", "SELECT 'a' -- c", {tkKey, tkString, tkComment}},
      {"asm", "mov eax, 1 ; c", {tkKey, tkKey, tkUnknown, tkNumber, tkComment}},
      {"ini", "; comment", {tkPreprocessor}},
      {"bat", ":: comment", {tkPreprocessor}},
      {"rs", "#[derive(Debug)]", {tkPreprocessor}},
      {"txt",
       "ERROR: it's \"odd\"",
       {tkKey, tkUnknown, tkIdentifier, tkUnknown, tkIdentifier, tkUnknown, tkIdentifier,
        tkUnknown}},
  };
  for (const auto& sample : samples) {
    SCOPED_TRACE(sample.line);
    ApplyStyleFile(context, FindStyleFile(context, std::string("x.") + sample.extension));
    std::vector<int> kinds;
    for (const auto& token : ScanLine(highlighter, sample.line)) {
      if (token.kind != tkSpace) kinds.push_back(token.kind);
    }
    EXPECT_EQ(kinds, sample.kinds);
  }
}

}  // namespace
