#include <gtest/gtest.h>

#include "support/Paths.h"

namespace {

struct PathCase {
  const char* path;
  const char* folderWith;
  const char* folderWithout;
  const char* file;
  const char* extension;
};

void ExpectPieces(const PathCase& expected, const PathRule& rule) {
  SCOPED_TRACE(expected.path);
  EXPECT_EQ(FolderWithSeparator(expected.path, rule), expected.folderWith);
  EXPECT_EQ(FolderWithoutSeparator(expected.path, rule), expected.folderWithout);
  EXPECT_EQ(FilePart(expected.path, rule), expected.file);
  EXPECT_EQ(ExtensionOf(expected.path, rule), expected.extension);
}

TEST(PathsWindowsRule, DriveRootsKeepTheirSeparator) {
  const PathCase cases[] = {
      {"C:\\b.txt", "C:\\", "C:\\", "b.txt", ".txt"},
      {"C:\\a\\b", "C:\\a\\", "C:\\a", "b", ""},
      {"C:\\a\\b.txt", "C:\\a\\", "C:\\a", "b.txt", ".txt"},
      {"C:b.txt", "C:", "C:", "b.txt", ".txt"},
      {"C:\\a.b\\c", "C:\\a.b\\", "C:\\a.b", "c", ""},
      {"\\\\server\\share\\x.tar.gz", "\\\\server\\share\\", "\\\\server\\share", "x.tar.gz",
       ".gz"},
      {"\\x", "\\", "\\", "x", ""},
      {"name.ini", "", "", "name.ini", ".ini"},
      {"Untitled", "", "", "Untitled", ""},
      {"C:\\a\\.hidden", "C:\\a\\", "C:\\a", ".hidden", ".hidden"},
      {"C:\\a\\trailing.", "C:\\a\\", "C:\\a", "trailing.", "."},
      {"C:\\a/b.txt", "C:\\", "C:\\", "a/b.txt", ".txt"},  // "/" is no separator here
      {"", "", "", "", ""},
  };
  for (const PathCase& pathCase : cases) ExpectPieces(pathCase, WindowsPathRule);
}

TEST(PathsPosixRule, RootKeepsItsSlash) {
  const PathCase cases[] = {
      {"/a.txt", "/", "/", "a.txt", ".txt"},
      {"/home/u/notes.md", "/home/u/", "/home/u", "notes.md", ".md"},
      {"/home/u.v/readme", "/home/u.v/", "/home/u.v", "readme", ""},
      {"rel/x.c", "rel/", "rel", "x.c", ".c"},
      {"x.c", "", "", "x.c", ".c"},
      {"C:\\a\\b.txt", "", "", "C:\\a\\b.txt", ".txt"},  // backslash and colon are name bytes
      {"/dir/", "/dir/", "/dir", "", ""},
  };
  for (const PathCase& pathCase : cases) ExpectPieces(pathCase, PosixPathRule);
}

}  // namespace
