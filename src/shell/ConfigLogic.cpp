#include "shell/ConfigLogic.h"

#include <algorithm>
#include <cstdint>

#include "platform/Canvas.h"
#include "shell/AppSettings.h"

const std::string kCaptionFormatHelp =
    "%f\tBase filename, no directory path.\n"
    "%e\tExtension of the current file.\n"
    "%p\tDirectory path of the file, *with* an ending slash.\n"
    "%d\tDirectory path of the file, *without* an ending slash.\n"
    "%m\tReplaced by an asterisk, if the file has been modified.\n"
    "%a\tName of the application, i.e. \"Scribant\".";

namespace {

// The index of `text` among items[1..], else 0 (the "none" item).
int IndexAfterFirst(const std::vector<std::string>& items, const std::string& text) {
  for (std::size_t i = 1; i < items.size(); ++i)
    if (items[i] == text) return static_cast<int>(i);
  return 0;
}

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value < base ? value : -1;
}

TAttributeSettings* AttributeAt(TConfigSettings& settings, int index) {
  if (settings.highlighter.empty() || index < 0 ||
      index >= static_cast<int>(settings.attributes.size()))
    return nullptr;
  return &settings.attributes[static_cast<std::size_t>(index)];
}

TColourPanelView PanelView(TColor colour, const TSystemColourResolver& resolve) {
  return {colour, ColourPanelText(colour), ContrastingTextColour(colour, resolve)};
}

}  // namespace

std::optional<int> ParseInteger(const std::string& text) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) return std::nullopt;
  bool negative = text[i] == '-';
  if (text[i] == '-' || text[i] == '+') ++i;
  int base = 10;
  if (text.compare(i, 1, "$") == 0 || text.compare(i, 1, "x") == 0 ||
      text.compare(i, 1, "X") == 0) {
    base = 16;
    i += 1;
  } else if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  const std::uint64_t limit =
      base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    int digit = DigitValue(text[i], base);
    if (digit < 0) return std::nullopt;
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    if (value > limit) return std::nullopt;
  }
  // Hexadecimal values take all 32 bits, as the platform's reader does.
  std::uint32_t bits = static_cast<std::uint32_t>(value);
  if (negative) bits = 0u - bits;
  return static_cast<int>(bits);
}

std::string FontText(const TFont& font) {
  return font.name + ", " + std::to_string(font.size);
}

bool FontButtonClicked(TConfigSettings& settings, Dialogs& dialogs) {
  std::optional<TFont> chosen = dialogs.ChooseFont(settings.font);
  if (!chosen) return false;
  settings.font = *chosen;
  return true;
}

void ShowCaptionFormatHelp(Dialogs& dialogs) {
  dialogs.MessageBox(kCaptionFormatHelp, "Scribant", TMsgIcon::Information, TMsgButtons::Ok);
}

std::string NonIdentifierChars(const std::string& identifierChars) {
  std::string chars;
  for (int byte = 32; byte <= 255; ++byte)
    if (identifierChars.find(static_cast<char>(byte)) == std::string::npos)
      chars += static_cast<char>(byte);
  return chars;
}

TConfigControls FillControls(const TConfigSettings& settings,
                             const std::vector<std::string>& highlighterNames,
                             const std::vector<std::string>& keyWordListNames) {
  TConfigControls controls;
  controls.captionFormatItems = kCaptionFormatItems;
  controls.captionFormat = settings.captionFormat;
  controls.statusBar = settings.showStatusBar;
  controls.escapeQuits = settings.escapeQuits;
  controls.wordWrap = settings.wordWrap;
  controls.gutter = settings.gutterVisible;
  controls.maxRecentEntries = std::to_string(settings.maxListCount);

  controls.font = FontText(settings.font);
  controls.rightEdge = std::to_string(settings.rightEdge);
  controls.tabWidth = std::to_string(settings.tabWidth);
  controls.commentChars = settings.commentChars;
  controls.preprocessorChar = std::string(1, settings.preprocessorChar);
  controls.highlighterItems = {kNoHighlighterItem};
  controls.highlighterItems.insert(controls.highlighterItems.end(), highlighterNames.begin(),
                                   highlighterNames.end());
  controls.highlighterIndex =
      settings.highlighter.empty()
          ? 0
          : IndexAfterFirst(controls.highlighterItems, settings.highlighter);

  for (std::size_t i = 0; i < controls.commentStyles.size(); ++i)
    controls.commentStyles[i] = (settings.comments >> i) & 1;
  controls.stringDelimiterIndex = settings.stringDelimiter;
  controls.caseKeyWords = settings.keyWordsExactCase;
  controls.keyWordListItems = {kNoKeyWordListItem};
  controls.keyWordListItems.insert(controls.keyWordListItems.end(), keyWordListNames.begin(),
                                   keyWordListNames.end());
  controls.keyWordListIndex = IndexAfterFirst(controls.keyWordListItems, settings.keyWordListFile);
  controls.nonIdentifierChars = NonIdentifierChars(settings.identifierChars);
  return controls;
}

