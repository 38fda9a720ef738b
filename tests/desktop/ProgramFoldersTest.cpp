#include <gtest/gtest.h>

#include <map>

#include "ChildProcess.h"
#include "TempFolder.h"
#include "desktop/ProgramFolders.h"

namespace {

namespace fs = std::filesystem;

TXdgFolders XdgOf(const std::map<std::string, std::string>& environment) {
  return XdgFoldersFrom([&](const std::string& name) -> std::optional<std::string> {
    auto found = environment.find(name);
    if (found == environment.end()) return std::nullopt;
    return found->second;
  });
}

TEST(ProgramFolders, SettingsFileIsNamedAfterTheExecutable) {
  EXPECT_EQ(SettingsFileFor("C:\\Tools\\Editor.exe", WindowsPathRule), "C:\\Tools\\Editor.ini");
  EXPECT_EQ(SettingsFileFor("C:\\v1.2\\Editor", WindowsPathRule), "C:\\v1.2\\Editor.ini");
  EXPECT_EQ(SettingsFileFor("/opt/scribant/scribant", PosixPathRule), "/opt/scribant/scribant.ini");
}

TEST(ProgramFolders, PortableOnlyBesideStylesInAWritableFolder) {
  TempFolder root;
  const fs::path bin = root.Path() / "opt" / "bin";
  WriteBytes(bin / "scribant", "");
  fs::create_directories(bin / "Styles");
  const TXdgFolders xdg = XdgOf({{"HOME", "/home/u"}, {"XDG_DATA_HOME", "/d"}});
  std::vector<fs::path> asked;
  bool writable = true;
  auto probe = [&](const fs::path& folder) {
    asked.push_back(folder);
    return writable;
  };

  TProgramFolders folders = ProgramFoldersFor(bin / "scribant", xdg, probe);
  EXPECT_TRUE(folders.portable);
  EXPECT_EQ(asked, std::vector<fs::path>{bin});
  EXPECT_EQ(folders.settingsFile, bin / "scribant.ini");
  EXPECT_EQ(folders.historyFile, bin / "config.ini");
  EXPECT_EQ(folders.dataFolders, std::vector<fs::path>{bin});
  EXPECT_EQ(folders.documentsFolder, bin);

  // A read-only unpacked archive runs installed, like a program without Styles beside it.
  writable = false;
  for (int variant = 0; variant < 2; ++variant) {
    folders = ProgramFoldersFor(bin / "scribant", xdg, probe);
    EXPECT_FALSE(folders.portable);
    EXPECT_EQ(folders.configFolder, fs::path("/home/u/.config/scribant"));
    EXPECT_EQ(folders.settingsFile, fs::path("/home/u/.config/scribant/scribant.ini"));
    EXPECT_EQ(folders.historyFile, fs::path("/home/u/.config/scribant/config.ini"));
    EXPECT_EQ(folders.dataFolders,
              (std::vector<fs::path>{"/d/scribant", root.Path() / "opt" / "share" / "scribant"}));
    EXPECT_EQ(folders.documentsFolder, root.Path() / "opt" / "share" / "scribant");
    fs::remove(bin / "Styles");
    WriteBytes(bin / "Styles", "a file, not the folder");
    writable = true;
  }
}

TEST(ProgramFolders, UnsetEmptyOrRelativeVariablesGiveTheDefaults) {
  const fs::path executable = "/usr/bin/scribant";
  auto never = [](const fs::path&) { return false; };
  const std::vector<std::optional<std::string>> values{"", "relative/folder", "./x", {}};
  for (const std::optional<std::string>& value : values) {
    std::map<std::string, std::string> environment{{"HOME", "/home/u"}};
    if (value) environment["XDG_CONFIG_HOME"] = environment["XDG_DATA_HOME"] = *value;
    const TProgramFolders folders = ProgramFoldersFor(executable, XdgOf(environment), never);
    EXPECT_EQ(folders.configFolder, fs::path("/home/u/.config/scribant"))
        << value.value_or("unset");
    EXPECT_EQ(folders.dataFolders,
              (std::vector<fs::path>{"/home/u/.local/share/scribant", "/usr/share/scribant"}));
  }
  const TProgramFolders set = ProgramFoldersFor(
      executable, XdgOf({{"XDG_CONFIG_HOME", "/c"}, {"XDG_DATA_HOME", "/d"}}), never);
  EXPECT_EQ(set.settingsFile, fs::path("/c/scribant/scribant.ini"));
  EXPECT_EQ(set.dataFolders.front(), fs::path("/d/scribant"));
}

TEST(ProgramFolders, ProbingCreatesNothingAndAFileInThePlaceOfAFolderFails) {
  TempFolder home;
  EXPECT_TRUE(CanCreateFilesIn(home.Path()));
  EXPECT_TRUE(CanCreateFilesIn(home.Path() / ".config" / "scribant"));
  EXPECT_EQ(home.CountEntries(), 0) << "no probe file or folder is left behind";

  EXPECT_TRUE(CreateFolderFor(home.Path() / ".config" / "scribant" / "scribant.ini"));
  EXPECT_TRUE(fs::is_directory(home.Path() / ".config" / "scribant"));

  WriteBytes(home.Path() / "blocked", "");
  EXPECT_FALSE(CanCreateFilesIn(home.Path() / "blocked" / "scribant"));
  EXPECT_FALSE(CreateFolderFor(home.Path() / "blocked" / "scribant" / "config.ini"));
  EXPECT_FALSE(CanCreateFilesIn(home.Path() / "blocked"));

  const fs::path locked = home.Path() / "locked";
  fs::create_directories(locked);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(RunAsOrdinaryUser({home.Path(), locked},
                              [&]() -> std::string {
                                return CanCreateFilesIn(locked / "scribant")
                                           ? "created in a read-only folder"
                                           : "";
                              }),
            "");
  fs::permissions(locked, fs::perms::owner_all);
}

}  // namespace
