// File routines used by document load and save. Paths are native paths in
// the platform's form (std::filesystem handles the encoding).
#pragma once

#include <cstdint>
#include <string>

#include "support/FileReplace.h"

// What identifies a file's content cheaply: which file it is (device and
// inode), its size and its last change. Two stamps differ when another
// program wrote or replaced the file in between.
struct TFileStamp {
  bool exists = false;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedNs = 0;
  bool operator==(const TFileStamp&) const = default;
};

// The stamp of the file `path` leads to (symlinks followed); `exists` is
// false when it cannot be read.
TFileStamp FileStampOf(const std::string& path);

// True when `path` names an existing entry that is not a directory.
bool IsFile(const std::string& path);

// True for a regular file: not a folder, pipe or device, which could block a
// reader or never end.
bool IsRegularFile(const std::string& path);

// The file's size in bytes (low 32 bits), or 0xFFFFFFFF when it cannot be read.
std::uint32_t FileSizeOf(const std::string& path);

// Reads up to `count` bytes at `offset` into `buffer`; returns the number read,
// 0 when the path is missing, not a regular file or cannot be opened.
std::uint32_t ReadFileBlock(const std::string& path, std::uint64_t offset, std::uint32_t count,
                            char* buffer);

// Writes `text` to `path` with ReplaceFileContent (FileReplace.h): the file
// holds its old or its new content whatever happens. Fails without writing for
// a directory, a read-only file, or an existing file (EEXIST) when `overwrite`
// is false.
TFileReplaceResult WriteTextFile(
    const std::string& path, const std::string& text, bool overwrite,
    const TFileReplaceOptions& options = TFileReplaceOptions::ForCurrentUser());
