// TScribantShell: the portable half of the main window. It owns the
// document's lifecycle (new, open, save, reload), the settings, the recent
// files, the caption and status texts, and the main window's own edit
// commands. The Qt window builds widgets and forwards to it; everything here
// runs headless against the editor object and the platform services.
//
// FileName is "Untitled" for a document without a file; Settings() holds the
// process-wide options read at start-up and written by SaveSettings.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "desktop/ProgramFolders.h"
#include "editor/CustomScribEdit.h"
#include "highlight/StyleFile.h"
#include "shell/AppSettings.h"
#include "shell/ConfigLogic.h"
#include "shell/DiskWatch.h"
#include "shell/SearchState.h"
#include "support/FileReplace.h"
#include "support/OvLib.h"

class Clipboard;
class Dialogs;
class Screen;
class Shell;
class TScribOrvane;

struct TShellServices {
  Dialogs& dialogs;
  Clipboard& clipboard;
  Shell& shell;
  const Screen& screen;
};

extern const std::string kOpenFilter;
extern const std::string kSaveFilter;

class TScribantShell {
 public:
  // `folders` says where the settings file, Styles and KeyWords are;
  // `fileWriting` says how documents reach the disk.
  TScribantShell(TCustomScribEdit& editor, TScribOrvane& highlighter, TShellServices services,
                 TProgramFolders folders,
                 TFileReplaceOptions fileWriting = TFileReplaceOptions::ForCurrentUser());
  ~TScribantShell();
  TScribantShell(const TScribantShell&) = delete;
  TScribantShell& operator=(const TScribantShell&) = delete;

  // Hooks the window fills in.
  std::function<void(const std::string& caption)> OnCaption;
  std::function<void(int panel, const std::string& text)> OnStatusPanel;
  // A passing message in the status bar.
  std::function<void(const std::string& text)> OnStatusMessage;
  // The panel at the right end that names the document's encoding and line break.
  static constexpr int kDocumentFormatPanel = 4;
  // Escape first closes a visible tool window (the section list, then the
  // find/replace window); true when it closed one.
  std::function<bool()> CloseVisibleToolWindow;
  std::function<void()> CloseMainWindow;

  // --- Start and stop (ScribantShell.cpp) -----------------------------------
  void FormCreate(int screenWidth, int screenHeight);
  // `firstArgument` is the command line's first argument ("" for none).
  // Warns when the settings could not be kept.
  void FormShow(const std::string& firstArgument);
  // True when the window may close; then the settings are saved.
  bool FormCloseQuery();
  void SaveSettings();
  TAppSettings& Settings() { return settings_; }
  const TProgramFolders& Folders() const { return folders_; }
  // Shared by the find/replace window and the search commands; starts with
  // the last find and replace texts of the settings.
  TSearchState& SearchState() { return searchState_; }
  // The comment string and keyword list name of the current style.
  TStyleTexts& StyleTexts() { return styleTexts_; }
  // The one generator of the program: random case and random colours.
  TRandomGenerator& Random() { return random_; }
  const std::string& FileName() const { return fileName_; }
  void UpdateCaption();
  void Code_Edit_StatusChange(TScribStatusChanges changes);
  void UpdateSelectionInfo();

  // --- Documents (ShellDocuments.cpp) ---------------------------------------
  void NewDocument();
  // False when the file could not be loaded (reported; the document stays).
  // The bytes are read in `encoding` when one is given, else in the one
  // they suggest.
  bool OpenDocument(const std::string& path, std::optional<TTextEncoding> encoding = {});
  bool QuerySave();
  bool SaveDocument(bool askForName);
  bool SaveDocumentAs(const std::string& path);
  bool WriteDocument(const std::string& path);
  void New_Cmd();
  void Open_Cmd();
  void Reload_Cmd();
  void OpenRecentFile_Cmd(int index);
  void RemoveObsoleteFiles_Cmd();
  void ClearRecentList_Cmd();

  // --- Encodings (ShellEncodings.cpp) -----------------------------------------
  // The file's bytes read again as `encoding`; asks first when that loses changes.
  void ReopenWithEncoding_Cmd(TTextEncoding encoding);
  // The document's text in `encoding` from now on, for saving; asks first
  // when characters would become "?".
  void ConvertEncoding_Cmd(TTextEncoding encoding);

  // --- The file on disk (ShellDiskChanges.cpp) -------------------------------
  // The window became active: a file changed by another program since the
  // document loaded or saved it is offered for reload, once per change.
  void FormActivate();
  // Copies kept by saves that never finished are offered back, one by one.
  void OfferKeptCopies();

  // --- Commands and keys (ShellWindowCommands.cpp) --------------------------
  void ModifyCase_Click();
  void CenterWithSpaces_Click();
  void ToggleComments_Click();
  void FindMatchingBracket_Cmd();
  void ExecuteFile_Click();
  void NewInstance_Cmd();
  void Code_Edit_KeyDown(std::uint16_t key, TShiftState shift);
  void Code_Edit_DropFiles(const std::vector<std::string>& files);
  void ApplyStyleFor(const std::string& fileName);

  // --- The configuration dialog (ShellConfig.cpp) ---------------------------
  // What the dialog shows, read from the shell, the editor and the highlighter.
  TConfigSettings ConfigSettings() const;
  // Apply and OK: every value goes back, the keyword list is loaded or
  // emptied, and the caption is rebuilt.
  void ApplyConfigSettings(const TConfigSettings& settings, const TApplyEffects& effects);
  // The font and the attribute colours and styles, which change at once.
  void ApplyConfigAppearance(const TConfigSettings& settings);

 private:
  class EditorStyleTarget;
  void ConfigureEditor();
  TStyleContext StyleContext();
  bool LoadIntoEditor(const std::string& path, std::optional<TTextEncoding> encoding);
  bool ConfirmReload();
  bool ConfirmLossyConversion(std::size_t lost);
  void DetachHighlighter();
  void ShowDocumentFormat();
  int CaretColumnCount() const;
  void LoadUtf16(const std::string& path, std::uintmax_t size, bool bigEndian);
  void AddToRecentList(const std::string& path);
  // The questions asked before writing over the document's own file.
  bool ConfirmOverwrite(const std::string& path);
  bool ConfirmOverwriteOfChangedFile(const std::string& path);
  bool ConfirmRewriteOfUneditedBytes(const std::string& path);
  // "Failed to write the file to disk." with the path and the system's reason.
  void ReportFailedWrite(const std::string& path, const TFileReplaceResult& result);

  TCustomScribEdit& editor_;
  TScribOrvane& highlighter_;
  TShellServices services_;
  TProgramFolders folders_;
  std::unique_ptr<EditorStyleTarget> styleTarget_;
  TAppSettings settings_;
  TSearchState searchState_;
  TStyleTexts styleTexts_;
  TRandomGenerator random_;
  // Numbers in hexadecimal carry "$" until the window's creation.
  std::string hexPrefix_ = "$";
  std::string fileName_;
  TFileReplaceOptions fileWriting_;
  TDiskWatch diskWatch_;
  // Why saving would change bytes of the loaded file the user did not edit;
  // empty when the text goes back byte for byte or the user agreed.
  std::string uneditedChange_;
};
