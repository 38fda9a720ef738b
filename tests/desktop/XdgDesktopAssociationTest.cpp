#include <gtest/gtest.h>

#include <map>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "desktop/FileRegistry.h"
#include "desktop/MimeAppsList.h"
#include "desktop/XdgDesktopAssociation.h"
#include "shell/FileAssociation.h"

namespace {

namespace fs = std::filesystem;

// A runner that finds xdg-mime only when told to, and then edits
// mimeapps.list the way xdg-mime does (no trailing ';').
class ScriptedRunner : public TCommandRunner {
 public:
  bool hasXdgMime = false;
  int exitCode = 0;
  fs::path mimeApps;
  std::vector<std::vector<std::string>> runs;

  std::optional<fs::path> Find(const std::string& program) const override {
    if (hasXdgMime && program == "xdg-mime") return fs::path("/usr/bin/xdg-mime");
    return std::nullopt;
  }
  int Run(const fs::path&, const std::vector<std::string>& arguments) override {
    runs.push_back(arguments);
    if (exitCode != 0) return exitCode;
    TMimeAppsList list(ReadBytes(mimeApps));
    for (std::size_t i = 2; i < arguments.size(); ++i)
      list.Set(kDefaultApplicationsSection, arguments[i], arguments[1]);
    WriteBytes(mimeApps, list.Text());
    return 0;
  }
};

const char kGlobs[] =
    "# globs2 file\n"
    "50:text/plain:*.txt\n"
    "50:text/x-log:*.log\n"
    "50:text/x-nfo:*.nfo\n"
    "10:text/x-csrc:*.c\n"
    "50:text/x-c++src:*.C:cs\n"
    "50:text/x-c++src:*.C\n"  // the database's copy for readers without flags
    "55:text/x-csrc:*.h\n"
    "20:text/x-chdr:*.h\n"
    "50:application/x-troff:*.[1-9]\n"
    "garbage line\n";

const char kUserMimeApps[] =
    "[Added Associations]\n"
    "image/png=viewer.desktop;\n"
    "\n"
    "[Default Applications]\n"
    "# the user's own choices\n"
    "text/plain=gedit.desktop;kate.desktop;\n"
    "image/png=viewer.desktop\n";

class XdgDesktopAssociationTest : public ::testing::Test {
 protected:
  TempFolder root;
  TXdgFolders folders{
      root.Path() / "home/.config", root.Path() / "home/.local/share", {root.Path() / "usr/share"}};
  ScriptedRunner runner;
  TXdgDesktopAssociation desktop{folders, runner};
  TFileRegistry registry{TFileRegistry::StoreFileIn(ScribantConfigFolder(folders))};
  TFileAssociation association{registry, &desktop, "/opt/scribant/scribant"};
  FakeDialogs dialogs;

