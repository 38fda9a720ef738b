// Reading the file again in another encoding, and converting the document's
// text to another encoding for saving.
#include <utility>
#include <vector>

#include "platform/Dialogs.h"
#include "shell/Caption.h"
#include "shell/ScribantShell.h"
#include "support/OvFile.h"
#include "support/Utf8.h"

namespace {

// A place in the text as a line and the characters before it on that line,
// which survive a change of encoding where byte offsets do not.
struct TCharPlace {
  int line;
  std::size_t chars;
};

TCharPlace CaretPlace(const TCustomScribEdit& editor) {
  const TBufferCoord caret = editor.CaretXY();
  const std::string_view line = editor.Lines().Get(caret.Line - 1);
  const std::string_view before =
      line.substr(0, std::min<std::size_t>(caret.Char - 1, line.size()));
  return {caret.Line, editor.Lines().CellRules().utf8 ? utf8::CharCount(before) : before.size()};
}

void MoveCaretTo(TCustomScribEdit& editor, TCharPlace place) {
  const std::string_view line = editor.Lines().Get(place.line - 1);
  std::size_t at = 0;
  if (!editor.Lines().CellRules().utf8)
    at = std::min(place.chars, line.size());
  else
    for (std::size_t chars = place.chars; at < line.size() && chars > 0; --chars)
      at += utf8::CharLength(line, at);
  editor.SetCaretXY({static_cast<int>(at) + 1, place.line});
}

bool StartsWithByteOrderMark(const std::string& path) {
  char start[3] = {};
  return ReadFileBlock(path, 0, 3, start) == 3 && std::string_view(start, 3) == kUtf8ByteOrderMark;
}

}  // namespace

void TScribantShell::ReopenWithEncoding_Cmd(TTextEncoding encoding) {
  if (fileName_ == kUntitled || (editor_.Modified() && !ConfirmReload())) return;
  const TCharPlace caret = CaretPlace(editor_);
  if (!OpenDocument(std::string(fileName_), encoding)) return;
  if (encoding == TTextEncoding::Utf8Bom && !StartsWithByteOrderMark(fileName_))
    uneditedChange_ =
        "Saving adds a UTF-8 byte-order mark to the start of this file, which changes bytes you "
        "did not edit.";
  MoveCaretTo(editor_, caret);
}

void TScribantShell::ConvertEncoding_Cmd(TTextEncoding encoding) {
  TScribEditStringList& lines = editor_.Lines();
  if (encoding == lines.Encoding()) return;
  const bool toUtf8 = IsUtf8(encoding);
  if (toUtf8 != IsUtf8(lines.Encoding())) {
    // Each line beyond ASCII is converted once, before anything changes.
    std::vector<std::pair<int, std::string>> changed;
    std::size_t lost = 0;
    for (int i = 0; i < lines.Count(); ++i) {
      const std::string_view line = lines.Get(i);
      if (utf8::IsAscii(line)) continue;
      std::size_t missing = 0;
      std::string converted =
          toUtf8 ? utf8::FromWindows1252(line) : utf8::ToWindows1252(line, &missing);
      lost += missing;
      if (converted != line) changed.emplace_back(i, std::move(converted));
    }
    if (!ConfirmLossyConversion(lost)) return;
    const TCharPlace caret = CaretPlace(editor_);
    {
      const TScribEditStringList::UpdateScope update(lines);
      // Lines are measured by the new encoding's rules as they change.
      lines.SetEncoding(encoding);
      for (auto& [index, text] : changed) lines.Put(index, std::move(text));
    }
    // Undo steps hold bytes of the old encoding.
    editor_.ClearUndo();
    MoveCaretTo(editor_, caret);
  }
  lines.SetEncoding(encoding);
  editor_.SetModified(true);
  ShowDocumentFormat();
  Code_Edit_StatusChange(stSelection);
}

// Asks before `lost` characters Windows-1252 lacks become "?"; true to go on.
bool TScribantShell::ConfirmLossyConversion(std::size_t lost) {
  if (lost == 0) return true;
  const std::string count = lost == 1 ? "1 character of this document is"
                                      : std::to_string(lost) + " characters of this document are";
  return services_.dialogs.MessageBox(
             count +
                 " not in Windows-1252 and will become \"?\".\r\n\r\nConvert the document "
                 "to Windows-1252?",
             "Convert Encoding", TMsgIcon::Warning, TMsgButtons::YesNo) == TMsgResult::Yes;
}
