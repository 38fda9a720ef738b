#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "desktop/ProgramFolders.h"

namespace {

namespace fs = std::filesystem;

// An installed program below `root`, its user's home in root/home.
ShellFixture::FoldersFor InstalledIn(const fs::path& root) {
  return [root](const fs::path&) {
    auto environment = [root](const std::string& name) -> std::optional<std::string> {
      if (name != "HOME") return std::nullopt;
      return (root / "home").string();
    };
    return ProgramFoldersFor(root / "usr" / "bin" / "scribant", XdgFoldersFrom(environment),
                             CanCreateFilesIn);
  };
}

TEST(InstalledShell, KeepsSettingsInTheUsersFolderOrSaysOnceItCannot) {
  TempFolder root;
  WriteBytes(root.Path() / "usr" / "share" / "scribant" / "Styles" / "default.ini",
             "[Editor]\nTabWidth=5\n");
  {
    ShellFixture program(InstalledIn(root.Path()));
    program.shell.FormShow("");
    EXPECT_TRUE(program.dialogs.messages.empty());
    EXPECT_EQ(program.editor.TabWidth(), 5) << "the installed styles are found";
    program.shell.Settings().recentList = {"/a.txt"};
    program.shell.SaveSettings();
  }
  const fs::path settings = root.Path() / "home" / ".config" / "scribant" / "scribant.ini";
  EXPECT_NE(ReadBytes(settings).find("/a.txt"), std::string::npos);

  fs::remove_all(root.Path() / "home" / ".config");
  WriteBytes(root.Path() / "home" / ".config", "a file where the folder belongs");
  ShellFixture program(InstalledIn(root.Path()));
  program.shell.FormShow("");
  ASSERT_EQ(program.dialogs.messages.size(), 1u);
  EXPECT_EQ(program.dialogs.messages[0].caption, "Scribant");
  EXPECT_EQ(program.dialogs.messages[0].icon, TMsgIcon::Warning);
  EXPECT_NE(program.dialogs.messages[0].text.find("Settings cannot be kept"), std::string::npos);
  EXPECT_EQ(program.editor.TabWidth(), 5) << "the program works on";
  program.shell.SaveSettings();
  program.shell.SaveSettings();
  EXPECT_EQ(program.dialogs.messages.size(), 1u) << "said once";
  EXPECT_EQ(ReadBytes(root.Path() / "home" / ".config"), "a file where the folder belongs");
}

}  // namespace
