// A headless main window: the real editor, highlighter and shell over a
// scripted Dialogs, an in-memory clipboard and a recording desktop shell.
#pragma once

#include <unistd.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "FakeDialogs.h"
#include "MemoryClipboard.h"
#include "RecordingShell.h"
#include "TempFolder.h"
#include "editor/CustomScribEdit.h"
#include "highlight/ScribHighlighterOrvane.h"
#include "platform/Screen.h"
#include "shell/ScribantShell.h"

class FixedScreen : public Screen {
 public:
  int PixelsPerInch() const override { return 96; }
};

struct ShellFixture {
  TempFolder folder;
  TempFolder stateFolder;
  // Writes of documents go through here; tests swap in a failing disk.
  TWriteBytes disk = [](int fd, const char* data, std::size_t size) {
    return static_cast<long>(::write(fd, data, size));
  };
  TCustomScribEdit editor;
  TScribOrvane highlighter;
  FakeDialogs dialogs;
  MemoryClipboard clipboard;
  RecordingShell desktop;
  FixedScreen screen;
  TScribantShell shell;
  std::string caption;
  std::map<int, std::string> panels;

  using FoldersFor = std::function<TProgramFolders(const std::filesystem::path& tempFolder)>;
  static TProgramFolders Portable(const std::filesystem::path& tempFolder) {
    return PortableFolders(tempFolder, "scribant.ini");
  }

  // By default a portable program in the temp folder.
  explicit ShellFixture(const FoldersFor& foldersFor = Portable)
      : shell(editor, highlighter, {dialogs, clipboard, desktop, screen}, foldersFor(folder.Path()),
              {stateFolder.Path(), true, [this](int fd, const char* data, std::size_t size) {
                 return disk(fd, data, size);
               }}) {
    shell.OnCaption = [this](const std::string& text) { caption = text; };
    shell.OnStatusPanel = [this](int panel, const std::string& text) { panels[panel] = text; };
    shell.FormCreate(1920, 1080);
  }
  std::string File(const std::string& name, const std::string& bytes) {
    WriteBytes(folder.Path() / name, bytes);
    return folder.File(name);
  }
  void Type(const std::string& text) {
    for (char c : text) editor.CommandProcessor(ecChar, c, nullptr);
  }
};
