#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ChildProcess.h"
#include "ShellTestSupport.h"

namespace fs = std::filesystem;

TEST(DocumentFlow, StartsUntitledForMissingOrFolderArguments) {
  ShellFixture f;
  f.shell.FormShow(f.folder.File("missing.txt"));
  EXPECT_EQ(f.shell.FileName(), "Untitled");
  EXPECT_EQ(f.caption, "Scribant <Untitled>");
  EXPECT_EQ(f.panels[1], "Line: 1");
  EXPECT_EQ(f.panels[2], "Col: 1");
  EXPECT_EQ(f.panels[3], "Pos: 0");
  f.shell.FormShow(f.folder.Path().string());
  EXPECT_EQ(f.shell.FileName(), "Untitled");
  EXPECT_TRUE(f.dialogs.messages.empty()) << "no message for a bad argument";
}

TEST(DocumentFlow, OpenEditSaveKeepsLineBreaksAndCaption) {
  ShellFixture f;
  const std::string path = f.File("a.txt", "one\ntwo\n");
  f.shell.FormShow(path);
  EXPECT_EQ(f.caption, "Scribant <" + path + ">");
  EXPECT_FALSE(f.editor.Modified());
  f.Type("X");
  EXPECT_EQ(f.caption, "Scribant <" + path + ">*");
  ASSERT_TRUE(f.shell.SaveDocument(false));
  EXPECT_EQ(ReadBytes(path), "Xone\ntwo\n");
  EXPECT_EQ(f.caption, "Scribant <" + path + ">");
  EXPECT_EQ(f.shell.Settings().recentList.front(), path);
}

TEST(DocumentFlow, QuerySaveFollowsTheAnswer) {
  ShellFixture f;
  f.shell.NewDocument();
  EXPECT_TRUE(f.shell.QuerySave()) << "nothing to save, nothing asked";
  EXPECT_TRUE(f.dialogs.messages.empty());
  f.Type("x");

  f.dialogs.messageAnswers = {TMsgResult::Cancel};
  EXPECT_FALSE(f.shell.QuerySave());
  EXPECT_EQ(f.dialogs.messages.back().caption, "Save the file?");
  EXPECT_EQ(f.dialogs.messages.back().text,
            "Do you wish to save the current file before proceeding?\r\n\r\n\"Untitled\"");

  f.dialogs.messageAnswers = {TMsgResult::No};
  EXPECT_TRUE(f.shell.QuerySave());

  f.dialogs.messageAnswers = {TMsgResult::Yes};  // untitled: the save dialog is cancelled
  EXPECT_FALSE(f.shell.QuerySave());
  ASSERT_EQ(f.dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(f.dialogs.saveRequests[0].filterIndex, 2);
  EXPECT_EQ(f.dialogs.saveRequests[0].defaultExt, "txt");

  const std::string target = f.folder.File("new.txt");
  f.dialogs.messageAnswers = {TMsgResult::Yes};
  f.dialogs.fileAnswers = {target};
  EXPECT_TRUE(f.shell.QuerySave());
  EXPECT_EQ(ReadBytes(target), "x");
  EXPECT_EQ(f.shell.FileName(), target);
}

TEST(DocumentFlow, FailedWriteKeepsDocumentModifiedAndAbortsTheClose) {
  ShellFixture f;
  const std::string path = f.File("ro.txt", "old");
  f.shell.OpenDocument(path);
  f.Type("new ");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
  f.dialogs.messageAnswers = {TMsgResult::Yes};
  EXPECT_FALSE(f.shell.FormCloseQuery());
  fs::permissions(path, fs::perms::owner_all);
  EXPECT_EQ(f.dialogs.messages.back().text,
            "Failed to write the file to disk.\r\n\r\n\"" + path + "\"\r\n\r\nPermission denied");
  EXPECT_EQ(f.dialogs.messages.back().icon, TMsgIcon::Error);
  EXPECT_TRUE(f.editor.Modified());
  EXPECT_EQ(ReadBytes(path), "old");
  EXPECT_FALSE(fs::exists(f.folder.File("scribant.ini"))) << "no settings written";
}

TEST(DocumentFlow, FailedLoadReportsAndKeepsThePreviousDocument) {
  ShellFixture f;
  const std::string first = f.File("first.txt", "precious");
  f.shell.OpenDocument(first);
  f.Type("!");
  const std::string hugeUtf16 = f.File("huge.txt", "\xFF\xFE");
  fs::resize_file(hugeUtf16, (std::uintmax_t{1} << 32) + 4);  // sparse: costs no disk
  const std::vector<std::string> unloadable{f.folder.Path().string(), "/dev/zero", hugeUtf16};
  for (const std::string& path : unloadable) {
    f.dialogs.messages.clear();
    EXPECT_FALSE(f.shell.OpenDocument(path)) << path;
    ASSERT_EQ(f.dialogs.messages.size(), 1u) << path;
    EXPECT_EQ(f.dialogs.messages[0].icon, TMsgIcon::Error);
    EXPECT_NE(f.dialogs.messages[0].text.find(path), std::string::npos) << "names what failed";
    EXPECT_EQ(f.shell.FileName(), first);
    EXPECT_EQ(f.editor.Text(), "!precious");
    EXPECT_TRUE(f.editor.Modified()) << "the edit is still there to be saved";
  }
  f.shell.FormShow("/dev/zero");
  EXPECT_EQ(f.shell.FileName(), "Untitled") << "a device at start-up gives an untitled document";
}

// Limits this process's address space to what it uses now plus `bytes`.
bool LimitAddressSpaceTo(std::size_t bytes) {
  std::size_t pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  const rlim_t limit = pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)) + bytes;
  const rlimit value{limit, limit};
  return pages > 0 && ::setrlimit(RLIMIT_AS, &value) == 0;
}

