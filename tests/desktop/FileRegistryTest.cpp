#include <gtest/gtest.h>

#include "TempFolder.h"
#include "desktop/FileRegistry.h"

namespace {

constexpr TRegistryRoot kClasses = TRegistryRoot::ClassesRoot;
constexpr TRegistryRoot kUser = TRegistryRoot::CurrentUser;

class FileRegistryTest : public ::testing::Test {
 protected:
  TempFolder folder;
  std::filesystem::path storeFile = TFileRegistry::StoreFileIn(folder.Path() / "scribant");
  TFileRegistry registry{storeFile};
};

TEST_F(FileRegistryTest, KeysAndValuesSurviveANewInstanceWithAnyCase) {
  ASSERT_TRUE(registry.CreateKey(kClasses, "ScribantFile\\Shell\\Open\\Command"));
  ASSERT_TRUE(registry.WriteString(kClasses, "ScribantFile\\Shell\\Open\\Command", "",
                                   "\"/opt/s \\\"x\\\"\" \"%1\""));
  ASSERT_TRUE(registry.CreateKey(kUser, "Control Panel\\Appearance"));
  std::vector<std::uint8_t> bytes = {0, 1, 0x7f, 0x80, 0xff, '\n', '"'};
  ASSERT_TRUE(registry.WriteBinary(kUser, "Control Panel\\Appearance", "CustomColors", bytes));

  TFileRegistry reopened(storeFile);
  EXPECT_TRUE(reopened.KeyExists(kClasses, "scribantfile\\SHELL\\open"));
  EXPECT_FALSE(reopened.KeyExists(kUser, "ScribantFile"));
  EXPECT_EQ(reopened.ReadString(kClasses, "SCRIBANTFILE\\shell\\Open\\command", ""),
            "\"/opt/s \\\"x\\\"\" \"%1\"");
  EXPECT_EQ(reopened.ReadBinary(kUser, "control panel\\appearance", "customcolors"), bytes);
  // Values keep their type: a binary value is no string and the reverse.
  EXPECT_FALSE(reopened.ReadString(kUser, "Control Panel\\Appearance", "CustomColors"));
  EXPECT_FALSE(reopened.ReadBinary(kClasses, "ScribantFile\\Shell\\Open\\Command", ""));
}

TEST_F(FileRegistryTest, StringsKeepEveryByteAndTheirType) {
  std::string awkward = std::string("a\0b", 3) + "\r\n\t\\\"[x]=%41 \xe9";
  ASSERT_TRUE(registry.CreateKey(kClasses, ".we[i]rd%20"));
  ASSERT_TRUE(registry.WriteString(kClasses, ".we[i]rd%20", "na\"me=", awkward));
  ASSERT_TRUE(registry.WriteExpandString(kClasses, ".we[i]rd%20", "", "%SystemRoot%\\x"));

  TFileRegistry reopened(storeFile);
  EXPECT_EQ(reopened.SubKeys(kClasses, ""), std::vector<std::string>{".we[i]rd%20"});
  EXPECT_EQ(reopened.ReadString(kClasses, ".WE[I]RD%20", "NA\"ME="), awkward);
  EXPECT_EQ(reopened.ReadString(kClasses, ".we[i]rd%20", ""), "%SystemRoot%\\x");
  EXPECT_EQ(reopened.ValueType(kClasses, ".we[i]rd%20", ""), TRegValueType::ExpandString);
  EXPECT_EQ(reopened.ValueType(kClasses, ".we[i]rd%20", "na\"me="), TRegValueType::String);
}

TEST_F(FileRegistryTest, WritesNeedAnExistingKeyAndRootsCannotBeDeleted) {
  EXPECT_FALSE(registry.WriteString(kClasses, "Missing", "", "x"));
  EXPECT_FALSE(registry.DeleteKeyTree(kClasses, "Missing"));
  EXPECT_FALSE(registry.DeleteKeyTree(kClasses, ""));
  EXPECT_FALSE(registry.DeleteKeyTree(kClasses, "\\"));
  EXPECT_FALSE(std::filesystem::exists(storeFile)) << "nothing changed, nothing written";
}

TEST_F(FileRegistryTest, DeleteTreeTakesEverythingBelowAndKeepsSiblings) {
  registry.CreateKey(kClasses, "A\\B\\C");
  registry.CreateKey(kClasses, "A\\B2");
  registry.CreateKey(kClasses, "AB");
  registry.WriteString(kClasses, "A\\B\\C", "v", "1");
  EXPECT_TRUE(registry.DeleteKeyTree(kClasses, "a\\b"));
  EXPECT_FALSE(registry.KeyExists(kClasses, "A\\B\\C"));
  EXPECT_EQ(registry.SubKeys(kClasses, "A"), std::vector<std::string>{"B2"});
  EXPECT_TRUE(registry.KeyExists(kClasses, "AB"));
}

TEST_F(FileRegistryTest, AccentedNamesFoldTheirCaseToo) {
  ASSERT_TRUE(registry.CreateKey(kClasses, "\xe9t\xe9"));  // "été" in the code page
  EXPECT_TRUE(registry.KeyExists(kClasses, "\xc9T\xc9"));
  registry.CreateKey(kClasses, "\xc9T\xc9");
  EXPECT_EQ(registry.SubKeys(kClasses, "").size(), 1u);
}

TEST_F(FileRegistryTest, SubKeysKeepTheirFirstSpellingInCaseInsensitiveOrder) {
  for (const char* name : {"b", "C", "a", "B", ".txt"}) registry.CreateKey(kClasses, name);
  EXPECT_EQ(registry.SubKeys(kClasses, ""), (std::vector<std::string>{".txt", "a", "b", "C"}));
}

TEST_F(FileRegistryTest, MalformedStoreGivesWhatCanBeReadAndHealsOnWrite) {
  WriteBytes(storeFile, std::string("garbage \0\xff line\n", 17) +
                            "@=sz:\"orphan value\"\n"
                            "[HKEY_NOWHERE\\X]\n@=sz:\"lost\"\n"
                            "[HKEY_CLASSES_ROOT\\.txt\r\n"
                            "[HKEY_CLASSES_ROOT\\\\.log\\]\r\n"
                            "@=sz:\"ScribantFile\"\r\n"
                            "\"broken=sz:\"x\"\n"
                            "\"n\"=binary:abc\n"
                            "\"m\"=sz:\"unterminated\n"
                            "\"k\"=sz:\"ok\\x4\"\n"
                            "\"t\"=unknown:\"x\"\n"
                            "\"good\"=binary:0aFF\n"
                            "[HKEY_CURRENT_USER]\n" +
                            std::string(100000, 'x') + "\n");
  EXPECT_EQ(registry.SubKeys(kClasses, ""), std::vector<std::string>{".log"});
  EXPECT_EQ(registry.ReadString(kClasses, ".log", ""), "ScribantFile");
  EXPECT_EQ(registry.ReadBinary(kClasses, ".log", "good"), (std::vector<std::uint8_t>{10, 255}));
  for (const char* name : {"broken", "n", "m", "k", "t"})
    EXPECT_FALSE(registry.ReadString(kClasses, ".log", name)) << name;

  ASSERT_TRUE(registry.CreateKey(kUser, "Fresh"));
  TFileRegistry reopened(storeFile);
  EXPECT_EQ(reopened.ReadString(kClasses, ".log", ""), "ScribantFile");
  EXPECT_TRUE(reopened.KeyExists(kUser, "Fresh"));
  EXPECT_EQ(ReadBytes(storeFile).find("garbage"), std::string::npos);
}

TEST_F(FileRegistryTest, AStoreThatCannotBeReadOrIsReadOnlyIsNeverOverwritten) {
  std::filesystem::create_directories(storeFile);  // a folder where the file should be
  EXPECT_FALSE(registry.CreateKey(kClasses, "X"));
  EXPECT_TRUE(registry.SubKeys(kClasses, "").empty());
  std::filesystem::remove(storeFile);

  ASSERT_TRUE(registry.CreateKey(kClasses, "Kept"));
  std::string before = ReadBytes(storeFile);
  std::filesystem::permissions(storeFile, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_TRUE(registry.KeyExists(kClasses, "Kept")) << "still readable";
  EXPECT_FALSE(registry.CreateKey(kClasses, "New"));
  EXPECT_FALSE(registry.DeleteKeyTree(kClasses, "Kept"));
  EXPECT_EQ(ReadBytes(storeFile), before);
  std::filesystem::permissions(storeFile, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

}  // namespace