  void SetUp() override {
    runner.mimeApps = desktop.MimeAppsFile();
    WriteBytes(root.Path() / "usr/share/mime/globs2", kGlobs);
    WriteBytes(UserApplicationsFolder(folders) / "other.desktop", "[Desktop Entry]\n");
    fs::create_directories(ScribantConfigFolder(folders));
  }
  std::string MimeApps() const { return ReadBytes(desktop.MimeAppsFile()); }
  std::optional<std::string> DefaultFor(const std::string& type) const {
    return TMimeAppsList(MimeApps()).Get(kDefaultApplicationsSection, type);
  }
};

TEST_F(XdgDesktopAssociationTest, AssociateThenCleanLeavesTheUserFoldersAsBefore) {
  WriteBytes(desktop.MimeAppsFile(), kUserMimeApps);
  auto before = root.Snapshot();
  association.Associate("txt, log;nfo lst");
  EXPECT_EQ(DefaultFor("text/plain"), "scribant-file.desktop;");
  EXPECT_EQ(DefaultFor("text/x-log"), "scribant-file.desktop;");
  EXPECT_EQ(DefaultFor("image/png"), "viewer.desktop") << "other entries stay";
  std::string entry = ReadBytes(desktop.DesktopFile());
  EXPECT_NE(entry.find("\nMimeType=text/plain;text/x-log;text/x-nfo;\n"), std::string::npos);
  EXPECT_NE(entry.find("\nExec=\"/opt/scribant/scribant\" %f\n"), std::string::npos);
  EXPECT_TRUE(runner.runs.empty()) << "without xdg-mime the list is written directly";

  association.Clean(dialogs);
  EXPECT_EQ(root.Snapshot(), before);
}

TEST_F(XdgDesktopAssociationTest, AMimeAppsListThatDidNotExistIsGoneAfterClean) {
  auto before = root.Snapshot();
  association.Associate("txt");
  association.Associate("c, log");  // a second run adds to the first
  EXPECT_EQ(DefaultFor("text/plain"), "scribant-file.desktop;");
  EXPECT_EQ(DefaultFor("text/x-csrc"), "scribant-file.desktop;");
  std::string entry = ReadBytes(desktop.DesktopFile());
  EXPECT_NE(entry.find("MimeType=text/plain;text/x-csrc;text/x-log;\n"), std::string::npos);
  association.Clean(dialogs);
  EXPECT_EQ(root.Snapshot(), before);
}

TEST_F(XdgDesktopAssociationTest, XdgMimeSetsTheDefaultsWhenInstalled) {
  WriteBytes(desktop.MimeAppsFile(), kUserMimeApps);
  runner.hasXdgMime = true;
  auto before = root.Snapshot();
  association.Associate("txt log");
  ASSERT_EQ(runner.runs.size(), 1u);
  EXPECT_EQ(runner.runs[0], (std::vector<std::string>{"default", "scribant-file.desktop",
                                                      "text/plain", "text/x-log"}));
  EXPECT_EQ(DefaultFor("text/plain"), "scribant-file.desktop");
  association.Clean(dialogs);
  EXPECT_EQ(root.Snapshot(), before);
}

TEST_F(XdgDesktopAssociationTest, AFailingXdgMimeFallsBackToWritingTheList) {
  runner.hasXdgMime = true;
  runner.exitCode = 3;
  association.Associate("txt");
  EXPECT_EQ(runner.runs.size(), 1u);
  EXPECT_EQ(DefaultFor("text/plain"), "scribant-file.desktop;");
}

TEST_F(XdgDesktopAssociationTest, CleanKeepsWhatTheUserChangedAfterwards) {
  WriteBytes(desktop.MimeAppsFile(), kUserMimeApps);
  association.Associate("txt log nfo");
  TMimeAppsList list(MimeApps());
  list.Set(kDefaultApplicationsSection, "text/x-log", "other.desktop;");
  list.Set(kDefaultApplicationsSection, "video/mp4", "player.desktop;");
  WriteBytes(desktop.MimeAppsFile(), list.Text());

  association.Clean(dialogs);
  EXPECT_EQ(DefaultFor("text/plain"), "gedit.desktop;kate.desktop;") << "given back";
  EXPECT_EQ(DefaultFor("text/x-log"), "other.desktop;") << "the user's later choice";
  EXPECT_EQ(DefaultFor("text/x-nfo"), std::nullopt) << "ours, with nothing before it";
  EXPECT_EQ(DefaultFor("video/mp4"), "player.desktop;");
  EXPECT_EQ(DefaultFor("image/png"), "viewer.desktop");
  EXPECT_FALSE(fs::exists(desktop.DesktopFile()));
}

TEST_F(XdgDesktopAssociationTest, ExtensionsWithoutAKnownTypeRegisterNothing) {
  auto before = root.Snapshot();
  association.Associate("lst, *, a/b, [1-9], 1, C");  // "*.C" is case-sensitive C++
  EXPECT_TRUE(fs::exists(desktop.DesktopFile()));
  EXPECT_EQ(DefaultFor("text/x-c++src"), "scribant-file.desktop;");
  association.Clean(dialogs);
  association.Associate("lst, *, a/b, [1-9], 1");
  association.Clean(dialogs);
  EXPECT_EQ(root.Snapshot(), before);
}

TEST_F(XdgDesktopAssociationTest, AMimeAppsListThatCannotBeReadIsLeftAlone) {
  // Too big to take in: rewriting it from what we could read would lose it.
  std::string huge = std::string(kUserMimeApps) + std::string(5 * 1024 * 1024, '#') + "\n";
  WriteBytes(desktop.MimeAppsFile(), huge);
  auto before = root.Snapshot();
  association.Associate("txt");
  association.Clean(dialogs);
  EXPECT_EQ(root.Snapshot(), before);
}

TEST_F(XdgDesktopAssociationTest, HeavierAndCaseInsensitiveGlobsDecide) {
  association.Associate("H, TXT");
  EXPECT_EQ(DefaultFor("text/x-csrc"), "scribant-file.desktop;");
  EXPECT_EQ(DefaultFor("text/x-chdr"), std::nullopt);
  EXPECT_EQ(DefaultFor("text/plain"), "scribant-file.desktop;");
}

TEST_F(XdgDesktopAssociationTest, ACaseSensitiveGlobMatchesOnlyItsOwnCase) {
  association.Associate("c");
  EXPECT_EQ(DefaultFor("text/x-csrc"), "scribant-file.desktop;");
  EXPECT_EQ(DefaultFor("text/x-c++src"), std::nullopt) << "*.C is C++, *.c is C";
}

TEST(DesktopEntry, ExecQuotesTheExecutablePathSafely) {
  std::string entry = DesktopEntryText("/opt/My \"App\" $HOME `x` 100%\\bin", {"text/plain"});
  EXPECT_NE(entry.find("\nExec=\"/opt/My \\\\\"App\\\\\" \\\\$HOME \\\\`x\\\\` 100%%\\\\\\\\bin\" "
                       "%f\n"),
            std::string::npos)
      << entry;
}

TEST(XdgFolders, RelativeOrMissingVariablesFallBackToHome) {
  std::map<std::string, std::string> environment = {
      {"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "relative/conf"}, {"XDG_DATA_DIRS", "/a:rel::/b"}};
  TXdgFolders folders = XdgFoldersFrom([&](const std::string& name) -> std::optional<std::string> {
    auto it = environment.find(name);
    if (it == environment.end()) return std::nullopt;
    return it->second;
  });
  EXPECT_EQ(folders.configHome, fs::path("/home/u/.config"));
  EXPECT_EQ(folders.dataHome, fs::path("/home/u/.local/share"));
  EXPECT_EQ(folders.dataDirs, (std::vector<fs::path>{"/a", "/b"}));
  EXPECT_EQ(ScribantConfigFolder(folders), fs::path("/home/u/.config/scribant"));
  EXPECT_EQ(UserApplicationsFolder(folders), fs::path("/home/u/.local/share/applications"));

  environment = {{"HOME", "/h"}, {"XDG_CONFIG_HOME", "/c"}, {"XDG_DATA_HOME", "/d"}};
  folders = XdgFoldersFrom([&](const std::string& name) -> std::optional<std::string> {
    auto it = environment.find(name);
    if (it == environment.end()) return std::nullopt;
    return it->second;
  });
  EXPECT_EQ(folders.configHome, fs::path("/c"));
  EXPECT_EQ(folders.dataHome, fs::path("/d"));
  EXPECT_EQ(folders.dataDirs, (std::vector<fs::path>{"/usr/local/share", "/usr/share"}));
}

}  // namespace
