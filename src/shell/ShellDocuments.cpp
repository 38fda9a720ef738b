// New, open, save and reload, the save prompt, and the recent-file commands.
#include <cstdint>
#include <filesystem>
#include <limits>
#include <new>
#include <optional>
#include <stdexcept>

#include "highlight/StyleFile.h"
#include "platform/Dialogs.h"
#include "shell/Caption.h"
#include "shell/RecentFiles.h"
#include "shell/ScribantShell.h"
#include "shell/StatusTexts.h"
#include "support/OvFile.h"
#include "support/OvLib.h"
#include "support/Utf8.h"

const std::string kOpenFilter =
    "All files (*.*)|*.*|Plain text files|*.txt;*.c;*.cpp;*.tsf;*.pas;*.bat;*.html;*.htm;*.nfo;"
    "*.log;*.1st;*.diz;*.faq;*.me;*.now;*.ini;*.inf;*.tmp|Text (*.txt)|*.txt|Code files "
    "(*.c;*.cpp;*.pas)|*.c;*.cpp;*.pas|Tolmar Script File (*.tsf)|*.tsf|MS-DOS Batch "
    "(*.bat)|*.bat|Hyper Text Markup Language (*.html;*.htm)|*.html;*.htm|NFO (*.nfo)|*.nfo|Logs "
    "(*.log)|*.log|1st (*.1st)|*.1st|Lists (*.lst)|*.lst|File_id description (*.diz)|*.diz|"
    "Frequently Asked Questions (*.faq)|*.faq|Read.me (*.me)|*.me|Readme.now (*.now)|*.now|"
    "Initialization Settings (*.ini)|*.ini|Setup Information (*.inf)|*.inf|Temporary "
    "(*.tmp)|*.tmp|";

const std::string kSaveFilter =
    "All files (*.*)|*.*|Text (*.txt)|*.txt|C code (*.c)|*.c|C++ code (*.cpp)|*.cpp|Tolmar "
    "Script File (*.tsf)|*.tsf|Pascal code (*.pas)|*.pas|MS-DOS Batch (*.bat)|*.bat|Hyper Text "
    "Markup Lanuage (*.html)|*.html|Hyper Text Markup Lanuage 8.3 (*.htm)|*.htm|NFO "
    "(*.nfo)|*.nfo|Logs (*.log)|*.log|1st (*.1st)|*.1st|Lists (*.lst)|*.lst|File_id description "
    "(*.diz)|*.diz|Frequently Asked Questions (*.faq)|*.faq|Read.me (*.me)|*.me|Readme.now "
    "(*.now)|*.now|Initialization Settings (*.ini)|*.ini|Setup Information (*.inf)|*.inf|"
    "Temporary (*.tmp)|*.tmp|";

namespace {

const std::string kScribant = "Scribant";

// The byte order of a file that starts with a UTF-16 byte-order mark and
// holds more than the mark.
std::optional<bool> Utf16BigEndian(const std::string& path, std::uintmax_t size) {
  char mark[2] = {};
  if (size <= 2 || ReadFileBlock(path, 0, 2, mark) != 2) return std::nullopt;
  if (mark[0] == '\xFF' && mark[1] == '\xFE') return false;
  if (mark[0] == '\xFE' && mark[1] == '\xFF') return true;
  return std::nullopt;
}

}  // namespace

void TScribantShell::NewDocument() {
  fileName_ = kUntitled;
  diskWatch_.Forget();
  uneditedChange_.clear();
  DetachHighlighter();
  editor_.ClearAll();
  editor_.Lines().SetEncoding(TTextEncoding::Utf8);
  ApplyStyleFor(fileName_);
  UpdateCaption();
  ShowDocumentFormat();
  Code_Edit_StatusChange(stSelection);
}

// The style applied next hands the highlighter back, so the document is
// scanned once, with its final rules, instead of after every step.
void TScribantShell::DetachHighlighter() {
  editor_.SetHighlighter(nullptr);
}

void TScribantShell::ShowDocumentFormat() {
  if (OnStatusPanel)
    OnStatusPanel(kDocumentFormatPanel, DocumentFormatPanelText(editor_.Lines().Encoding(),
                                                                editor_.Lines().LineBreakStyle()));
}

void TScribantShell::LoadUtf16(const std::string& path, std::uintmax_t size, bool bigEndian) {
  // One read of the whole content; anything larger would load cut short.
  if (size - 2 > std::numeric_limits<std::uint32_t>::max())
    throw std::length_error("The unicode file is too large to be loaded (4 GB at most).\r\n\r\n\"" +
                            path + "\"");
  std::string bytes(size - 2, '\0');
  const std::uint32_t read =
      ReadFileBlock(path, 2, static_cast<std::uint32_t>(size - 2), bytes.data());
  bytes.resize(read);
  const std::string text = utf8::FromUtf16(bytes, bigEndian);
  bytes = std::string();
  editor_.Lines().SetEncoding(TTextEncoding::Utf8);
  editor_.SetText(text);
  if (text.size() > 2 && text.ends_with("\r\n")) editor_.Lines().Add("");
  uneditedChange_ =
      "This file was converted from unicode when it was loaded. Saving writes it as UTF-8, "
      "which changes bytes you did not edit.";
  services_.dialogs.MessageBox(
      "The file loaded was of unicode format, a format not fully supported yet. Do not save and "
      "overwrite the this file, or you will lose the unicode formatting.\r\n\r\n\"" +
          path + "\"",
      kScribant, TMsgIcon::Warning, TMsgButtons::Ok);
}