TEST(DocumentFlow, RunningOutOfMemoryWhileOpeningKeepsThePreviousDocument) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "the sanitizer reserves more address space than any limit leaves";
#endif
  ShellFixture f;
  const std::string first = f.File("first.txt", "precious");
  f.shell.OpenDocument(first);
  f.Type("!");
  std::string lines;
  for (int i = 0; i < 1 << 18; ++i)
    lines += "a line of sixty-four bytes, to be read into too little memory\r\n";
  const std::string big = f.File("big.txt", lines);
  lines = std::string();
  f.dialogs.messages.clear();
  const std::string report = RunInChild([&]() -> std::string {
    if (!LimitAddressSpaceTo(std::size_t{4} << 20)) return "cannot limit the address space";
    std::string faults;
    if (f.shell.OpenDocument(big)) faults += "it opened; ";
    if (f.dialogs.messages.size() != 1 ||
        f.dialogs.messages[0].text.find("memory") == std::string::npos)
      faults += "no message about memory; ";
    if (f.shell.FileName() != first || f.editor.Text() != "!precious")
      faults += "the previous document is gone; ";
    return faults;
  });
  EXPECT_EQ(report, "");
}

TEST(DocumentFlow, Utf16FilesAreConvertedWithAWarning) {
  ShellFixture f;
  const std::string path = f.File("u.txt", std::string("\xFF\xFE"
                                                       "a\0b\0\r\0\n\0",
                                                       10));
  f.shell.OpenDocument(path);
  ASSERT_EQ(f.editor.Lines().Count(), 2);
  EXPECT_EQ(f.editor.Lines().Get(0), "ab");
  EXPECT_EQ(f.editor.Lines().Get(1), "");
  EXPECT_FALSE(f.editor.Modified());
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].icon, TMsgIcon::Warning);
  EXPECT_NE(f.dialogs.messages[0].text.find("unicode format"), std::string::npos);

  const std::string noBreak = f.File("n.txt", std::string("\xFF\xFE"
                                                          "x\0y\0",
                                                          6));
  f.shell.OpenDocument(noBreak);
  ASSERT_EQ(f.editor.Lines().Count(), 1) << "no final line break, no empty line";
  EXPECT_EQ(f.editor.Lines().Get(0), "xy");

  const std::string euro = f.File("e.txt", std::string("\xFF\xFE\xAC\x20\x3D\xD8\x00\xDE", 8));
  f.shell.OpenDocument(euro);
  EXPECT_EQ(f.editor.Lines().Get(0), "\xE2\x82\xAC\xF0\x9F\x98\x80") << "nothing becomes '?'";
  EXPECT_EQ(f.editor.Lines().Encoding(), TTextEncoding::Utf8);

  const std::string bigEndian = f.File("b.txt", std::string("\xFE\xFF\0c\x20\xAC\xD8\x3D", 8));
  f.shell.OpenDocument(bigEndian);
  EXPECT_EQ(f.editor.Lines().Get(0), "c\xE2\x82\xAC\xEF\xBF\xBD") << "big-endian, a lone surrogate";
  EXPECT_NE(f.dialogs.messages.back().text.find("unicode format"), std::string::npos);

  const std::string oddLength = f.File("o.txt", std::string("\xFF\xFE"
                                                            "d\0\xD8",
                                                            5));
  f.shell.OpenDocument(oddLength);
  EXPECT_EQ(f.editor.Lines().Get(0), "d") << "half a code unit at the end is dropped";

  const std::string markOnly = f.File("m.txt", "\xFF\xFE");
  f.shell.OpenDocument(markOnly);
  EXPECT_EQ(f.editor.Lines().Get(0), "\xFF\xFE") << "two bytes load as text";
}

