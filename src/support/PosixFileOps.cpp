#include "support/PosixFileOps.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

TFileDescriptor::~TFileDescriptor() {
  Close();
}

TFileDescriptor& TFileDescriptor::operator=(TFileDescriptor&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

int TFileDescriptor::Close() {
  if (fd_ < 0) return 0;
  const int result = ::close(fd_);
  fd_ = -1;
  return result == 0 ? 0 : errno;
}

int WriteAll(int fd, std::string_view bytes, const TWriteBytes& write) {
  while (!bytes.empty()) {
    errno = 0;
    const long written =
        write ? write(fd, bytes.data(), bytes.size()) : ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno != 0 ? errno : EIO;
    if (written == 0) return EIO;  // no progress and no reason: never spin
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

int WriteStartingFlush(int fd, std::string_view bytes, const TWriteBytes& write, bool flush) {
  constexpr std::size_t kPiece = std::size_t{8} << 20;
  if (!flush) return WriteAll(fd, bytes, write);
  for (std::size_t offset = 0; offset < bytes.size(); offset += kPiece) {
    const std::string_view piece = bytes.substr(offset, kPiece);
    if (const int error = WriteAll(fd, piece, write)) return error;
    // Only a hint to start writing back; fsync later is what counts.
    ::sync_file_range(fd, static_cast<off_t>(offset), static_cast<off_t>(piece.size()),
                      SYNC_FILE_RANGE_WRITE);
  }
  return 0;
}

int CopyContent(int from, int to) {
  if (::lseek(from, 0, SEEK_SET) < 0) return errno;
  std::vector<char> piece(std::size_t{1} << 20);
  for (;;) {
    const long got = ::read(from, piece.data(), piece.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) return 0;
    if (const int error = WriteAll(to, std::string_view(piece.data(), got))) return error;
  }
}

int FlushIfAsked(int fd, bool flush) {
  return !flush || ::fsync(fd) == 0 ? 0 : errno;
}

int FlushFolder(const std::filesystem::path& folder) {
  TFileDescriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!descriptor.IsOpen()) return errno;
  // Some file systems refuse to sync a folder; the rename itself is done.
  if (::fsync(descriptor.Get()) != 0 && errno != EINVAL && errno != EROFS) return errno;
  return 0;
}

TFileDescriptor CreateUniqueFile(std::string& pattern) {
  return TFileDescriptor(::mkostemp(pattern.data(), O_CLOEXEC));
}
