// Applying a style file to the editor, the highlighter and the style texts.
#include "highlight/StyleFile.h"

#include <memory>
#include <vector>

#include "highlight/ScribHighlighterOrvane.h"
#include "platform/Screen.h"
#include "support/CodePage.h"
#include "support/OvIni.h"
#include "support/Paths.h"

namespace {

constexpr const char* kDefaultFont = "\"Courier New\" 10";
constexpr const char* kDefaultNonIdentChars = " \"#()*+,-./:;<=>[\\]{}";
constexpr int kDefaultCommentStyles = CommentBit(csCStyle) | CommentBit(csLuaStyle);
// The "CommentStyles" bit of a comment style. Bit 7 is skipped: older style
// files give 255 for all of the first seven, which must not enable later ones.
constexpr int StyleFileCommentBit(int style) {
  return 1 << (style < csHashStyle ? style : style + 1);
}
// Widths and columns beyond these would only make the editor build absurd lines.
constexpr int kMaximumTabWidth = 65536;
constexpr int kMaximumRightEdge = 65535;
// System colours: 0x80000000 + the index of the desktop's colour, 0 to 24.
constexpr TColor kFirstSystemColour = 0x80000000;
constexpr TColor kLastSystemColour = 0x80000018;

// One section of a style being applied. In a complete application every key
// is read (a missing one gives its default); in a partial one only the keys
// the section holds. Without a file every read gives the default.
class StyleSection {
 public:
  StyleSection(TOvIni* ini, std::string name, bool complete)
      : ini_(ini), name_(std::move(name)), complete_(complete) {
    if (ini_) ini_->ReadSectionKeys(name_, presentKeys_);
  }

  bool Wanted(const std::string& key) const {
    if (complete_) return true;
    for (const auto& present : presentKeys_) {
      if (codepage::CompareIgnoreCase(present, key) == 0) return true;
    }
    return false;
  }
  std::string String(const std::string& key, const std::string& defaultValue) const {
    return ini_ ? ini_->ReadString(name_, key, defaultValue) : defaultValue;
  }
  int Integer(const std::string& key, int defaultValue) const {
    return ini_ ? ini_->ReadInteger(name_, key, defaultValue) : defaultValue;
  }
  int IntegerInRange(const std::string& key, int defaultValue, int low, int high) const {
    const int value = Integer(key, defaultValue);
    return value < low || value > high ? defaultValue : value;
  }
  bool Bool(const std::string& key, bool defaultValue) const {
    return ini_ ? ini_->ReadBool(name_, key, defaultValue) : defaultValue;
  }

