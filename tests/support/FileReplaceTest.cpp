// Fault injection against the file-replacing routine: writes that stop at any
// byte, links, permissions, an unprivileged user, a killed saver, a size limit
// and a real full disk.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <iterator>
#include <random>

#include "ChildProcess.h"
#include "TempFolder.h"
#include "support/FileKeptCopies.h"
#include "support/FileReplace.h"

namespace {

namespace fs = std::filesystem;

// A disk that takes `capacity` bytes of new content and then reports it full.
TWriteBytes FullAfter(std::size_t capacity) {
  return [capacity, written = std::size_t{0}](int fd, const char* data, std::size_t size) mutable {
    const std::size_t room = capacity - written;
    if (room == 0) {
      errno = ENOSPC;
      return -1L;
    }
    const long done = ::write(fd, data, std::min(size, room));
    if (done > 0) written += static_cast<std::size_t>(done);
    return done;
  };
}

struct stat StatOf(const fs::path& path) {
  struct stat status {};
  ::stat(path.c_str(), &status);
  return status;
}

std::string RandomText(std::mt19937& random, std::size_t size) {
  std::string text(size, '\0');
  for (char& c : text) c = static_cast<char>('a' + random() % 26);
  return text;
}

class FileReplaceTest : public ::testing::Test {
 protected:
  fs::path Doc() const { return folder_.Path() / "doc.txt"; }
  TFileReplaceOptions Options(TWriteBytes write = {}) const {
    return {state_.Path(), true, std::move(write)};
  }
  int StateEntries() const { return state_.CountEntries(); }

  TempFolder folder_;
  TempFolder state_;
};

// How the document is reached: by its name, through a second hard link kept
// beside it, or through a symlink to it.
enum class Access { kPlain, kHardLinked, kSymlinked };

TEST_F(FileReplaceTest, EveryFailurePointLeavesOldOrNewContentAndSaysWhich) {
  std::mt19937 random(17);
  for (int round = 0; round < 90; ++round) {
    const auto access = static_cast<Access>(round % 3);
    const std::string old = RandomText(random, random() % 3000);
    const std::string replacement = RandomText(random, random() % 3000);
    const std::size_t failAt = random() % (replacement.size() + 40);
    WriteBytes(Doc(), old);
    const fs::path other = folder_.Path() / "other";
    if (access == Access::kHardLinked) fs::create_hard_link(Doc(), other);
    if (access == Access::kSymlinked) fs::create_symlink(Doc().filename(), other);
    const ino_t inode = StatOf(Doc()).st_ino;
    const fs::path written = access == Access::kSymlinked ? other : Doc();

    const TFileReplaceResult result =
        ReplaceFileContent(written, replacement, Options(FullAfter(failAt)));

    SCOPED_TRACE("round " + std::to_string(round));
    const bool fits = failAt >= replacement.size();
    EXPECT_EQ(result.Succeeded(), fits);
    EXPECT_EQ(result.error, fits ? 0 : ENOSPC);
    EXPECT_EQ(ReadBytes(Doc()), fits ? replacement : old);
    if (access == Access::kHardLinked) {
      EXPECT_EQ(StatOf(other).st_ino, StatOf(Doc()).st_ino) << "the link still shares the file";
      EXPECT_EQ(StatOf(Doc()).st_ino, inode);
    }
    if (access == Access::kSymlinked) {
      EXPECT_TRUE(fs::is_symlink(other));
    }
    EXPECT_EQ(folder_.CountEntries(), access == Access::kPlain ? 1 : 2) << "nothing left over";
    EXPECT_EQ(StateEntries(), 0) << "no kept copy once the rewrite is settled";
    fs::remove(other);
  }
}

TEST_F(FileReplaceTest, RefusesWhatItMustNotWrite) {
  EXPECT_EQ(ReplaceFileContent(folder_.Path(), "x", Options()).error, EISDIR);
  EXPECT_EQ(ReplaceFileContent(folder_.Path() / "missing/doc.txt", "x", Options()).error, ENOENT);
  WriteBytes(Doc(), "kept");
  fs::permissions(Doc(), fs::perms::owner_read);
  const TFileReplaceResult readOnly = ReplaceFileContent(Doc(), "lost", Options());
  EXPECT_EQ(readOnly.Reason(), "Permission denied");
  fs::create_symlink("loop", folder_.Path() / "loop");
  EXPECT_EQ(ReplaceFileContent(folder_.Path() / "loop", "x", Options()).error, ELOOP);
  EXPECT_EQ(ReadBytes(Doc()), "kept");
  EXPECT_EQ(folder_.CountEntries(), 2);
}

TEST_F(FileReplaceTest, KeepsModeAndOwnerAndNeverExposesAPrivateFile) {
  WriteBytes(Doc(), "secret");
  ::chmod(Doc().c_str(), 0600);
  const bool privileged = ::chown(Doc().c_str(), kNobody, kNobody) == 0;
  mode_t modeWhileWriting = 0777;
  const TWriteBytes spy = [&](int fd, const char* data, std::size_t size) {
    modeWhileWriting = [&] {
      struct stat status {};
      ::fstat(fd, &status);
      return status.st_mode & 0777;
    }();
    return static_cast<long>(::write(fd, data, size));
  };
  ASSERT_TRUE(ReplaceFileContent(Doc(), "new secret", Options(spy)).Succeeded());
  EXPECT_EQ(modeWhileWriting & 077, 0u) << "nobody else may read it half-written";
  EXPECT_EQ(StatOf(Doc()).st_mode & 07777, 0600u);
  if (privileged) {
    EXPECT_EQ(StatOf(Doc()).st_uid, kNobody);
  }

  ::chmod(Doc().c_str(), 0640);
  ASSERT_TRUE(ReplaceFileContent(Doc(), "shared", Options()).Succeeded());
  EXPECT_EQ(StatOf(Doc()).st_mode & 07777, 0640u);
}

TEST_F(FileReplaceTest, LongNamesAndStrayTemporariesDoNotBlockSaving) {
  const fs::path longName = folder_.Path() / std::string(255, 'n');
  ASSERT_TRUE(ReplaceFileContent(longName, "first", Options()).Succeeded());
  ASSERT_TRUE(ReplaceFileContent(longName, "second", Options()).Succeeded());
  EXPECT_EQ(ReadBytes(longName), "second");
  for (int i = 0; i < 100; ++i)
    WriteBytes(folder_.Path() / (".doc.txt.saving" + std::to_string(i)), "");
  WriteBytes(Doc(), "old");
  EXPECT_TRUE(ReplaceFileContent(Doc(), "new", Options()).Succeeded());
  EXPECT_EQ(ReadBytes(Doc()), "new");
}

TEST_F(FileReplaceTest, UnprivilegedUserSavesAWritableFileInAFolderItCannotWriteTo) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to set up the other user's files";
  const fs::path closed = folder_.Path() / "closed";
  fs::create_directory(closed);
  ::chmod(folder_.Path().c_str(), 0755);
  ::chmod(closed.c_str(), 0755);
  const fs::path doc = closed / "doc.txt";
  WriteBytes(doc, "old content");
  ::chown(doc.c_str(), kNobody, kNobody);
  ::chmod(doc.c_str(), 0644);
  ::chown(state_.Path().c_str(), kNobody, kNobody);
  const ino_t inode = StatOf(doc).st_ino;

