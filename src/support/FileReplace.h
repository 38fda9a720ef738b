// Replacing a file's whole content without ever losing it. Every file the
// program writes (documents, settings, histories, the registry store) goes
// through ReplaceFileContent.
//
// Guarantees:
//  - Where the folder allows it, the new bytes go to a temporary file beside
//    the original (mode, owner and extended attributes copied from it),
//    reach the disk, and are renamed over the original: at every instant the
//    path holds either the complete old or the complete new content.
//  - A symlink is followed: its target is replaced and the link stays a link.
//  - A file with several hard links, in a folder we cannot write to, or whose
//    owner a new file could not keep, is rewritten in place instead, but only
//    after its space is reserved and a complete copy of its old content is
//    kept in the state folder. A failed rewrite puts the old content back; a
//    rewrite cut short by the program dying leaves the copy, which
//    KeptCopies (FileKeptCopies.h) finds at the next start.
//  - Success is reported exactly when the file holds the new content.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

// Writes up to `size` bytes to the open descriptor `fd`, as write(2) does:
// the count written, or -1 with errno set. Tests pass one that fails part-way.
using TWriteBytes = std::function<long(int fd, const char* data, std::size_t size)>;

struct TFileReplaceOptions {
  // Where copies of files rewritten in place are kept (created 0700 when missing).
  std::filesystem::path stateFolder;
  // Flush the file and its folder to the disk before reporting success.
  bool flushToDisk = true;
  // How the new content is written; empty means the system's write.
  TWriteBytes writeBytes;

  // $XDG_STATE_HOME/scribant, or ~/.local/state/scribant.
  static TFileReplaceOptions ForCurrentUser();
};

// The outcome: `error` is the errno of the failure, 0 on success.
struct TFileReplaceResult {
  int error = 0;
  bool Succeeded() const { return error == 0; }
  // The system's wording of the failure ("No space left on device"); empty on success.
  std::string Reason() const;
};

// True when the entry exists and carries no write permission bit at all.
// Checked explicitly because a privileged process could write it anyway.
bool IsReadOnly(const std::filesystem::path& path);

// Makes `content` the whole content of `path` (through a symlink, its
// target), creating the file when it is missing. Fails with the file
// unchanged for a directory (EISDIR), a read-only file (EACCES), a missing
// folder or any I/O error.
TFileReplaceResult ReplaceFileContent(
    const std::filesystem::path& path, std::string_view content,
    const TFileReplaceOptions& options = TFileReplaceOptions::ForCurrentUser());
