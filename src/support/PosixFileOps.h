// Small wrappers over POSIX file calls shared by the file-replacing routines.
// Every function returns 0 or the errno of the first failure.
#pragma once

#include <filesystem>
#include <string_view>

#include "support/FileReplace.h"

// Owns an open descriptor; closes it when it goes.
class TFileDescriptor {
 public:
  TFileDescriptor() = default;
  explicit TFileDescriptor(int fd) : fd_(fd) {}
  ~TFileDescriptor();
  TFileDescriptor(TFileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  TFileDescriptor& operator=(TFileDescriptor&& other) noexcept;
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;

  int Get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }
  // Closes now, reporting what close(2) says (a delayed write error shows here).
  int Close();

 private:
  int fd_ = -1;
};

// Writes every byte through `write` (the system's when empty), retrying
// short writes and interruptions.
int WriteAll(int fd, std::string_view bytes, const TWriteBytes& write = {});

// WriteAll in pieces; with `flush` on, each piece is handed to the disk as
// soon as it is written, so the final fsync waits for the last piece only.
int WriteStartingFlush(int fd, std::string_view bytes, const TWriteBytes& write, bool flush);

// Copies everything from `from` (read from its start) to `to` at its current
// offset, in pieces, so that a large file is never held whole.
int CopyContent(int from, int to);

// fsync of the descriptor when `flush` is on.
int FlushIfAsked(int fd, bool flush);

// Makes a completed rename or unlink inside `folder` survive a crash.
int FlushFolder(const std::filesystem::path& folder);

// Creates a unique file from `pattern` (ending in XXXXXX, replaced in place)
// with mode 0600; the descriptor, or an invalid one with errno set.
TFileDescriptor CreateUniqueFile(std::string& pattern);