  const std::string report = RunInChild([&]() -> std::string {
    if (!BecomeNobody()) return "cannot drop privileges";
    const TFileReplaceResult result = ReplaceFileContent(doc, "new content", Options());
    return result.Succeeded() ? "" : result.Reason();
  });
  EXPECT_EQ(report, "");
  EXPECT_EQ(ReadBytes(doc), "new content");
  EXPECT_EQ(StatOf(doc).st_ino, inode) << "rewritten in place";
  EXPECT_EQ(std::distance(fs::directory_iterator(closed), fs::directory_iterator()), 1);
  EXPECT_EQ(StateEntries(), 0);
}

// A saver that stops after `bytes` of new content and waits to be killed.
pid_t StartSaverThatHangs(const fs::path& path, const std::string& content, std::size_t bytes,
                          const TFileReplaceOptions& options) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    TFileReplaceOptions hanging = options;
    hanging.writeBytes = [&, done = false](int fd, const char* data, std::size_t size) mutable {
      if (done) ::pause();
      done = true;
      const long written = ::write(fd, data, std::min(size, bytes));
      ::fsync(fd);
      [[maybe_unused]] const auto signalled = ::write(ready[1], "x", 1);
      return written;
    };
    ReplaceFileContent(path, content, hanging);
    ::_exit(0);
  }
  char signal = 0;
  [[maybe_unused]] const auto got = ::read(ready[0], &signal, 1);
  ::close(ready[0]);
  ::close(ready[1]);
  return child;
}

void Kill(pid_t child) {
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
}