// Loads the file in place of the document; false (after reporting) when it
// failed, the document then being left as it was: all bytes are read before
// the editor changes.
bool TScribantShell::LoadIntoEditor(const std::string& path,
                                    std::optional<TTextEncoding> encoding) {
  try {
    std::error_code error;
    const std::uintmax_t size = IsRegularFile(path) ? std::filesystem::file_size(path, error) : 0;
    // A chosen encoding reads the bytes as they are, UTF-16 ones too.
    const std::optional<bool> utf16BigEndian =
        error || encoding ? std::nullopt : Utf16BigEndian(path, size);
    if (utf16BigEndian) {
      LoadUtf16(path, size, *utf16BigEndian);
    } else {
      editor_.Lines().LoadFromFile(path, encoding);
      uneditedChange_.clear();
      if (editor_.Lines().LoadedMixedLineBreaks()) {
        uneditedChange_ = "This file has mixed line breaks. Saving writes every line break as " +
                          LineBreakName(editor_.Lines().LineBreakStyle()) +
                          ", which changes lines you did not edit.";
      }
    }
  } catch (const std::bad_alloc&) {
    services_.dialogs.MessageBox(
        "There is not enough memory to open the file.\r\n\r\n\"" + path + "\"", kScribant,
        TMsgIcon::Error, TMsgButtons::Ok);
    return false;
  } catch (const std::exception& error) {
    services_.dialogs.MessageBox(error.what(), kScribant, TMsgIcon::Error, TMsgButtons::Ok);
    return false;
  }
  diskWatch_.Remember(path);
  // Nothing of the previous document may be undone into this one.
  editor_.ClearUndo();
  editor_.SetModified(false);
  return true;
}

bool TScribantShell::OpenDocument(const std::string& path, std::optional<TTextEncoding> encoding) {
  bool loaded = false;
  {
    const TScribEditStringList::UpdateScope update(editor_.Lines());
    DetachHighlighter();
    loaded = LoadIntoEditor(path, encoding);
    if (loaded) fileName_ = path;
    // After a failed load the previous document keeps its style.
    ApplyStyleFor(fileName_);
    if (loaded) {
      UpdateCaption();
      ShowDocumentFormat();
      Code_Edit_StatusChange(stSelection);
      AddToRecentList(fileName_);
    }
  }
  return loaded;
}

bool TScribantShell::QuerySave() {
  if (!editor_.Modified()) return true;
  const TMsgResult answer = services_.dialogs.MessageBox(
      "Do you wish to save the current file before proceeding?\r\n\r\n\"" + fileName_ + "\"",
      "Save the file?", TMsgIcon::Question, TMsgButtons::YesNoCancel);
  if (answer == TMsgResult::No) return true;
  if (answer == TMsgResult::Yes) return SaveDocument(false);
  return false;
}

bool TScribantShell::SaveDocument(bool askForName) {
  if (!askForName && fileName_ != kUntitled && IsFile(fileName_)) return WriteDocument(fileName_);
  TFileDialogRequest request;
  request.filter = kSaveFilter;
  request.filterIndex = 2;
  request.defaultExt = "txt";
  request.initialDir = FolderWithSeparator(fileName_, NativePathRule());
  const std::optional<std::string> path = services_.dialogs.ExecuteSave(request);
  return path && SaveDocumentAs(*path);
}

bool TScribantShell::SaveDocumentAs(const std::string& path) {
  if (!WriteDocument(path)) return false;
  fileName_ = path;
  UpdateCaption();
  AddToRecentList(fileName_);
  return true;
}

// Paths differing only in case are one file only where the platform says so.
void TScribantShell::AddToRecentList(const std::string& path) {
  AddToHistory(settings_.recentList, path, NativePathRule().namesIgnoreCase);
}

bool TScribantShell::WriteDocument(const std::string& path) {
  if (!ConfirmOverwrite(path)) return false;
  const TFileReplaceResult written =
      WriteTextFile(path, editor_.Lines().SaveToString(), true, fileWriting_);
  if (!written.Succeeded()) {
    ReportFailedWrite(path, written);
    return false;
  }
  editor_.SetModified(false);
  diskWatch_.Remember(path);
  uneditedChange_.clear();
  return true;
}

void TScribantShell::New_Cmd() {
  if (QuerySave()) NewDocument();
}

void TScribantShell::Open_Cmd() {
  if (!QuerySave()) return;
  TFileDialogRequest request;
  request.filter = kOpenFilter;
  request.filterIndex = 2;
  request.initialDir = FolderWithSeparator(fileName_, NativePathRule());
  if (const std::optional<std::string> path = services_.dialogs.ExecuteOpen(request))
    OpenDocument(*path);
}

bool TScribantShell::ConfirmReload() {
  return services_.dialogs.MessageBox(
             "Are you sure you wish to reload the current file, you will lose all "
             "changes?\r\n\r\n\"" +
                 fileName_ + "\"",
             "Reload Current File?", TMsgIcon::Warning, TMsgButtons::OkCancel) == TMsgResult::Ok;
}

void TScribantShell::Reload_Cmd() {
  if (fileName_ == kUntitled || !ConfirmReload()) return;
  const std::int64_t selStart = editor_.SelStart();
  const std::int64_t selLength = editor_.SelLength();
  OpenDocument(std::string(fileName_));
  editor_.SetSelStart(selStart);
  editor_.SetSelLength(selLength);
}

void TScribantShell::OpenRecentFile_Cmd(int index) {
  if (index < 0 || index >= static_cast<int>(settings_.recentList.size())) return;
  const std::string path = settings_.recentList[index];
  if (QuerySave()) OpenDocument(path);
}

void TScribantShell::RemoveObsoleteFiles_Cmd() {
  RemoveObsoleteFiles(settings_.recentList, [](const std::string& path) { return IsFile(path); });
}

void TScribantShell::ClearRecentList_Cmd() {
  settings_.recentList.clear();
}
