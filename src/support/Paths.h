// Path pieces with the separator rule as a parameter, so both the Windows
// form ("\" and drive ":") and the POSIX form ("/") can be used and tested.
#pragma once

#include <string>

struct PathRule {
  std::string directorySeparators;  // "\\" on Windows, "/" on POSIX
  std::string driveSeparators;      // ":" on Windows, none on POSIX
  bool namesIgnoreCase = false;     // whether Case.txt and case.txt name one file
};

extern const PathRule WindowsPathRule;  // "\" and ":"
extern const PathRule PosixPathRule;    // "/"
const PathRule& NativePathRule();

// Everything up to and including the last separator ("" when there is none).
std::string FolderWithSeparator(const std::string& path, const PathRule& rule);
// The same without the final separator, except that a root keeps it ("C:\", "/").
std::string FolderWithoutSeparator(const std::string& path, const PathRule& rule);
// The part after the last separator.
std::string FilePart(const std::string& path, const PathRule& rule);
// The extension with its dot, "" when the file part has no dot.
std::string ExtensionOf(const std::string& path, const PathRule& rule);