TEST_F(FileReplaceTest, SaverKilledMidwayLeavesTheOldContentOrAKeptCopyOfIt) {
  const std::string old(300000, 'o');
  const std::string replacement(500000, 'n');
  WriteBytes(Doc(), old);
  Kill(StartSaverThatHangs(Doc(), replacement, 77000, Options()));
  EXPECT_EQ(ReadBytes(Doc()), old) << "replaced by rename: never cut";
  for (const auto& entry : fs::directory_iterator(folder_.Path())) {
    if (entry.path() == Doc()) continue;
    EXPECT_EQ(StatOf(entry.path()).st_mode & 077, 0u) << "a leftover is private";
  }
  EXPECT_TRUE(KeptCopies(state_.Path()).empty());

  const fs::path link = folder_.Path() / "link";
  fs::create_hard_link(Doc(), link);
  Kill(StartSaverThatHangs(Doc(), replacement, 77000, Options()));
  EXPECT_NE(ReadBytes(Doc()), old) << "rewritten in place: cut by the kill";
  const std::vector<TKeptCopy> kept = KeptCopies(state_.Path());
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].target, Doc());
  EXPECT_EQ(StatOf(kept[0].copy).st_mode & 077, 0u);
  ASSERT_TRUE(RestoreKeptCopy(kept[0], Options()).Succeeded());
  EXPECT_EQ(ReadBytes(link), old);
  EXPECT_EQ(StatOf(link).st_ino, StatOf(Doc()).st_ino);
  EXPECT_TRUE(KeptCopies(state_.Path()).empty());
}

TEST_F(FileReplaceTest, SizeLimitStopsTheSaveBeforeAnythingIsLost) {
  const std::string old(20000, 'o');
  WriteBytes(Doc(), old);
  fs::create_hard_link(Doc(), folder_.Path() / "link");
  WriteBytes(folder_.Path() / "single.txt", old);
  const std::string report = RunInChild([&]() -> std::string {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64 * 1024, 64 * 1024};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return "no size limit";
    const std::string tooLarge(100 * 1024, 'n');
    std::string failures;
    for (const fs::path& path : {Doc(), folder_.Path() / "single.txt"}) {
      const TFileReplaceResult result = ReplaceFileContent(path, tooLarge, Options());
      if (result.error != EFBIG) failures += path.string() + ": " + result.Reason() + "\n";
    }
    return failures;
  });
  EXPECT_EQ(report, "");
  EXPECT_EQ(ReadBytes(Doc()), old);
  EXPECT_EQ(ReadBytes(folder_.Path() / "link"), old);
  EXPECT_EQ(ReadBytes(folder_.Path() / "single.txt"), old);
  EXPECT_EQ(folder_.CountEntries(), 3);
  EXPECT_EQ(StateEntries(), 0);
}

// Mounts a 1 MiB tmpfs on `folder` in a mount namespace of the child's own,
// so the machine's mounts are never touched; "" or why it cannot.
std::string MountPrivateSmallDisk(const fs::path& folder) {
  if (::unshare(CLONE_NEWNS) != 0)
    return "no private mount namespace: " + std::string(strerror(errno));
  if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
    return "cannot make mounts private";
  if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=1m") != 0) return "cannot mount a tmpfs";
  return "";
}

TEST_F(FileReplaceTest, RealFullDiskFailsWithItsReasonAndKeepsTheOldContent) {
  const fs::path disk = folder_.Path() / "disk";
  fs::create_directory(disk);
  const std::string report = RunInChild([&]() -> std::string {
    if (std::string why = MountPrivateSmallDisk(disk); !why.empty()) return "SKIP " + why;
    const std::string old(430 * 1024, 'o');
    std::string failures;
    for (const bool linked : {false, true}) {
      const fs::path doc = disk / "doc.txt";
      if (!ReplaceFileContent(doc, old, Options()).Succeeded())
        return "the old content does not fit";
      if (linked) fs::create_hard_link(doc, disk / "link");
      // More than the free space, and more than the free space plus the old
      // content, which a rewrite in place could reuse.
      const TFileReplaceResult result =
          ReplaceFileContent(doc, std::string(1100 * 1024, 'n'), Options());
      if (result.Reason() != "No space left on device")
        failures += "result: " + result.Reason() + "\n";
      if (ReadBytes(doc) != old) failures += "old content lost\n";
      if (linked && ReadBytes(disk / "link") != old) failures += "the link was cut\n";
      fs::remove(disk / "link");
    }
    return failures;
  });
  if (report.starts_with("SKIP ")) GTEST_SKIP() << report.substr(5);
  EXPECT_EQ(report, "");
  EXPECT_EQ(StateEntries(), 0);
}

}  // namespace
