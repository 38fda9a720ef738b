#include <gtest/gtest.h>

#include <algorithm>

#include "HighlightTestSupport.h"

namespace {

namespace fs = std::filesystem;

// A user's folder over an installed one, as an installed program sees them.
class StyleFoldersTest : public ::testing::Test {
 protected:
  std::string User(const std::string& relative, const std::string& content) {
    return user.Write(relative, content);
  }
  std::string Installed(const std::string& relative, const std::string& content) {
    return installed.Write(relative, content);
  }
  std::string Find(const std::string& fileName) { return FindStyleFile(context, fileName); }

  TempFolder user, installed;
  TScribOrvane highlighter;
  RecordingEditor editor;
  FixedScreen screen{96};
  TStyleTexts texts;
  TStyleContext context{
      TStyleFolders({user.Path() + "missing-root", user.Path(), installed.Path()}), highlighter,
      editor, screen, texts};
};

TEST_F(StyleFoldersTest, UsersFilesWinByNameAndBrokenOnesHideNothing) {
  const std::string installedDefault =
      Installed("Styles/default.ini", "[Editor]\nTabWidth=3\n[Format]\nKeyWordListFile=cpp\n");
  Installed("Styles/cpp.ini", "[Extensions]\n0=cpp\n[Editor]\nTabWidth=2\n");
  const std::string installedText = Installed("Styles/text.ini", "[Extensions]\n0=txt\n");
  const std::string userCpp = User("Styles/cpp.ini", "[Extensions]\n0=cpp\n1=hpp\n");
  const std::string userOwn = User("Styles/mine.ini", "[Extensions]\n0=zz\n");
  // Broken entries of the user's: a folder and a dangling link under style names.
  fs::create_directories(user.Path() + "Styles/text.ini");
  fs::create_symlink(user.Path() + "nowhere.ini", user.Path() + "Styles/default.ini");
  Installed("KeyWords/cpp.kwf", "installed\n");
  Installed("KeyWords/pas.kwf", "begin\n");
  User("KeyWords/cpp.kwf", "mine\n");
  fs::create_directories(user.Path() + "KeyWords/pas.kwf");

  const TStyleFolders& folders = context.folders;
  std::vector<std::string> styles = folders.StyleFiles();
  ASSERT_EQ(styles.size(), 4u);
  std::sort(styles.begin(), styles.begin() + 2);
  std::sort(styles.begin() + 2, styles.end());
  EXPECT_EQ(styles, (std::vector<std::string>{userCpp, userOwn, installedDefault, installedText}));

  EXPECT_EQ(Find("a.cpp"), userCpp);
  EXPECT_EQ(editor.tabWidth, 3) << "the installed default.ini is applied first";
  EXPECT_EQ(highlighter.KeyWords().Entries(), (std::vector<std::string>{"mine"}));
  EXPECT_EQ(Find("a.txt"), installedText);
  EXPECT_EQ(Find("a.zz"), userOwn);
  EXPECT_EQ(folders.KeyWordList("pas"), installed.Path() + "KeyWords/pas.kwf");
  EXPECT_EQ(folders.KeyWordList("none"), "");
  std::vector<std::string> names = folders.KeyWordListNames();
  EXPECT_EQ(names, (std::vector<std::string>{"cpp", "pas"}));
}

TEST_F(StyleFoldersTest, WithoutAnyStyleTheLastRootNamesTheDefault) {
  EXPECT_EQ(Find("a.cpp"), installed.Path() + "Styles/default.ini");
  EXPECT_TRUE(context.folders.StyleFiles().empty());
  EXPECT_TRUE(TStyleFolders({}).KeyWordListNames().empty());
}

TEST(StyleFolders, KeyWordListsAreTheKwfFilesOfAFolder) {
  TempFolder folder;
  for (const char* name : {"C.kwf", "Pascal.KWF", "notes.txt", "kwf", "Sub.kwf/x.kwf"})
    folder.Write(std::string("KeyWords/") + name, "begin\n");
  std::vector<std::string> names = TStyleFolders({folder.Path()}).KeyWordListNames();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"C", "Pascal"}));
}

}  // namespace
