// How writes treat the rest of the file, and what malformed or unwritable
// files do.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "ChildProcess.h"
#include "IniFileFixture.h"
#include "support/FileReplace.h"
#include "support/OvIni.h"

namespace {

namespace fs = std::filesystem;

class OvIniFileFormatTest : public IniFileFixture {};

TEST_F(OvIniFileFormatTest, ChangedKeyIsRewrittenInPlaceAndEverythingElseKept) {
  SetBytes(
      "; settings\r\n\r\n[Window]\r\n  Left = 10 ; not a comment\r\nTop=20\n\n[General]\rX=1\r\n"
      "[Last]\r\nZ=9");
  ASSERT_TRUE(ini_.WriteInteger("window", "LEFT", 15));
  EXPECT_EQ(Bytes(),
            "; settings\r\n\r\n[Window]\r\n  Left =15\r\nTop=20\n\n[General]\rX=1\r\n"
            "[Last]\r\nZ=9")
      << "the key keeps its own spelling and spacing before \"=\"";
  ASSERT_TRUE(ini_.WriteString("Last", "Z", "8"));
  EXPECT_EQ(Bytes().substr(Bytes().size() - 11), "[Last]\r\nZ=8") << "no break added";
}

TEST_F(OvIniFileFormatTest, NewKeyFollowsTheLastKeyLineOfItsSection) {
  SetBytes("[A]\nx=1\n; about B\n\n\n[B]\r\ny=2\r\n\r\n");
  ASSERT_TRUE(ini_.WriteString("A", "New", "n"));
  ASSERT_TRUE(ini_.WriteString("B", "Other", "o"));
  EXPECT_EQ(Bytes(), "[A]\nx=1\nNew=n\n; about B\n\n\n[B]\r\ny=2\r\nOther=o\r\n\r\n");

  SetBytes("[Empty]\r\n\r\n[Next]\r\n");
  ASSERT_TRUE(ini_.WriteString("Empty", "k", "v"));
  EXPECT_EQ(Bytes(), "[Empty]\r\nk=v\r\n\r\n[Next]\r\n") << "a section without keys";
}

TEST_F(OvIniFileFormatTest, NewSectionGoesToTheEndInTheFilesLineBreakStyle) {
  SetBytes("[A]\nx=1");
  ASSERT_TRUE(ini_.WriteString("B", "y", "2"));
  EXPECT_EQ(Bytes(), "[A]\nx=1\n[B]\ny=2\n");
  SetBytes("[A]\rx=1\r");
  ASSERT_TRUE(ini_.WriteString("A", "z", "3"));
  ASSERT_TRUE(ini_.WriteString("C", "w", "4"));
  EXPECT_EQ(Bytes(), "[A]\rx=1\rz=3\r[C]\rw=4\r") << "CR-only files stay CR-only";
  SetBytes("orphan=1");
  ASSERT_TRUE(ini_.WriteString("S", "orphan", "2"));
  EXPECT_EQ(Bytes(), "orphan=1\r\n[S]\r\norphan=2\r\n") << "keys before any section are not S's";
}

TEST_F(OvIniFileFormatTest, MalformedLinesAreIgnoredAndKept) {
  const std::string oddLines =
      "junk without equals\r\n[Unclosed\r\n= no name\r\n" + std::string(70 * 1024, 'L') +
      "\r\n[S]\r\n" + std::string("nul\0=hidden\r\n", 13) + std::string("key=val\0ue\r\n", 12) +
      "long=" + std::string(70 * 1024, 'v') + "\r\n   [  Spaced Name  ] trailing\r\na=1\r\n";
  SetBytes(oddLines);
  EXPECT_EQ(ini_.ReadString("S", "key", ""), "val") << "a NUL byte ends what the reader sees";
  EXPECT_EQ(ini_.ReadString("S", "nul", "dflt"), "dflt");
  EXPECT_EQ(ini_.ReadString("S", "long", "").size(), 511u);
  EXPECT_EQ(ini_.ReadString("spaced name", "a", ""), "1");
  EXPECT_EQ(ini_.ReadString("Unclosed", "a", "dflt"), "dflt");

  ASSERT_TRUE(ini_.WriteString("S", "added", "x"));
  const std::string expected = oddLines.substr(0, oddLines.find("   [  Spaced")) + "added=x\r\n" +
                               oddLines.substr(oddLines.find("   [  Spaced"));
  EXPECT_EQ(Bytes(), expected);
}

TEST_F(OvIniFileFormatTest, UnwritablePlacesFailWithoutTouchingAnything) {
  TOvIni inMissingFolder(folder_.File("no-such-folder/settings.ini"));
  EXPECT_FALSE(inMissingFolder.WriteString("S", "k", "v"));
  EXPECT_EQ(inMissingFolder.ReadString("S", "k", "dflt"), "dflt");

  TOvIni onFolder(folder_.Path().string());
  EXPECT_FALSE(onFolder.WriteString("S", "k", "v"));
  EXPECT_EQ(onFolder.ReadString("S", "k", "dflt"), "dflt");
  EXPECT_EQ(onFolder.EraseSectionKeys("S"), 0);
  EXPECT_EQ(folder_.CountEntries(), 0);
}

TEST_F(OvIniFileFormatTest, ReadOnlyFileKeepsItsContent) {
  SetBytes("[S]\r\nk=old\r\n");
  fs::permissions(Path(), fs::perms::owner_read | fs::perms::group_read);
  ASSERT_TRUE(IsReadOnly(Path()));
  EXPECT_FALSE(ini_.WriteString("S", "k", "new"));
  EXPECT_EQ(ini_.EraseSectionKeys("S"), 0);
  EXPECT_EQ(ini_.ReadString("S", "k", ""), "old") << "reading is still possible";
  EXPECT_EQ(Bytes(), "[S]\r\nk=old\r\n");
  EXPECT_EQ(folder_.CountEntries(), 1);
  fs::permissions(Path(), fs::perms::owner_all);
}

TEST_F(OvIniFileFormatTest, UnreadableFileIsNeverOverwritten) {
  SetBytes("[S]\r\nk=old\r\n");
  fs::permissions(Path(), fs::perms::owner_write);
  // The folder is the writer's too, so only the unreadable file stops it.
  const std::string report = RunAsOrdinaryUser({folder_.Path(), Path()}, [this]() -> std::string {
    return ini_.WriteString("S", "other", "v") ? "a write was accepted" : "";
  });
  EXPECT_EQ(report, "");
  fs::permissions(Path(), fs::perms::owner_all);
  EXPECT_EQ(Bytes(), "[S]\r\nk=old\r\n");
}

TEST_F(OvIniFileFormatTest, FailingDiskLeavesTheFileWhole) {
  SetBytes("[S]\r\nk=old\r\n");
  const std::string report = RunInChild([this]() -> std::string {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{8, 8};  // no file may grow past 8 bytes
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return "no size limit";
    if (!ini_.WriteString("S", "k", "new")) return "refused before writing";
    return ini_.Flush() ? "reported as written" : "";
  });
  EXPECT_EQ(report, "");
  EXPECT_EQ(Bytes(), "[S]\r\nk=old\r\n");
  EXPECT_EQ(folder_.CountEntries(), 1);
}

TEST_F(OvIniFileFormatTest, LargeFilesStayWorkable) {
  std::string content;
  for (int section = 0; section < 100; ++section) {
    content += "[Section" + std::to_string(section) + "]\n";
    for (int key = 0; key < 1000; ++key) content += "Key" + std::to_string(key) + "=v\n";
  }
  SetBytes(content);
  std::vector<std::string> keys;
  EXPECT_EQ(ini_.ReadSectionKeys("Section99", keys), 1000);
  EXPECT_EQ(ini_.EraseSectionKeys("Section50"), 1000);
  ASSERT_TRUE(ini_.WriteString("Section99", "Key999", "changed"));
  EXPECT_EQ(ini_.ReadString("Section99", "Key999", ""), "changed");
  EXPECT_EQ(ini_.ReadSectionKeys("Section50", keys), 0);
  EXPECT_EQ(ini_.ReadString("Section51", "Key0", ""), "v");
}

}  // namespace
