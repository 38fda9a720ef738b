#include "shell/ScribantShell.h"

#include <filesystem>

#include "highlight/ScribHighlighterOrvane.h"
#include "highlight/StyleFile.h"
#include "platform/Dialogs.h"
#include "shell/Caption.h"
#include "shell/StatusTexts.h"
#include "support/OvFile.h"
#include "support/OvLib.h"
#include "support/Utf8.h"

namespace {

const std::string kSettingsCannotBeKept1 = "Settings cannot be kept: the folder\n";
const std::string kSettingsCannotBeKept2 =
    "\ncannot be written.\n\nScribant works as usual, but the window placement, the recent files "
    "and the search history will be lost when it closes.";

}  // namespace

// Hands the editor settings a style decides to the editor.
class TScribantShell::EditorStyleTarget : public TStyleEditorTarget {
 public:
  explicit EditorStyleTarget(TCustomScribEdit& editor) : editor_(editor) {}

  void SetFont(const TFont& font) override { editor_.SetFont(font); }
  void SetRightEdge(int column) override { editor_.SetRightEdge(column); }
  void SetTabWidth(int width) override { editor_.SetTabWidth(width); }
  void SetHighlighter(TScribCustomHighlighter* highlighter) override {
    editor_.SetHighlighter(highlighter);
  }

 private:
  TCustomScribEdit& editor_;
};

TScribantShell::TScribantShell(TCustomScribEdit& editor, TScribOrvane& highlighter,
                               TShellServices services, TProgramFolders folders,
                               TFileReplaceOptions fileWriting)
    : editor_(editor),
      highlighter_(highlighter),
      services_(services),
      folders_(std::move(folders)),
      styleTarget_(std::make_unique<EditorStyleTarget>(editor)),
      fileName_(kUntitled),
      fileWriting_(std::move(fileWriting)) {
  highlighter_.ApplyStoredDefaults();
  ConfigureEditor();
}

TScribantShell::~TScribantShell() {
  // Unhooked first: dropping the highlighter below may still report changes.
  editor_.OnStatusChange = nullptr;
  editor_.OnKeyDown = nullptr;
  editor_.OnDropFiles = nullptr;
  editor_.OnRefusedText = nullptr;
  // The editor may outlive the highlighter it was given here.
  editor_.SetHighlighter(nullptr);
}

void TScribantShell::ConfigureEditor() {
  TFont font = editor_.Font();
  font.name = "Courier New";
  font.height = -13;
  editor_.SetFont(font);
  // Alt+drag selects a column, as in other Linux editors.
  editor_.SetOptions(kMainWindowEditorOptions | OptionBit(eoAltSetsColumnMode));
  editor_.SetRightEdge(104);
  editor_.SetWantTabs(true);
  TScribGutter& gutter = editor_.Gutter();
  gutter.SetAutoSize(true);
  gutter.SetDigitCount(3);
  gutter.SetLeftOffset(2);
  gutter.SetRightOffset(3);
  gutter.SetShowLineNumbers(true);
  gutter.SetWidth(60);
  gutter.SetFont(TFont{"Courier New", 10, -13, 0});
  editor_.SetHighlighter(&highlighter_);
  editor_.SetClipboard(&services_.clipboard);

  // Context help moves from F1 (the About box) to Ctrl+F1.
  TScribEditKeyStrokes& keys = editor_.Keystrokes();
  const int helpOnF1 = keys.FindKeycode(vk::F1, ssNone);
  if (helpOnF1 >= 0 && keys[helpOnF1].Command == ecContextHelp) keys.Delete(helpOnF1);
  if (keys.FindKeycode(vk::F1, ssCtrl) < 0) keys.AddKey(ecContextHelp, vk::F1, ssCtrl);
  AddColumnSelectionKeys(keys);

  editor_.OnStatusChange = [this](TCustomScribEdit&, TScribStatusChanges changes) {
    Code_Edit_StatusChange(changes);
  };
  editor_.OnKeyDown = [this](TCustomScribEdit&, std::uint16_t& key, TShiftState shift) {
    Code_Edit_KeyDown(key, shift);
  };
  editor_.OnDropFiles = [this](TCustomScribEdit&, int, int, const std::vector<std::string>& files) {
    Code_Edit_DropFiles(files);
  };
  editor_.OnRefusedText = [this](TCustomScribEdit&, std::size_t missing) {
    if (OnStatusMessage) OnStatusMessage(RefusedTextMessage(missing));
  };
}

