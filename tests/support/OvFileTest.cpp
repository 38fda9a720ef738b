#include <gtest/gtest.h>

#include <cstdlib>

#include "TempFolder.h"
#include "support/OvFile.h"
#include "support/SafeFileWrite.h"

namespace {

namespace fs = std::filesystem;

// Stands in for a full disk: the first `healthyCalls` writes go through,
// later ones stop after `bytesBeforeFailure` bytes.
class FailingDisk {
 public:
  FailingDisk(int healthyCalls, std::size_t bytesBeforeFailure) {
    safefile::SetStreamWriterForTesting([healthyCalls, bytesBeforeFailure, calls = 0](
                                            std::ostream& out, std::string_view bytes) mutable {
      if (calls++ < healthyCalls) return static_cast<bool>(out.write(bytes.data(), bytes.size()));
      out.write(bytes.data(), std::min(bytes.size(), bytesBeforeFailure));
      return false;
    });
  }
  ~FailingDisk() { safefile::SetStreamWriterForTesting({}); }
};

class OvFileTest : public ::testing::Test {
 protected:
  std::string Path() const { return folder_.File("doc.txt"); }
  TempFolder folder_;
};

TEST_F(OvFileTest, IsFileAndFileSizeOf) {
  WriteBytes(Path(), "hello");
  EXPECT_TRUE(IsFile(Path()));
  EXPECT_FALSE(IsFile(folder_.Path().string()));
  EXPECT_FALSE(IsFile(folder_.File("missing")));
  EXPECT_EQ(FileSizeOf(Path()), 5u);
  EXPECT_EQ(FileSizeOf(folder_.File("missing")), 0xFFFFFFFFu);
  EXPECT_EQ(FileSizeOf(folder_.Path().string()), 0u);

  // Only the low 32 bits of a size above 4 GiB (a sparse file costs no space).
  std::error_code error;
  fs::resize_file(Path(), 0x100000007ull, error);
  if (!error) {
    EXPECT_EQ(FileSizeOf(Path()), 7u);
  }
}

TEST_F(OvFileTest, ReadFileBlockReadsWhatIsThere) {
  WriteBytes(Path(), std::string("\xFF\xFE"
                                 "ab\0c",
                                 6));
  char buffer[16] = {};
  ASSERT_EQ(ReadFileBlock(Path(), 0, 2, buffer), 2u);
  EXPECT_EQ(std::string(buffer, 2), "\xFF\xFE");
  ASSERT_EQ(ReadFileBlock(Path(), 2, 16, buffer), 4u) << "a short read returns what it got";
  EXPECT_EQ(std::string(buffer, 4), std::string("ab\0c", 4));
  EXPECT_EQ(ReadFileBlock(Path(), 100, 4, buffer), 0u);
  EXPECT_EQ(ReadFileBlock(folder_.File("missing"), 0, 4, buffer), 0u);
  EXPECT_EQ(ReadFileBlock(folder_.Path().string(), 0, 4, buffer), 0u);
}

TEST_F(OvFileTest, WriteTextFileCreatesAndRewritesInPlace) {
  ASSERT_TRUE(WriteTextFile(Path(), "first\r\n", false));
  EXPECT_EQ(ReadBytes(Path()), "first\r\n");
  EXPECT_FALSE(WriteTextFile(Path(), "second", false)) << "no overwrite asked for";
  EXPECT_EQ(ReadBytes(Path()), "first\r\n");

  // A hard link shares the file's identity: it sees the new content only if
  // the file was rewritten rather than replaced.
  const fs::path link = folder_.Path() / "link.txt";
  fs::create_hard_link(Path(), link);
  fs::permissions(Path(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(WriteTextFile(Path(), "second", true));
  EXPECT_EQ(ReadBytes(link), "second");
  EXPECT_EQ(fs::status(Path()).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(WriteTextFile(Path(), "", true));
  EXPECT_EQ(ReadBytes(link), "");
  EXPECT_EQ(folder_.CountEntries(), 2) << "no temporary file is left behind";
}

TEST_F(OvFileTest, WriteTextFileRefusesFoldersReadOnlyFilesAndMissingFolders) {
  EXPECT_FALSE(WriteTextFile(folder_.Path().string(), "x", true));
  EXPECT_FALSE(WriteTextFile(folder_.File("missing/doc.txt"), "x", true));
  WriteBytes(Path(), "kept");
  fs::permissions(Path(), fs::perms::owner_read | fs::perms::others_read);
  EXPECT_FALSE(WriteTextFile(Path(), "lost", true));
  fs::permissions(Path(), fs::perms::owner_all);
  EXPECT_EQ(ReadBytes(Path()), "kept");
  EXPECT_EQ(folder_.CountEntries(), 1);
}

TEST_F(OvFileTest, DiskFullWhileWritingTheCopyKeepsTheOldContent) {
  WriteBytes(Path(), "old content");
  {
    FailingDisk disk(0, 4);
    EXPECT_FALSE(WriteTextFile(Path(), "new content that does not fit", true));
  }
  EXPECT_EQ(ReadBytes(Path()), "old content");
  EXPECT_EQ(folder_.CountEntries(), 1);
  {
    FailingDisk disk(0, 4);
    EXPECT_FALSE(WriteTextFile(folder_.File("new.txt"), "never complete", false));
  }
  EXPECT_FALSE(fs::exists(folder_.File("new.txt"))) << "no cut file appears";
  EXPECT_EQ(folder_.CountEntries(), 1);
}

TEST_F(OvFileTest, DiskFullWhileRewritingInPlaceLeavesTheCompleteNewContent) {
  WriteBytes(Path(), "old content");
  fs::permissions(Path(), fs::perms::owner_read | fs::perms::owner_write);
  {
    FailingDisk disk(1, 4);  // the copy is written, the in-place rewrite stops
    EXPECT_FALSE(WriteTextFile(Path(), "new content", true));
  }
  EXPECT_EQ(ReadBytes(Path()), "new content");
  EXPECT_EQ(fs::status(Path()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(folder_.CountEntries(), 1);
}

// A real full disk: a 64 KiB memory file system, where mounting is allowed.
class SmallMemoryDisk {
 public:
  explicit SmallMemoryDisk(const fs::path& mountPoint) : mountPoint_(mountPoint.string()) {
    const std::string command =
        "mount -t tmpfs -o size=64k tmpfs '" + mountPoint_ + "' 2>/dev/null";
    mounted_ = std::system(command.c_str()) == 0;
  }
  ~SmallMemoryDisk() {
    if (mounted_) std::system(("umount '" + mountPoint_ + "'").c_str());
  }
  bool Mounted() const { return mounted_; }

 private:
  std::string mountPoint_;
  bool mounted_ = false;
};

TEST(OvFileFullDisk, TooLargeContentFailsAndKeepsTheOldFile) {
  TempFolder folder;
  SmallMemoryDisk disk(folder.Path());
  if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small file system here";
  const std::string path = folder.File("doc.txt");
  const std::string old(40 * 1024, 'o');
  ASSERT_TRUE(WriteTextFile(path, old, true));

  EXPECT_FALSE(WriteTextFile(path, std::string(30 * 1024, 'n'), true));
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(folder.CountEntries(), 1);

  const std::string smaller(10 * 1024, 's');
  EXPECT_TRUE(WriteTextFile(path, smaller, true));
  EXPECT_EQ(ReadBytes(path), smaller);
}

}  // namespace