TEST(DocumentFlow, ReloadAsksAndRestoresTheSelection) {
  ShellFixture f;
  const std::string path = f.File("r.txt", "hello world");
  f.shell.OpenDocument(path);
  f.editor.SetSelStart(6);
  f.editor.SetSelLength(5);
  f.dialogs.messageAnswers = {TMsgResult::Cancel};
  f.shell.Reload_Cmd();
  EXPECT_EQ(f.dialogs.messages.back().caption, "Reload Current File?");
  EXPECT_EQ(f.editor.SelText(), "world") << "cancel changes nothing";
  WriteBytes(path, "HELLO WORLD");
  f.dialogs.messageAnswers = {TMsgResult::Ok};
  f.shell.Reload_Cmd();
  EXPECT_EQ(f.editor.Text(), "HELLO WORLD");
  EXPECT_FALSE(f.editor.Modified());
  EXPECT_EQ(f.editor.SelText(), "WORLD") << "the remembered offsets come back";
}

TEST(DocumentFlow, ClosingWritesSettingsWithTheRecentList) {
  ShellFixture f;
  const std::string path = f.File("c.txt", "x");
  f.shell.OpenDocument(path);
  ASSERT_TRUE(f.shell.FormCloseQuery());
  const TAppSettings saved = LoadSettings(f.folder.File("scribant.ini"), 1920, 1080);
  EXPECT_EQ(saved.recentList, (std::vector<std::string>{path}));
}

TEST(DocumentFlow, DroppedFilesOpenOnlyTheFirst) {
  ShellFixture f;
  const std::string a = f.File("a.txt", "A");
  const std::string b = f.File("b.txt", "B");
  f.shell.NewDocument();
  f.Type("unsaved");
  f.dialogs.messageAnswers = {TMsgResult::Cancel};
  f.shell.Code_Edit_DropFiles({a, b});
  EXPECT_EQ(f.editor.Text(), "unsaved");
  f.dialogs.messageAnswers = {TMsgResult::No};
  f.shell.Code_Edit_DropFiles({a, b});
  EXPECT_EQ(f.shell.FileName(), a);
  EXPECT_EQ(f.editor.Text(), "A");
}

TEST(DocumentFlow, RecentListHoldsFullPathsComparedByThePlatformsRule) {
  ShellFixture f;
  f.File("Case.txt", "upper");
  const std::string lower = f.File("case.txt", "lower");
  {
    const WorkingFolder inFolder(f.folder.Path());
    f.shell.FormShow("Case.txt");
  }
  EXPECT_EQ(f.shell.FileName(), f.folder.File("Case.txt")) << "valid from any folder";
  f.shell.OpenDocument(lower);
  const std::vector<std::string> expected =
      NativePathRule().namesIgnoreCase ? std::vector<std::string>{lower}
                                       : std::vector<std::string>{lower, f.folder.File("Case.txt")};
  EXPECT_EQ(f.shell.Settings().recentList, expected);
}