TStyleContext TScribantShell::StyleContext() {
  return TStyleContext{TStyleFolders(folders_.dataFolders), highlighter_, *styleTarget_,
                       services_.screen, styleTexts_};
}

void TScribantShell::ApplyStyleFor(const std::string& fileName) {
  const TStyleContext context = StyleContext();
  ApplyStyleFile(context, FindStyleFile(context, fileName));
}

void TScribantShell::FormCreate(int screenWidth, int screenHeight) {
  hexPrefix_ = "0x";
  settings_ = LoadSettings(folders_.settingsFile.string(), screenWidth, screenHeight);
  searchState_.FindString = settings_.findString;
  searchState_.ReplaceString = settings_.replaceString;
  editor_.SetWordWrap(settings_.wordWrap);
  editor_.Gutter().SetVisible(settings_.showGutter);
  ApplyStyleFile(StyleContext(), kStartupStyleMarker);
}

void TScribantShell::FormShow(const std::string& firstArgument) {
  // Before the argument is loaded, so that a file put back is loaded as it is now.
  OfferKeptCopies();
  bool opened = false;
  if (!firstArgument.empty() && IsFile(firstArgument)) {
    // The recent list must name the file wherever the next run starts.
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(firstArgument, error);
    opened = OpenDocument(error ? firstArgument : full.lexically_normal().string());
  }
  if (!opened) NewDocument();
  // Said once, at the start, rather than losing the settings silently at the end.
  if (!CanCreateFilesIn(folders_.configFolder)) {
    services_.dialogs.MessageBox(
        kSettingsCannotBeKept1 + folders_.configFolder.string() + kSettingsCannotBeKept2,
        "Scribant", TMsgIcon::Warning, TMsgButtons::Ok);
  }
}

bool TScribantShell::FormCloseQuery() {
  if (!QuerySave()) return false;
  SaveSettings();
  return true;
}

void TScribantShell::SaveSettings() {
  settings_.wordWrap = editor_.WordWrap();
  settings_.showGutter = editor_.Gutter().Visible();
  CreateFolderFor(folders_.settingsFile);
  ::SaveSettings(folders_.settingsFile.string(), settings_, hexPrefix_);
}

void TScribantShell::UpdateCaption() {
  if (OnCaption)
    OnCaption(
        CaptionText(settings_.captionFormat, fileName_, editor_.Modified(), NativePathRule()));
}

void TScribantShell::Code_Edit_StatusChange(TScribStatusChanges changes) {
  if (changes & stModified) UpdateCaption();
  if (!(changes & stSelection) || !OnStatusPanel) return;
  OnStatusPanel(1, LinePanelText(editor_.CaretY()));
  OnStatusPanel(2, ColumnPanelText(CaretColumnCount()));
  OnStatusPanel(3, PositionPanelText(editor_.SelStart()));
  UpdateSelectionInfo();
}

// In UTF-8 text "Col" counts characters; elsewhere it is the caret's byte.
int TScribantShell::CaretColumnCount() const {
  const int caret = editor_.CaretX();
  if (!editor_.Lines().CellRules().utf8) return caret;
  const std::string_view line = editor_.Lines().Get(editor_.CaretY() - 1);
  const auto before = std::min<std::size_t>(line.size(), static_cast<std::size_t>(caret - 1));
  return static_cast<int>(utf8::CharCount(line.substr(0, before))) +
         (caret - 1 - static_cast<int>(before)) + 1;
}

void TScribantShell::UpdateSelectionInfo() {
  if (!OnStatusPanel) return;
  const bool utf8Text = editor_.Lines().CellRules().utf8;
  const std::int64_t count = utf8Text ? editor_.SelCharCount() : editor_.SelLength();
  std::string shown(1, '\0');
  char32_t code = 0;
  if (count == 1) {
    shown = editor_.SelText();
    if (!shown.empty())
      code = utf8Text ? utf8::Decode(shown, 0) : static_cast<unsigned char>(shown[0]);
  }
  OnStatusPanel(0, SelectionInfoText(count, shown, code, editor_.Lines().CharacterCount(),
                                     editor_.Lines().Count(), hexPrefix_));
}
