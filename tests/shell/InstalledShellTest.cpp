#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "desktop/ProgramFolders.h"

namespace {

namespace fs = std::filesystem;

// The shell of an installed program whose user folders lie in a temp folder.
struct InstalledShell {
  explicit InstalledShell(const fs::path& root)
      : folders(ProgramFoldersFor(
            root / "usr" / "bin" / "scribant",
            XdgFoldersFrom([&](const std::string& name) -> std::optional<std::string> {
              if (name != "HOME") return std::nullopt;
              return (root / "home").string();
            }),
            CanCreateFilesIn)),
        shell(editor, highlighter, {dialogs, clipboard, desktop, screen}, folders) {
    shell.FormCreate(1920, 1080);
    shell.FormShow("");
  }
  TProgramFolders folders;
  TCustomScribEdit editor;
  TScribOrvane highlighter;
  FakeDialogs dialogs;
  MemoryClipboard clipboard;
  RecordingShell desktop;
  FixedScreen screen;
  TScribantShell shell;
};

TEST(InstalledShell, KeepsSettingsInTheUsersFolderOrSaysOnceItCannot) {
  TempFolder root;
  WriteBytes(root.Path() / "usr" / "share" / "scribant" / "Styles" / "default.ini",
             "[Editor]\nTabWidth=5\n");
  {
    InstalledShell program(root.Path());
    EXPECT_TRUE(program.dialogs.messages.empty());
    EXPECT_EQ(program.editor.TabWidth(), 5) << "the installed styles are found";
    program.shell.Settings().recentList = {"/a.txt"};
    program.shell.SaveSettings();
  }
  const fs::path settings = root.Path() / "home" / ".config" / "scribant" / "scribant.ini";
  EXPECT_NE(ReadBytes(settings).find("/a.txt"), std::string::npos);

  fs::remove_all(root.Path() / "home" / ".config");
  WriteBytes(root.Path() / "home" / ".config", "a file where the folder belongs");
  InstalledShell program(root.Path());
  ASSERT_EQ(program.dialogs.messages.size(), 1u);
  EXPECT_EQ(program.dialogs.messages[0].caption, "Scribant");
  EXPECT_EQ(program.dialogs.messages[0].icon, TMsgIcon::Warning);
  EXPECT_NE(program.dialogs.messages[0].text.find("Settings cannot be kept"), std::string::npos);
  EXPECT_EQ(program.editor.TabWidth(), 5) << "the program works on";
  program.shell.SaveSettings();
  program.shell.SaveSettings();
  EXPECT_EQ(program.dialogs.messages.size(), 1u) << "said once";
}

}  // namespace
