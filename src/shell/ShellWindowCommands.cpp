// The main window's edit commands, Execute File, New Window, and the keys and
// drops the window handles before the editor.
#include "highlight/StyleFile.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "shell/Caption.h"
#include "shell/ScribantShell.h"
#include "shell/TextTransforms.h"
#include "support/Utf8Case.h"

namespace {

constexpr std::size_t kMaxPastedPathLength = 259;
constexpr std::uint16_t kEscapeKey = 0x1B;

}  // namespace

void TScribantShell::ModifyCase_Click() {
  const int method =
      services_.dialogs.SelectItem("Select method to modify the case...", CaseMethodNames(), "", 0);
  if (method < 0 || method >= static_cast<int>(CaseMethodNames().size())) return;
  const std::int64_t start = editor_.SelStart();
  const std::int64_t length = editor_.SelLength();
  if (length == 0) editor_.SelectAll();
  const std::string selected = editor_.SelText();
  const std::string changed = ModifyCaseText(static_cast<TCaseMethod>(method), selected, random_,
                                             editor_.Lines().CellRules().utf8);
  editor_.SetSelText(changed);
  // A UTF-8 case change may change byte lengths: the selection comes back
  // around the changed text, a caret before the same character.
  if (length != 0) {
    editor_.SetSelStart(start);
    const auto grown =
        static_cast<std::int64_t>(changed.size()) - static_cast<std::int64_t>(selected.size());
    editor_.SetSelLength(length + grown);
  } else {  // the whole text changed
    const auto caret = static_cast<std::size_t>(start);
    editor_.SetSelStart(
        static_cast<std::int64_t>(utf8::OffsetAfterMapping(selected, changed, caret)));
  }
}

void TScribantShell::CenterWithSpaces_Click() {
  if (!editor_.SelAvail()) {
    services_.dialogs.MessageBox("No text is selected", "Scribant", TMsgIcon::Information,
                                 TMsgButtons::Ok);
    return;
  }
  editor_.SetSelText(CenterWithSpacesText(editor_.SelText()));
}

void TScribantShell::ToggleComments_Click() {
  const std::int64_t length = editor_.SelLength();
  const TBufferCoord begin = editor_.BlockBegin();
  const TBufferCoord end = editor_.BlockEnd();
  const int lastLine = (length > 0 && end.Char == 1) ? end.Line - 1 : end.Line;
  const int firstIndex = begin.Line - 1;
  const int lastIndex = std::min(lastLine, editor_.Lines().Count()) - 1;
  const TScribEditStringList& lines = editor_.Lines();
  const TCommentToggle toggle = ToggleComments(
      firstIndex, lastIndex, [&](int i) { return std::string(lines.Get(i)); },
      styleTexts_.commentChars, length);

  if (!toggle.changedLines.empty()) {
    // The changed lines go in as one replacement, so one undo step takes them back.
    std::string replacement;
    std::size_t next = 0;
    for (int i = firstIndex; i <= lastIndex; ++i) {
      if (i > firstIndex) replacement += "\r\n";
      const bool changed =
          next < toggle.changedLines.size() && toggle.changedLines[next].first == i;
      if (changed)
        replacement += toggle.changedLines[next++].second;
      else
        replacement += lines.Get(i);
    }
    const TBufferCoord rangeEnd{static_cast<int>(lines.Get(lastIndex).size()) + 1, lastIndex + 1};
    editor_.SetCaretAndSelection(rangeEnd, {1, firstIndex + 1}, rangeEnd);
    editor_.SetSelText(replacement);
  }
  editor_.SetModified(true);
  editor_.SetCaretAndSelection(begin, begin, begin);
  editor_.SetSelLength(toggle.selLength);
}

void TScribantShell::FindMatchingBracket_Cmd() {
  if (const auto span = FindMatchingBracket(editor_.Text(), editor_.SelStart())) {
    editor_.SetSelStart(span->start);
    editor_.SetSelLength(span->length);
  }
}

void TScribantShell::ExecuteFile_Click() {
  if (fileName_ == kUntitled || !QuerySave()) return;
  services_.shell.OpenDocument(fileName_);
}

void TScribantShell::NewInstance_Cmd() {
  SaveSettings();
  services_.shell.StartProcess(services_.shell.ExecutablePath(), {});
}

void TScribantShell::Code_Edit_KeyDown(std::uint16_t key, TShiftState shift) {
  const bool ctrl = shift & ssCtrl;
  if (key == vk::Delete) {
    UpdateSelectionInfo();
  } else if (key == 'V' && ctrl) {
    Clipboard& clipboard = services_.clipboard;
    if (clipboard.HasFileList() && !clipboard.HasText()) {
      for (const std::string& file : clipboard.GetFileList())
        editor_.SetSelText(file.substr(0, kMaxPastedPathLength) + "\r\n");
    }
  } else if (key == 'W' && ctrl) {
    editor_.SetWordWrap(!editor_.WordWrap());
  } else if (key == kEscapeKey && shift == ssNone) {
    if (CloseVisibleToolWindow && CloseVisibleToolWindow()) return;
    if (settings_.escapeQuits && CloseMainWindow) CloseMainWindow();
  }
}

void TScribantShell::Code_Edit_DropFiles(const std::vector<std::string>& files) {
  if (!files.empty() && QuerySave()) OpenDocument(files.front());
}
