// The logic of the configuration dialog (TFormConfig, "Scribant
// Configurations") without its widgets. The main window copies the running
// program's values into a TConfigSettings, the dialog shows FillControls'
// result, and Apply/OK run ApplyControls and hand the settings back to the
// shell, the editor and the highlighter. The immediate actions of the
// "Highlighting" and "Editor" pages change the settings at once; the caller
// passes those changes on at once too, so Cancel does not undo them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "highlight/ScribHighlighterOrvane.h"
#include "platform/Dialogs.h"
#include "shell/ConfigColors.h"
#include "tools/OvColorDlg.h"

inline const std::string kConfigCaption = "Scribant Configurations";
inline const std::string kNoHighlighterItem = "No Highlighter";
inline const std::string kNoKeyWordListItem = "No Keyword List";
inline const std::vector<std::string> kCaptionFormatItems = {"%a <%p%f>%m", "%p%f %m", "%f %m",
                                                             "%m%f <%d>", "%m%f"};
// Item i stands for the comment style (and string delimiter) of ordinal i.
inline const std::array<std::string, kCommentStyleCount> kCommentStyleItems = {
    "Ansi", "Pascal", "C", "ASM", "Basic", "C++", "Lua", "Hash", "Markup"};
inline const std::array<std::string, 4> kStringDelimiterItems = {
    "None", "'Single Quotation'", "\"Double Quotation\"", "Both Quotation Chars"};
// The help on the caption placeholders, shown by the "?" button.
extern const std::string kCaptionFormatHelp;

struct TAttributeSettings {
  std::string name;
  TColor background = clNone;
  TColor foreground = clNone;
  unsigned style = 0;  // a TFontStyle set
};

// What the dialog reads from and writes to the running program.
struct TConfigSettings {
  // The shell's values.
  bool showStatusBar = true;
  bool escapeQuits = false;
  int maxListCount = 12;
  std::string captionFormat = "%a <%p%f>%m";
  std::string commentChars;
  std::string keyWordListFile;
  // The editor's.
  bool wordWrap = false;
  bool gutterVisible = true;
  int rightEdge = 80;
  int tabWidth = 8;
  TFont font;
  std::string highlighter;  // language name of the highlighter in use, "" for none
  // The highlighter's.
  TCommentStyles comments = 0;  // bit n: comment style of ordinal n
  int stringDelimiter = 2;
  bool keyWordsExactCase = false;
  char preprocessorChar = '#';
  std::string identifierChars;  // ascending bytes
  std::vector<TAttributeSettings> attributes;
};

// The controls' contents, page by page.
struct TConfigControls {
  // "Main"
  bool statusBar = false;
  bool escapeQuits = false;
  bool wordWrap = false;
  bool gutter = false;
  std::string maxRecentEntries;
  std::vector<std::string> captionFormatItems;
  std::string captionFormat;
  // "Association"
  std::string fileExtensions;
  // "Editor"
  std::string font;
  std::string rightEdge;
  std::string tabWidth;
  std::vector<std::string> highlighterItems;
  int highlighterIndex = 0;
  std::string commentChars;
  std::string preprocessorChar;
  // "General Format"
  std::array<bool, kCommentStyleCount> commentStyles{};
  std::string nonIdentifierChars;
  int stringDelimiterIndex = 0;
  std::vector<std::string> keyWordListItems;
  int keyWordListIndex = 0;
  bool caseKeyWords = false;
};

// What Apply leaves to the caller besides the settings: the keyword list to
// load (a name from the KeyWords folder) or to empty; then the caption is
// rebuilt and the status bar shown or hidden from the settings.
struct TApplyEffects {
  std::optional<std::string> keyWordListToLoad;
  bool clearKeyWordList = false;
};

// The dialog's opening state. `highlighterNames` are the language names of the
// main window's highlighters.
TConfigControls FillControls(const TConfigSettings& settings,
                             const std::vector<std::string>& highlighterNames,
                             const std::vector<std::string>& keyWordListNames);

// Apply and OK.
TApplyEffects ApplyControls(const TConfigControls& controls, TConfigSettings& settings);

// A whole integer as the platform's reader takes it: optional leading spaces
// and sign, decimal or hexadecimal ("$", "x" or "0x"), nothing after it.
std::optional<int> ParseInteger(const std::string& text);

// "Face, size".
std::string FontText(const TFont& font);

// Font_Btn: the font dialog with the editor's font; true when one was chosen
// (then in settings.font, and FontText gives the field's new text).
bool FontButtonClicked(TConfigSettings& settings, Dialogs& dialogs);

// CaptionFormatHlp_Btn: the placeholder help in an information box.
void ShowCaptionFormatHelp(Dialogs& dialogs);

// Bytes 32..255 that are not in `identifierChars`, ascending.
std::string NonIdentifierChars(const std::string& identifierChars);

// --- The "Highlighting" page. An attribute index is -1 (or out of range) when
// the editor has no highlighter; the actions then do nothing.

// The attribute names, or none without a highlighter in use.
std::vector<std::string> ColorListItems(const TConfigSettings& settings);

struct TColourPanelView {
  TColor colour = 0;
  std::string text;
  TColor textColour = 0;
};
struct TAttributeView {
  TColourPanelView background;  // panel tag 1
  TColourPanelView foreground;  // panel tag 2
  bool bold = false, italic = false, underline = false, strikeOut = false;
};
TAttributeView ShowAttribute(const TAttributeSettings& attribute,
                             const TSystemColourResolver& resolve);

enum class TMouseButton { Left, Right, Middle };
inline constexpr int kBackgroundPanelTag = 1;
inline constexpr int kForegroundPanelTag = 2;

// A mouse button pressed on a colour panel: left opens the colour dialog with
// the panel's colour, right picks "no colour". True when the attribute changed.
bool ColourPanelMouseDown(TConfigSettings& settings, int attributeIndex, int panelTag,
                          TMouseButton button, TOvColorDlg& colourDialog);

// A style check box clicked: the attribute's style from the four boxes.
bool StyleChecksClicked(TConfigSettings& settings, int attributeIndex, bool bold, bool italic,
                        bool underline, bool strikeOut);
