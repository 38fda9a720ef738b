// The document against its file on disk: changes made by other programs,
// saves that would rewrite bytes nobody edited, and copies left by saves that
// never finished.
#include "platform/Dialogs.h"
#include "shell/Caption.h"
#include "shell/ScribantShell.h"
#include "support/FileKeptCopies.h"

namespace {

std::string Quoted(const std::string& path) {
  return "\r\n\r\n\"" + path + "\"";
}

}  // namespace

void TScribantShell::ReportFailedWrite(const std::string& path, const TFileReplaceResult& result) {
  services_.dialogs.MessageBox(
      "Failed to write the file to disk." + Quoted(path) + "\r\n\r\n" + result.Reason(), "Scribant",
      TMsgIcon::Error, TMsgButtons::Ok);
}

// Only the document's own file can hold something the user has not seen.
bool TScribantShell::ConfirmOverwrite(const std::string& path) {
  if (fileName_ == kUntitled || path != fileName_) return true;
  return ConfirmOverwriteOfChangedFile(path) && ConfirmRewriteOfUneditedBytes(path);
}

bool TScribantShell::ConfirmOverwriteOfChangedFile(const std::string& path) {
  if (!diskWatch_.ChangedOutside(path)) return true;
  // The question tells the user of this change: no reload offer follows for it.
  diskWatch_.TakeNewOutsideChange(path);
  return services_.dialogs.MessageBox(
             "The file has been changed by another program since it was "
             "opened. Overwrite it?" +
                 Quoted(path),
             "Overwrite the File?", TMsgIcon::Warning, TMsgButtons::YesNo) == TMsgResult::Yes;
}

bool TScribantShell::ConfirmRewriteOfUneditedBytes(const std::string& path) {
  if (uneditedChange_.empty()) return true;
  return services_.dialogs.MessageBox(uneditedChange_ + "\r\n\r\nSave it anyway?" + Quoted(path),
                                      "Rewrite the File?", TMsgIcon::Warning,
                                      TMsgButtons::YesNo) == TMsgResult::Yes;
}

void TScribantShell::FormActivate() {
  if (fileName_ != kUntitled && diskWatch_.TakeNewOutsideChange(fileName_)) Reload_Cmd();
}

void TScribantShell::OfferKeptCopies() {
  for (const TKeptCopy& kept : KeptCopies(fileWriting_.stateFolder)) {
    const std::string target = kept.target.string();
    const TMsgResult answer = services_.dialogs.MessageBox(
        "Scribant stopped while it was saving this file. A complete copy of its earlier content "
        "was kept.\r\n\r\nPut the earlier content back? (No throws the copy away, Cancel keeps it "
        "for the next start.)" +
            Quoted(target),
        "Restore the File?", TMsgIcon::Question, TMsgButtons::YesNoCancel);
    if (answer == TMsgResult::No) DiscardKeptCopy(kept);
    if (answer != TMsgResult::Yes) continue;
    const TFileReplaceResult restored = RestoreKeptCopy(kept, fileWriting_);
    if (!restored.Succeeded()) ReportFailedWrite(target, restored);
  }
}