 private:
  TOvIni* ini_;
  std::string name_;
  bool complete_;
  std::vector<std::string> presentKeys_;
};

bool IsCompleteApplication(const std::string& path) {
  return path == kStartupStyleMarker ||
         codepage::CompareIgnoreCase(FilePart(path, NativePathRule()), "default.ini") == 0;
}

// Returns whether the style switches the highlighter on.
bool ApplyEditorSection(const TStyleContext& context, const StyleSection& section) {
  if (section.Wanted("Font")) {
    context.editor.SetFont(
        ParseFontDescription(section.String("Font", kDefaultFont), context.screen.PixelsPerInch()));
  }
  if (section.Wanted("RightEdge")) {
    context.editor.SetRightEdge(section.IntegerInRange("RightEdge", 0, 0, kMaximumRightEdge));
  }
  if (section.Wanted("TabWidth")) {
    context.editor.SetTabWidth(section.IntegerInRange("TabWidth", 4, 0, kMaximumTabWidth));
  }
  if (section.Wanted("CommentChars")) {
    context.texts.commentChars = section.String("CommentChars", "--");
  }
  return section.Wanted("EnableHighlighter") && section.Bool("EnableHighlighter", true);
}

std::string IdentifierCharsWithout(std::string nonIdentifierChars) {
  nonIdentifierChars += ' ';
  std::string chars;
  for (int c = 32; c <= 255; ++c) {
    if (nonIdentifierChars.find(static_cast<char>(c)) == std::string::npos) {
      chars += static_cast<char>(c);
    }
  }
  return chars;
}

void ApplyFormatSection(TScribOrvane& highlighter, TStyleTexts& texts,
                        const StyleSection& section) {
  if (section.Wanted("CommentStyles")) {
    const int mask = section.Integer("CommentStyles", kDefaultCommentStyles);
    highlighter.SetComments(0);
    for (int style = 0; style < kCommentStyleCount; ++style) {
      if (mask & StyleFileCommentBit(style)) {
        highlighter.SetComments(highlighter.Comments() |
                                CommentBit(static_cast<TCommentStyle>(style)));
      }
    }
  }
  if (section.Wanted("StringDelimiter")) {
    // A value outside the known ones enables neither quote character.
    const int delimiter = section.Integer("StringDelimiter", sdBoth);
    highlighter.SetStringDelimiter(
        delimiter >= sdNone && delimiter <= sdBoth ? static_cast<TStringDelim>(delimiter) : sdNone);
  }
  if (section.Wanted("KeyWordsExactCase")) {
    highlighter.SetKeyWordsExactCase(section.Bool("KeyWordsExactCase", true));
  }
  if (section.Wanted("KeyWordListFile")) {
    texts.keyWordListFile = section.String("KeyWordListFile", "");
  }
  if (section.Wanted("NonIdentChars")) {
    highlighter.SetIdentifierChars(
        IdentifierCharsWithout(section.String("NonIdentChars", kDefaultNonIdentChars)));
  }
  if (section.Wanted("DetectPreprocessors")) {
    highlighter.SetDetectPreprocessor(section.Bool("DetectPreprocessors", false));
  }
  if (section.Wanted("PreprocessorChar")) {
    const std::string value = section.String("PreprocessorChar", "#");
    highlighter.SetPreprocessorChar(value.empty() ? '#' : value[0]);
  }
}

// Plain RGB, a system colour or "none"; anything else is not a colour the painter can use.
bool IsStyleColour(int value) {
  const auto colour = static_cast<TColor>(value);
  return colour <= 0x00FFFFFF || colour == clNone ||
         (colour >= kFirstSystemColour && colour <= kLastSystemColour);
}

TColor ReadColour(const StyleSection& section, const std::string& key, TColor current) {
  const int value = section.Integer(key, static_cast<int>(current));
  return IsStyleColour(value) ? static_cast<TColor>(value) : current;
}

void ApplyColoursSection(TScribOrvane& highlighter, const StyleSection& section) {
  for (int index = 0; index < highlighter.AttrCount(); ++index) {
    TScribHighlighterAttributes& attribute = *highlighter.Attribute(index);
    const std::string back = attribute.Name() + ".BackColor";
    const std::string fore = attribute.Name() + ".ForeColor";
    const std::string style = attribute.Name() + ".Style";
    if (section.Wanted(back)) {
      attribute.SetBackground(ReadColour(section, back, attribute.Background()));
    }
    if (section.Wanted(fore)) {
      attribute.SetForeground(ReadColour(section, fore, attribute.Foreground()));
    }
    if (section.Wanted(style)) {
      attribute.SetIntegerStyle(section.Integer(style, attribute.IntegerStyle()));
    }
  }
}

}  // namespace

void LoadKeyWordList(const TStyleContext& context, const std::string& name) {
  TKeyWordList& keyWords = context.highlighter.KeyWords();
  const std::string path = name.empty() ? std::string() : context.folders.KeyWordList(name);
  // The list kept from the same unchanged file is not read again.
  if (path.empty() || !keyWords.LoadFromFile(path)) keyWords.Clear();
}

void ApplyStyleFile(const TStyleContext& context, const std::string& path) {
  std::unique_ptr<TOvIni> ini;
  if (path != kStartupStyleMarker) ini = std::make_unique<TOvIni>(path);
  const bool complete = IsCompleteApplication(path);

  const bool useHighlighter =
      ApplyEditorSection(context, StyleSection(ini.get(), "Editor", complete));
  ApplyFormatSection(context.highlighter, context.texts,
                     StyleSection(ini.get(), "Format", complete));
  ApplyColoursSection(context.highlighter, StyleSection(ini.get(), "ScriptColors", complete));
  LoadKeyWordList(context, context.texts.keyWordListFile);
  context.editor.SetHighlighter(useHighlighter ? &context.highlighter : nullptr);
}
