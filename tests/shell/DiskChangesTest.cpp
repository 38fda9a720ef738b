// The document against its file on disk: other programs changing it, saves
// that would change bytes nobody edited, failed writes, and copies left by a
// save that never finished.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "ShellTestSupport.h"
#include "support/FileKeptCopies.h"

namespace fs = std::filesystem;

namespace {

// Another program writing the file: new content and a later time.
void ChangeOutside(const std::string& path, const std::string& bytes) {
  WriteBytes(path, bytes);
  fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(5));
}

int CountCaption(const FakeDialogs& dialogs, const std::string& caption) {
  int count = 0;
  for (const ShownMessage& message : dialogs.messages) count += message.caption == caption;
  return count;
}

}  // namespace

TEST(DiskChanges, SavingOverAFileChangedOutsideAsksFirst) {
  ShellFixture f;
  const std::string path = f.File("a.txt", "mine\n");
  f.shell.OpenDocument(path);
  f.Type("X");
  ChangeOutside(path, "theirs\n");

  f.dialogs.messageAnswers = {TMsgResult::No};
  EXPECT_FALSE(f.shell.SaveDocument(false));
  EXPECT_EQ(f.dialogs.messages.back().text,
            "The file has been changed by another program since it was opened. Overwrite "
            "it?\r\n\r\n\"" +
                path + "\"");
  EXPECT_EQ(ReadBytes(path), "theirs\n");
  EXPECT_TRUE(f.editor.Modified());

  f.dialogs.messageAnswers = {TMsgResult::Yes};
  EXPECT_TRUE(f.shell.SaveDocument(false));
  EXPECT_EQ(ReadBytes(path), "Xmine\n");
  const std::size_t asked = f.dialogs.messages.size();
  f.Type("Y");
  EXPECT_TRUE(f.shell.SaveDocument(false));
  EXPECT_EQ(f.dialogs.messages.size(), asked) << "our own save is no outside change";

  // Replaced by another file (a new inode) as editors that save by renaming
  // do, even with the same size and time.
  const auto time = fs::last_write_time(path);
  fs::rename(path, path + ".old");
  WriteBytes(path, "YXmine\n");
  fs::last_write_time(path, time);
  f.Type("Z");
  f.dialogs.messageAnswers = {TMsgResult::No};
  EXPECT_FALSE(f.shell.SaveDocument(false));
}

TEST(DiskChanges, RegainingTheFocusOffersAReloadOncePerChange) {
  ShellFixture f;
  const std::string path = f.File("a.txt", "first\n");
  f.shell.OpenDocument(path);
  f.shell.FormActivate();
  EXPECT_TRUE(f.dialogs.messages.empty()) << "nothing changed";

  ChangeOutside(path, "second\n");
  f.dialogs.messageAnswers = {TMsgResult::Cancel};
  f.shell.FormActivate();
  f.shell.FormActivate();
  EXPECT_EQ(CountCaption(f.dialogs, "Reload Current File?"), 1);
  EXPECT_EQ(f.editor.Lines().Get(0), "first");

  ChangeOutside(path, "third\n");
  f.dialogs.messageAnswers = {TMsgResult::Ok};
  f.shell.FormActivate();
  EXPECT_EQ(CountCaption(f.dialogs, "Reload Current File?"), 2);
  EXPECT_EQ(f.editor.Lines().Get(0), "third");
  f.shell.FormActivate();
  EXPECT_EQ(CountCaption(f.dialogs, "Reload Current File?"), 2) << "the reload is the new state";

  fs::remove(path);
  f.shell.FormActivate();
  EXPECT_EQ(CountCaption(f.dialogs, "Reload Current File?"), 2) << "nothing to reload";
}

TEST(DiskChanges, FileThatCannotBeWrittenBackAsItWasAsksBeforeTheFirstSave) {
  ShellFixture f;
  const std::string mixed = "one\r\ntwo\nthree\rfour\r\n";
  const std::string path = f.File("mixed.txt", mixed);
  f.shell.OpenDocument(path);

  f.dialogs.messageAnswers = {TMsgResult::No};
  EXPECT_FALSE(f.shell.SaveDocument(false)) << "Ctrl+S without an edit";
  EXPECT_EQ(f.dialogs.messages.back().caption, "Rewrite the File?");
  EXPECT_NE(f.dialogs.messages.back().text.find("mixed line breaks"), std::string::npos);
  EXPECT_EQ(ReadBytes(path), mixed);

  f.dialogs.messageAnswers = {TMsgResult::Yes};
  EXPECT_TRUE(f.shell.SaveDocument(false));
  EXPECT_EQ(ReadBytes(path), "one\r\ntwo\r\nthree\r\nfour\r\n");
  const std::size_t asked = f.dialogs.messages.size();
  EXPECT_TRUE(f.shell.SaveDocument(false));
  EXPECT_EQ(f.dialogs.messages.size(), asked) << "asked once";

  for (const std::string uniform : {"a\nb\n", "a\r\nb", "a\rb\r", "no break"}) {
    f.shell.OpenDocument(f.File("uniform.txt", uniform));
    f.dialogs.messages.clear();
    EXPECT_TRUE(f.shell.SaveDocument(false));
    EXPECT_TRUE(f.dialogs.messages.empty()) << uniform;
    EXPECT_EQ(ReadBytes(f.folder.File("uniform.txt")), uniform);
  }

  const std::string converted = f.File("u.txt", std::string("\xFF\xFE"
                                                            "a\0",
                                                            4));
  f.shell.OpenDocument(converted);
  f.dialogs.messageAnswers = {TMsgResult::No};
  EXPECT_FALSE(f.shell.SaveDocument(false));
  EXPECT_NE(f.dialogs.messages.back().text.find("converted from unicode"), std::string::npos);
  EXPECT_EQ(ReadBytes(converted).size(), 4u);
}

TEST(DiskChanges, FailedWriteNamesTheReasonAndKeepsTheDocumentModified) {
  ShellFixture f;
  const std::string path = f.File("a.txt", "old");
  f.shell.OpenDocument(path);
  f.Type("new ");
  f.disk = [](int, const char*, std::size_t) {
    errno = ENOSPC;
    return -1L;
  };
  EXPECT_FALSE(f.shell.SaveDocument(false));
  EXPECT_EQ(f.dialogs.messages.back().text, "Failed to write the file to disk.\r\n\r\n\"" + path +
                                                "\"\r\n\r\nNo space left on device");
  EXPECT_TRUE(f.editor.Modified());
  EXPECT_EQ(ReadBytes(path), "old");
}

TEST(DiskChanges, CopyLeftByAnUnfinishedSaveIsOfferedAtStart) {
  for (const TMsgResult answer : {TMsgResult::Cancel, TMsgResult::Yes, TMsgResult::No}) {
    ShellFixture f;
    const std::string path = f.File("a.txt", "complete old content");
    const int fd = ::open(path.c_str(), O_RDONLY);
    TKeptCopy kept;
    ASSERT_EQ(KeepCopy(fd, path, f.stateFolder.Path(), kept), 0);
    ::close(fd);
    WriteBytes(path, "new content cut sho");  // the save died here

    f.dialogs.messageAnswers = {answer};
    f.shell.FormShow("");
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].caption, "Restore the File?");
    EXPECT_NE(f.dialogs.messages[0].text.find(path), std::string::npos);
    EXPECT_EQ(ReadBytes(path),
              answer == TMsgResult::Yes ? "complete old content" : "new content cut sho");
    EXPECT_EQ(KeptCopies(f.stateFolder.Path()).size(), answer == TMsgResult::Cancel ? 1u : 0u);
  }
}
