#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
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

// The values of keys 0, 1, 2 ... of a section ("Extensions" or "FileNames").
std::vector<std::string> ListOf(const std::string& stylePath, const std::string& section) {
  TOvIni ini(stylePath);
  std::vector<std::string> values;
  for (int i = 0;; ++i) {
    const std::string value = ini.ReadString(section, std::to_string(i), "\x1b");
    if (value == "\x1b") return values;
    values.push_back(value);
  }
}

class ShippedStylesTest : public ::testing::Test {
 protected:
  std::string StylePath(const std::string& name) { return context.folders.StyleFile(name); }

  TScribOrvane highlighter;
  RecordingEditor editor;
  FixedScreen screen;
  TStyleTexts texts;
  TStyleContext context{TStyleFolders({kDataFolder}), highlighter, editor, screen, texts};
};

TEST_F(ShippedStylesTest, DefaultStyleGivesEveryKeyWithUsableValues) {
  TOvIni ini(StylePath("default.ini"));
  std::vector<std::string> keys;
  EXPECT_EQ(ini.ReadSectionKeys("Editor", keys), 5);
  EXPECT_EQ(ini.ReadSectionKeys("Format", keys), 7);
  EXPECT_EQ(ini.ReadSectionKeys("ScriptColors", keys), 3 * highlighter.AttrCount());

  ApplyStyleFile(context, StylePath("default.ini"));
  EXPECT_EQ(editor.font->name, "Courier New");
  EXPECT_EQ(editor.highlighter, &highlighter);
  // The shipped separators are the built-in ones.
  TScribOrvane builtIn;
  RecordingEditor builtInEditor;
  TStyleTexts builtInTexts;
  ApplyStyleFile(TStyleContext{TStyleFolders({}), builtIn, builtInEditor, screen, builtInTexts},
                 kStartupStyleMarker);
  EXPECT_EQ(highlighter.IdentifierChars(), builtIn.IdentifierChars());
  // Every colour key was taken: none was rejected as out of range.
  for (int i = 0; i < highlighter.AttrCount(); ++i) {
    const auto& attribute = *highlighter.Attribute(i);
    EXPECT_EQ(attribute.Foreground(), static_cast<TColor>(ini.ReadInteger(
                                          "ScriptColors", attribute.Name() + ".ForeColor", -1)))
        << attribute.Name();
    EXPECT_EQ(attribute.Background(), static_cast<TColor>(ini.ReadInteger(
                                          "ScriptColors", attribute.Name() + ".BackColor", -1)))
        << attribute.Name();
  }
}

TEST_F(ShippedStylesTest, EveryStyleAppliesAndLoadsAKeywordListThatCanMatch) {
  const std::regex identifier("[A-Za-z_][A-Za-z0-9_]*");
  // Claims are compared as the search compares them: ignoring ASCII case.
  std::map<std::string, std::string> claimedBy;
  auto claim = [&](const std::string& what, const std::string& style) {
    std::string key = what;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_TRUE(claimedBy.emplace(key, style).second)
        << what << " is also claimed by " << claimedBy[key];
  };
  for (const std::string& name : ShippedStyleNames()) {
    SCOPED_TRACE(name);
    const auto extensions = ListOf(StylePath(name), "Extensions");
    const auto fileNames = ListOf(StylePath(name), "FileNames");
    if (name == "default.ini") continue;
    ASSERT_FALSE(extensions.empty() && fileNames.empty());
    for (const auto& extension : extensions) {
      claim(extension, name);
      EXPECT_EQ(FindStyleFile(context, "/home/u/doc." + extension), StylePath(name)) << extension;
    }
    for (const auto& fileName : fileNames) {
      claim("/" + fileName, name);
      EXPECT_EQ(FindStyleFile(context, "/home/u/" + fileName), StylePath(name)) << fileName;
    }
    ApplyStyleFile(context, StylePath(name));
    EXPECT_EQ(editor.highlighter, &highlighter);
    ASSERT_FALSE(texts.keyWordListFile.empty());
    ASSERT_FALSE(context.folders.KeyWordList(texts.keyWordListFile).empty());
    ASSERT_GT(highlighter.KeyWords().Count(), 0);
    for (const auto& word : highlighter.KeyWords().Entries()) {
      EXPECT_TRUE(std::regex_match(word, identifier)) << word;
      EXPECT_TRUE(ScanLine(highlighter, word) == (std::vector<Token>{{tkKey, word}})) << word;
    }
  }
  for (const char* required : {"c",
                               "h",
                               "cpp",
                               "hpp",
                               "cc",
                               "cxx",
                               "cs",
                               "java",
                               "js",
                               "ts",
                               "go",
                               "rs",
                               "pas",
                               "pp",
                               "dpr",
                               "inc",
                               "lua",
                               "sql",
                               "asm",
                               "s",
                               "ini",
                               "inf",
                               "cfg",
                               "bat",
                               "cmd",
                               "html",
                               "xml",
                               "svg",
                               "css",
                               "txt",
                               "log",
                               "nfo",
                               "diz",
                               "lst",
                               "py",
                               "sh",
                               "bash",
                               "zsh",
                               "ksh",
                               "pl",
                               "pm",
                               "rb",
                               "php",
                               "yaml",
                               "yml",
                               "toml",
                               "mk",
                               "cmake",
                               "md",
                               "json",
                               "diff",
                               "patch",
                               "r",
                               "dockerfile",
                               "/makefile",
                               "/gnumakefile",
                               "/cmakelists.txt",
                               "/dockerfile"}) {
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
      {"py", "x = '#' # note", {tkIdentifier, tkUnknown, tkString, tkComment}},
      {"sh",
       "[ $# -eq 0 ] && echo \"$HOME\" # c",
       {tkUnknown, tkSymbol, tkUnknown, tkSymbol, tkIdentifier, tkNumber, tkUnknown, tkUnknown,
        tkUnknown, tkKey, tkString, tkComment}},
      {"mk",
       "CC := $(CC) # c",
       {tkIdentifier, tkUnknown, tkUnknown, tkSymbol, tkSymbol, tkIdentifier, tkUnknown,
        tkComment}},
      {"yml", "on: [push] # c", {tkKey, tkUnknown, tkUnknown, tkIdentifier, tkUnknown, tkComment}},
      {"html",
       "<p>a -- b</p> <!-- c",
       {tkUnknown, tkKey, tkUnknown, tkKey, tkSymbol, tkSymbol, tkKey, tkUnknown, tkSymbol, tkKey,
        tkUnknown, tkComment, tkComment}},
      {"md", "## Title", {tkPreprocessor}},
      {"patch", "+added", {tkPreprocessor}},
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
