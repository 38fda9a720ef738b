// Any bytes as a style file, applied in full (as default.ini) or in part:
// every setting that reaches the editor or the highlighter is within its
// range, and applying the same file again changes nothing. A font
// description built from its documented parts reads back as those parts.
#include <fuzzer/FuzzedDataProvider.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "highlight/FontDescription.h"
#include "highlight/ScribHighlighterOrvane.h"
#include "highlight/StyleFile.h"
#include "platform/Screen.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPixelsPerInch = 96;

class FixedScreen : public Screen {
 public:
  int PixelsPerInch() const override { return kPixelsPerInch; }
};

struct EditorSettings : TStyleEditorTarget {
  std::optional<TFont> font;
  std::optional<int> rightEdge, tabWidth;
  int highlighterCalls = 0;
  TScribCustomHighlighter* highlighter = nullptr;

  void SetFont(const TFont& value) override {
    Expect(highlighterCalls == 0, "the highlighter is set last");
    font = value;
  }
  void SetRightEdge(int column) override { rightEdge = column; }
  void SetTabWidth(int width) override { tabWidth = width; }
  void SetHighlighter(TScribCustomHighlighter* value) override {
    ++highlighterCalls;
    highlighter = value;
  }
  bool operator==(const EditorSettings& other) const {
    return font == other.font && rightEdge == other.rightEdge && tabWidth == other.tabWidth &&
           highlighter == other.highlighter;
  }
};

void ExpectSensibleFont(const TFont& font) {
  Expect(font.size >= 0 && font.size <= kMaximumFontPoints, "points in range");
  Expect(font.name.size() <= kMaximumFontFaceLength, "face name length");
  Expect(font.height == FontHeightOf(font.size, kPixelsPerInch), "height from the points");
}

void ExpectSensible(const EditorSettings& editor, const TScribOrvane& highlighter) {
  Expect(editor.highlighterCalls == 1, "the highlighter is set once");
  if (editor.font) ExpectSensibleFont(*editor.font);
  if (editor.rightEdge) Expect(*editor.rightEdge >= 0 && *editor.rightEdge <= 65535, "right edge");
  if (editor.tabWidth) Expect(*editor.tabWidth >= 0 && *editor.tabWidth <= 65536, "tab width");
  Expect(highlighter.Comments() < (1u << kCommentStyleCount), "known comment styles");
  Expect(highlighter.StringDelimiter() <= sdBoth, "known string delimiter");
  for (int i = 0; i < highlighter.AttrCount(); ++i) {
    for (TColor colour :
         {highlighter.Attribute(i)->Foreground(), highlighter.Attribute(i)->Background()}) {
      Expect(colour <= 0x00FFFFFF || colour == clNone, "plain colours only");
    }
  }
}

struct Snapshot {
  EditorSettings editor;
  std::string identifierChars, commentChars, keyWordListFile;
  std::vector<std::string> attributes;
  int comments, delimiter;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Apply(const TStyleFolders& folders, const std::string& path, TScribOrvane& highlighter,
               TStyleTexts& texts) {
  Snapshot snapshot;
  const FixedScreen screen;
  ApplyStyleFile({folders, highlighter, snapshot.editor, screen, texts}, path);
  ExpectSensible(snapshot.editor, highlighter);
  snapshot.identifierChars = highlighter.IdentifierChars();
  snapshot.commentChars = texts.commentChars;
  snapshot.keyWordListFile = texts.keyWordListFile;
  for (int i = 0; i < highlighter.AttrCount(); ++i) {
    const auto* attribute = highlighter.Attribute(i);
    snapshot.attributes.push_back(std::to_string(attribute->Foreground()) + "/" +
                                  std::to_string(attribute->Background()) + "/" +
                                  std::to_string(attribute->IntegerStyle()));
  }
  snapshot.comments = highlighter.Comments();
  snapshot.delimiter = highlighter.StringDelimiter();
  return snapshot;
}

// "face" points letters, the way the configuration writes a font.
void CheckFontRoundTrip(FuzzedDataProvider& input) {
  TFont font;
  font.name = input.ConsumeRandomLengthString(kMaximumFontFaceLength);
  font.size = input.ConsumeIntegralInRange(0, kMaximumFontPoints);
  font.style = input.ConsumeIntegral<TFontStyles>() & kAllFontStyles;
  // Such faces cannot be written: too short, quoted, trimmed or read as a size.
  if (font.name.size() < 5 || font.name.find('"') != std::string::npos ||
      font.name.front() == ' ' || font.name.back() == ' ' ||
      (font.name.front() >= '0' && font.name.front() <= '9')) {
    return;
  }
  std::string text = "\"" + font.name + "\" " + std::to_string(font.size) + " ";
  for (auto [bit, letter] :
       {std::pair{fsBold, 'b'}, {fsItalic, 'i'}, {fsUnderline, 'u'}, {fsStrikeOut, 's'}}) {
    if (font.style & bit) text += letter;
  }
  font.height = FontHeightOf(font.size, kPixelsPerInch);
  Expect(ParseFontDescription(text, kPixelsPerInch) == font, "a written font reads back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  CheckFontRoundTrip(input);
  ExpectSensibleFont(ParseFontDescription(input.ConsumeRandomLengthString(64), kPixelsPerInch));

  const char* name = input.ConsumeBool() ? "default.ini" : "part.ini";
  const std::string path = (FuzzFolder() / name).string();
  std::ofstream(path, std::ios::binary | std::ios::trunc) << input.ConsumeRemainingBytesAsString();

  TScribOrvane highlighter;
  const TStyleFolders folders({FuzzFolder()});
  TStyleTexts texts;
  const Snapshot first = Apply(folders, path, highlighter, texts);
  Expect(Apply(folders, path, highlighter, texts) == first, "applying a style twice is stable");
  fs::remove(path);
  return 0;
}
