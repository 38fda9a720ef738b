// File routines used by document load and save. Paths are native paths in
// the platform's form (std::filesystem handles the encoding).
#pragma once

#include <cstdint>
#include <string>

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

// Writes `text` to `path`. Fails without writing for a directory, a read-only
// file, or an existing file when `overwrite` is false. An existing file keeps
// its identity (it is rewritten in place, never deleted and re-created), and a
// write that fails part-way never leaves the old content destroyed.
bool WriteTextFile(const std::string& path, const std::string& text, bool overwrite);