TApplyEffects ApplyControls(const TConfigControls& controls, TConfigSettings& settings) {
  settings.showStatusBar = controls.statusBar;
  settings.escapeQuits = controls.escapeQuits;
  settings.wordWrap = controls.wordWrap;
  settings.gutterVisible = controls.gutter;
  settings.maxListCount = BoundedListCount(ParseInteger(controls.maxRecentEntries).value_or(12));
  settings.captionFormat = controls.captionFormat;
  settings.rightEdge = ParseInteger(controls.rightEdge).value_or(settings.rightEdge);
  settings.tabWidth = ParseInteger(controls.tabWidth).value_or(settings.tabWidth);

  auto chosen = [](const std::vector<std::string>& items, int index) -> std::optional<std::string> {
    if (index <= 0 || index >= static_cast<int>(items.size())) return std::nullopt;
    return items[static_cast<std::size_t>(index)];
  };
  settings.highlighter = chosen(controls.highlighterItems, controls.highlighterIndex).value_or("");
  settings.commentChars = controls.commentChars;
  if (!controls.preprocessorChar.empty()) settings.preprocessorChar = controls.preprocessorChar[0];
  settings.comments = 0;
  for (std::size_t i = 0; i < controls.commentStyles.size(); ++i)
    if (controls.commentStyles[i]) settings.comments |= CommentBit(static_cast<TCommentStyle>(i));
  // A fixed list always has a selection; anything else keeps the delimiter.
  if (controls.stringDelimiterIndex >= 0 &&
      controls.stringDelimiterIndex < static_cast<int>(kStringDelimiterItems.size()))
    settings.stringDelimiter = controls.stringDelimiterIndex;
  settings.keyWordsExactCase = controls.caseKeyWords;

  TApplyEffects effects;
  if (std::optional<std::string> list =
          chosen(controls.keyWordListItems, controls.keyWordListIndex)) {
    if (*list != settings.keyWordListFile) effects.keyWordListToLoad = *list;
    settings.keyWordListFile = *list;
  } else {
    settings.keyWordListFile.clear();
    effects.clearKeyWordList = true;
  }
  // Unlike style loading no space is added: removing it from the text makes it
  // an identifier character.
  settings.identifierChars = NonIdentifierChars(controls.nonIdentifierChars);
  return effects;
}

std::vector<std::string> ColorListItems(const TConfigSettings& settings) {
  std::vector<std::string> names;
  if (settings.highlighter.empty()) return names;
  for (const TAttributeSettings& attribute : settings.attributes) names.push_back(attribute.name);
  return names;
}

TAttributeView ShowAttribute(const TAttributeSettings& attribute,
                             const TSystemColourResolver& resolve) {
  TAttributeView view;
  view.background = PanelView(attribute.background, resolve);
  view.foreground = PanelView(attribute.foreground, resolve);
  view.bold = attribute.style & fsBold;
  view.italic = attribute.style & fsItalic;
  view.underline = attribute.style & fsUnderline;
  view.strikeOut = attribute.style & fsStrikeOut;
  return view;
}

bool ColourPanelMouseDown(TConfigSettings& settings, int attributeIndex, int panelTag,
                          TMouseButton button, TOvColorDlg& colourDialog) {
  TAttributeSettings* attribute = AttributeAt(settings, attributeIndex);
  if (!attribute || (panelTag != kBackgroundPanelTag && panelTag != kForegroundPanelTag))
    return false;
  std::uint32_t& target =
      panelTag == kBackgroundPanelTag ? attribute->background : attribute->foreground;
  if (button == TMouseButton::Right) {
    target = clNone;
    return true;
  }
  if (button != TMouseButton::Left) return false;
  colourDialog.SetColor(target & 0xFFFFFF);
  if (!colourDialog.Execute()) return false;
  target = colourDialog.Color();
  return true;
}

bool StyleChecksClicked(TConfigSettings& settings, int attributeIndex, bool bold, bool italic,
                        bool underline, bool strikeOut) {
  TAttributeSettings* attribute = AttributeAt(settings, attributeIndex);
  if (!attribute) return false;
  attribute->style = (bold ? fsBold : 0u) | (italic ? fsItalic : 0u) |
                     (underline ? fsUnderline : 0u) | (strikeOut ? fsStrikeOut : 0u);
  return true;
}
