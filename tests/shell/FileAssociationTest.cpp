#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "desktop/FileRegistry.h"
#include "desktop/OvReg.h"
#include "shell/FileAssociation.h"

namespace {

constexpr TRegistryRoot kClasses = TRegistryRoot::ClassesRoot;

// Records what the association asked of the desktop.
class RecordingDesktop : public TDesktopAssociation {
 public:
  std::vector<std::vector<std::string>> registered;
  int unregistered = 0;
  void Register(const std::string&, const std::vector<std::string>& extensions) override {
    registered.push_back(extensions);
  }
  void Unregister() override { ++unregistered; }
};

class FileAssociationTest : public ::testing::Test {
 protected:
  TempFolder folder;
  TFileRegistry registry{TFileRegistry::StoreFileIn(folder.Path())};
  RecordingDesktop desktop;
  FakeDialogs dialogs;
  TFileAssociation association{registry, &desktop, "/opt/scribant/scribant"};

  std::string CleanAndReport() {
    association.Clean(dialogs);
    EXPECT_EQ(dialogs.messages.back().caption, "Cleanup Status");
    EXPECT_EQ(dialogs.messages.back().icon, TMsgIcon::Information);
    EXPECT_EQ(dialogs.messages.back().buttons, TMsgButtons::Ok);
    return dialogs.messages.back().text;
  }
};

TEST(ExtensionList, RunsOfSeparatorsAndOuterBlanksGiveNoEmptyExtensions) {
  using List = std::vector<std::string>;
  EXPECT_EQ(ParseExtensionList("txt;; log,c"), (List{"txt", "log", "c"}));
  EXPECT_EQ(ParseExtensionList(" \t, txt ,;, nfo;\t"), (List{"txt", "nfo"}));
  EXPECT_EQ(ParseExtensionList("txt, nfo, log, lst"), (List{"txt", "nfo", "log", "lst"}));
  EXPECT_EQ(ParseExtensionList("a\tb"), (List{"a\tb"})) << "a tab inside separates nothing";
  EXPECT_TRUE(ParseExtensionList(" ;,; ").empty());
  EXPECT_TRUE(ParseExtensionList("").empty());
  std::string longExtension(300, 'x');
  EXPECT_EQ(ParseExtensionList(longExtension), (List{longExtension}));
}

TEST(OvReg, PathsAreTakenFromTheRootOrTheCurrentKey) {
  TempFolder folder;
  TFileRegistry registry(TFileRegistry::StoreFileIn(folder.Path()));
  TOvReg reg(registry, TRegAccess::FullAccess);
  reg.SetRootKey(kClasses);
  EXPECT_FALSE(reg.OpenKey("A", false));
  ASSERT_TRUE(reg.OpenKey("A", true));
  ASSERT_TRUE(reg.OpenKey("B", true));
  EXPECT_EQ(reg.CurrentPath(), "A\\B");
  ASSERT_TRUE(reg.OpenKey("\\C", true));
  EXPECT_EQ(reg.CurrentPath(), "C");
  EXPECT_FALSE(reg.OpenKey("Missing", false));
  EXPECT_EQ(reg.CurrentPath(), "C") << "a failed open keeps the current key";
  EXPECT_TRUE(reg.OpenKey(kClasses, "\\", false));
  EXPECT_EQ(reg.CurrentPath(), "");
  EXPECT_EQ(reg.GetKeyNames(), (std::vector<std::string>{"A", "C"}));

  ASSERT_TRUE(reg.OpenKey("A", false));
  reg.WriteString("", std::string("before\0after", 12));
  EXPECT_EQ(reg.ReadString("", "default"), "before");
  EXPECT_EQ(reg.ReadString("missing", "default"), "default");
  ASSERT_TRUE(reg.DeleteKey("\\A"));
  EXPECT_EQ(reg.CurrentPath(), "") << "the current key went with the tree";
}

TEST(OvReg, AccessLimitsWhatAHandleMayDo) {
  TempFolder folder;
  TFileRegistry registry(TFileRegistry::StoreFileIn(folder.Path()));
  registry.CreateKey(kClasses, "K");
  registry.WriteString(kClasses, "K", "", "value");
  TOvReg query(registry, TRegAccess::Query);
  query.SetRootKey(kClasses);
  EXPECT_FALSE(query.OpenKey("New", true));
  ASSERT_TRUE(query.OpenKey("K", false));
  EXPECT_EQ(query.ReadString("", ""), "value");
  EXPECT_FALSE(query.WriteString("", "other"));
  EXPECT_FALSE(query.DeleteKey("\\K"));
  TOvReg write(registry, TRegAccess::Write);
  write.SetRootKey(kClasses);
  ASSERT_TRUE(write.OpenKey("K", false));
  EXPECT_EQ(write.ReadString("", "none"), "none");
  EXPECT_TRUE(write.WriteString("", "other"));
  EXPECT_EQ(registry.ReadString(kClasses, "K", ""), "other");
}

TEST_F(FileAssociationTest, AssociateWritesTheProgIdAndEveryExtension) {
  association.Associate("  txt;; log,c  ");
  EXPECT_EQ(registry.ReadString(kClasses, "ScribantFile\\Shell\\Open\\Command", ""),
            "\"/opt/scribant/scribant\" \"%1\"");
  EXPECT_EQ(registry.ReadString(kClasses, "ScribantFile\\DefaultIcon", ""),
            "%SystemRoot%\\system32\\shell32.dll,-152");
  EXPECT_EQ(registry.ValueType(kClasses, "ScribantFile\\DefaultIcon", ""),
            TRegValueType::ExpandString);
  for (const char* key : {".txt", ".log", ".c"})
    EXPECT_EQ(registry.ReadString(kClasses, key, ""), "ScribantFile") << key;
  EXPECT_EQ(registry.SubKeys(kClasses, "").size(), 4u);
  ASSERT_EQ(desktop.registered.size(), 1u);
  EXPECT_EQ(desktop.registered[0], (std::vector<std::string>{"txt", "log", "c"}));
  EXPECT_TRUE(dialogs.messages.empty()) << "associating shows nothing";
}

TEST_F(FileAssociationTest, AssociateReplacesAnExtensionKeyWithAllItsSubkeys) {
  registry.CreateKey(kClasses, ".txt\\ShellNew");
  registry.WriteString(kClasses, ".txt", "", "txtfile");
  registry.WriteString(kClasses, ".txt", "Content Type", "text/plain");
  association.Associate("txt, a\\b");
  EXPECT_EQ(registry.ReadString(kClasses, ".txt", ""), "ScribantFile");
  EXPECT_FALSE(registry.ReadString(kClasses, ".txt", "Content Type"));
  EXPECT_TRUE(registry.SubKeys(kClasses, ".txt").empty());
  EXPECT_FALSE(registry.KeyExists(kClasses, ".a")) << "no nested keys from a backslash";
}

TEST_F(FileAssociationTest, CleanWithNothingToCleanSaysSo) {
  registry.CreateKey(kClasses, ".doc");
  registry.WriteString(kClasses, ".doc", "", "Word.Document");
  EXPECT_EQ(CleanAndReport(), "Found nothing to clean up.");
  EXPECT_TRUE(registry.KeyExists(kClasses, ".doc"));
  EXPECT_EQ(desktop.unregistered, 1);
}

TEST_F(FileAssociationTest, CleanReportsEachDeletedKeyAndLeavesOthers) {
  registry.CreateKey(kClasses, ".doc");
  registry.WriteString(kClasses, ".doc", "", "Word.Document");
  registry.CreateKey(kClasses, "NoDot");
  registry.WriteString(kClasses, "NoDot", "", "ScribantFile");
  association.Associate("txt nfo");
  registry.CreateKey(kClasses, ".nfo\\Extra");
  EXPECT_EQ(CleanAndReport(), "Deleted the following keys:\r\n\r\nnfo\r\ntxt\r\nScribantFile\r\n");
  EXPECT_EQ(registry.SubKeys(kClasses, ""), (std::vector<std::string>{".doc", "NoDot"}));
}

TEST_F(FileAssociationTest, KeysThatCouldNotBeDeletedAreNotReported) {
  association.Associate("txt");
  std::filesystem::path store = registry.StoreFile();
  std::filesystem::permissions(store, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_EQ(CleanAndReport(), "Found nothing to clean up.");
  std::filesystem::permissions(store, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  EXPECT_EQ(CleanAndReport(), "Deleted the following keys:\r\n\r\ntxt\r\nScribantFile\r\n");
}

TEST_F(FileAssociationTest, AssociateThenCleanLeavesTheStoreAsBefore) {
  registry.CreateKey(TRegistryRoot::CurrentUser, "Control Panel\\Appearance");
  registry.WriteBinary(TRegistryRoot::CurrentUser, "Control Panel\\Appearance", "CustomColors",
                       std::vector<std::uint8_t>(64, 0xff));
  registry.CreateKey(kClasses, ".doc");
  registry.WriteString(kClasses, ".doc", "", "Word.Document");
  std::string before = ReadBytes(registry.StoreFile());
  association.Associate(kDefaultExtensionList);
  association.Associate("c;h");
  CleanAndReport();
  EXPECT_EQ(ReadBytes(registry.StoreFile()), before);
}

}  // namespace
