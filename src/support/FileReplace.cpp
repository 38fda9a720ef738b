#include "support/FileReplace.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "support/FileKeptCopies.h"
#include "support/PosixFileOps.h"

namespace fs = std::filesystem;

namespace {

// Short on purpose: a name near the 255-byte limit still gets a sibling.
constexpr char kTemporaryPattern[] = ".scribant-XXXXXX";
constexpr int kMaxSymlinkHops = 40;

// The path a write must reach: symlinks in the last component followed.
int FollowSymlinks(fs::path& path) {
  for (int hop = 0; hop < kMaxSymlinkHops; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return 0;
    const fs::path target = fs::read_symlink(path, error);
    if (error) return error.value();
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return ELOOP;
}

bool HasNoWriteBit(mode_t mode) {
  return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

mode_t ModeForNewFile() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Best effort: attributes the temporary file cannot take are left behind.
void CopyExtendedAttributes(const fs::path& from, int to) {
  const ssize_t listSize = ::listxattr(from.c_str(), nullptr, 0);
  if (listSize <= 0) return;
  std::vector<char> names(static_cast<std::size_t>(listSize));
  if (::listxattr(from.c_str(), names.data(), names.size()) != listSize) return;
  for (const char* name = names.data(); name < names.data() + listSize;
       name += std::strlen(name) + 1) {
    const ssize_t valueSize = ::getxattr(from.c_str(), name, nullptr, 0);
    if (valueSize < 0) continue;
    std::vector<char> value(static_cast<std::size_t>(valueSize));
    if (::getxattr(from.c_str(), name, value.data(), value.size()) == valueSize)
      ::fsetxattr(to, name, value.data(), value.size(), 0);
  }
}

// The temporary file takes the original's owner and group. False when the
// owner cannot be kept (the group is kept only where permitted).
bool KeepOwner(int fd, const struct stat* existing) {
  if (existing == nullptr) return true;
  if (existing->st_uid != ::geteuid() && ::fchown(fd, existing->st_uid, -1) != 0) return false;
  ::fchown(fd, static_cast<uid_t>(-1), existing->st_gid);
  return true;
}

// The complete temporary file takes the original's mode and attributes; until
// then it stays private (0600), so a copy left by a crash exposes nothing.
int TakeModeAndAttributes(int fd, const fs::path& original, const struct stat* existing) {
  if (::fchmod(fd, existing != nullptr ? existing->st_mode & 07777 : ModeForNewFile()) != 0)
    return errno;
  if (existing != nullptr) CopyExtendedAttributes(original, fd);
  return 0;
}

enum class TRenameOutcome { kDone, kFailed, kNeedsInPlace };

// Writes a complete sibling and renames it over `path`. kNeedsInPlace when no
// sibling can be made that keeps the file's identity; nothing was changed then.
TRenameOutcome ReplaceByRename(const fs::path& path, const struct stat* existing,
                               std::string_view content, const TFileReplaceOptions& options,
                               int& error) {
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  std::string temporary = (folder / kTemporaryPattern).string();
  TFileDescriptor file = CreateUniqueFile(temporary);
  if (!file.IsOpen()) {
    error = errno;
    const bool folderClosed = error == EACCES || error == EPERM;
    return existing != nullptr && folderClosed ? TRenameOutcome::kNeedsInPlace
                                               : TRenameOutcome::kFailed;
  }
  if (!KeepOwner(file.Get(), existing)) {
    ::unlink(temporary.c_str());
    return TRenameOutcome::kNeedsInPlace;
  }
  error = WriteStartingFlush(file.Get(), content, options.writeBytes, options.flushToDisk);
  if (error == 0) error = TakeModeAndAttributes(file.Get(), path, existing);
  if (error == 0) error = FlushIfAsked(file.Get(), options.flushToDisk);
  if (error == 0) error = file.Close();
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return TRenameOutcome::kFailed;
  }
  // The new content is in place; a failed folder flush cannot undo that.
  if (options.flushToDisk) FlushFolder(folder);
  return TRenameOutcome::kDone;
}

// Space for the new content, claimed before any byte changes. File systems
// that cannot reserve are written without the reservation.
int ReserveSpace(int fd, std::size_t size) {
  if (size == 0 || ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0) return 0;
  return errno == EOPNOTSUPP || errno == ENOSYS ? 0 : errno;
}

int Overwrite(int fd, std::string_view content, const TWriteBytes& write, bool flush) {
  if (::lseek(fd, 0, SEEK_SET) < 0) return errno;
  if (const int error = WriteStartingFlush(fd, content, write, flush)) return error;
  if (::ftruncate(fd, static_cast<off_t>(content.size())) != 0) return errno;
  return FlushIfAsked(fd, flush);
}

// Writes the kept copy back over a rewrite that failed; 0 when it is back.
int PutBack(int fd, const TKeptCopy& kept) {
  TFileDescriptor copy(::open(kept.copy.c_str(), O_RDONLY | O_CLOEXEC));
  if (!copy.IsOpen()) return errno;
  struct stat copyStatus {};
  if (::fstat(copy.Get(), &copyStatus) != 0 || ::lseek(fd, 0, SEEK_SET) < 0) return errno;
  if (const int error = CopyContent(copy.Get(), fd)) return error;
  if (::ftruncate(fd, copyStatus.st_size) != 0) return errno;
  return ::fsync(fd) == 0 ? 0 : errno;
}

// Rewrites the file where it is, for links and files whose folder or owner
// rules out a new sibling. The old content is kept aside first; it goes back
// when the rewrite fails and stays for the next start when it cannot.
int RewriteInPlace(const fs::path& path, std::string_view content,
                   const TFileReplaceOptions& options) {
  TFileDescriptor file(::open(path.c_str(), O_RDWR | O_CLOEXEC));
  if (!file.IsOpen()) return errno;
  TKeptCopy kept;
  if (const int error = KeepCopy(file.Get(), path, options.stateFolder, kept)) return error;
  if (const int error = ReserveSpace(file.Get(), content.size())) {
    DiscardKeptCopy(kept);
    return error;
  }
  const int error = Overwrite(file.Get(), content, options.writeBytes, options.flushToDisk);
  if (error == 0 || PutBack(file.Get(), kept) == 0) DiscardKeptCopy(kept);
  return error;
}

}  // namespace

TFileReplaceOptions TFileReplaceOptions::ForCurrentUser() {
  TFileReplaceOptions options;
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && *state == '/') {
    options.stateFolder = fs::path(state) / "scribant";
    return options;
  }
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home != '/') {
    const struct passwd* user = ::getpwuid(::geteuid());
    home = user != nullptr ? user->pw_dir : "/";
  }
  options.stateFolder = fs::path(home) / ".local/state/scribant";
  return options;
}

std::string TFileReplaceResult::Reason() const {
  return error == 0 ? std::string() : std::string(std::strerror(error));
}

bool IsReadOnly(const fs::path& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && HasNoWriteBit(status.st_mode);
}

TFileReplaceResult ReplaceFileContent(const fs::path& requested, std::string_view content,
                                      const TFileReplaceOptions& options) {
  fs::path path = requested;
  if (const int error = FollowSymlinks(path)) return {error};
  struct stat status {};
  const bool exists = ::stat(path.c_str(), &status) == 0;
  if (!exists && errno != ENOENT) return {errno};
  if (exists && S_ISDIR(status.st_mode)) return {EISDIR};
  if (exists && !S_ISREG(status.st_mode)) return {EINVAL};
  if (exists && HasNoWriteBit(status.st_mode)) return {EACCES};

  int error = 0;
  if (!exists || status.st_nlink == 1) {
    switch (ReplaceByRename(path, exists ? &status : nullptr, content, options, error)) {
      case TRenameOutcome::kDone:
        return {};
      case TRenameOutcome::kFailed:
        return {error};
      case TRenameOutcome::kNeedsInPlace:
        break;
    }
  }
  return {RewriteInPlace(path, content, options)};
}
