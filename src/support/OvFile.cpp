#include "support/OvFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::file_status StatusOf(const std::string& path) {
  std::error_code error;
  return fs::status(path, error);
}

}  // namespace

TFileStamp FileStampOf(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return {};
  constexpr std::int64_t kNsPerSecond = 1'000'000'000;
  return {true, static_cast<std::uint64_t>(status.st_dev),
          static_cast<std::uint64_t>(status.st_ino), static_cast<std::uint64_t>(status.st_size),
          status.st_mtim.tv_sec * kNsPerSecond + status.st_mtim.tv_nsec};
}

bool IsFile(const std::string& path) {
  const fs::file_status status = StatusOf(path);
  return fs::exists(status) && !fs::is_directory(status);
}

bool IsRegularFile(const std::string& path) {
  return fs::is_regular_file(StatusOf(path));
}

std::uint32_t FileSizeOf(const std::string& path) {
  constexpr std::uint32_t kUnknownSize = 0xFFFFFFFFu;
  const fs::file_status status = StatusOf(path);
  if (!fs::exists(status)) return kUnknownSize;
  if (fs::is_directory(status)) return 0;  // a folder's attributes carry no size
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path, error);
  return error ? kUnknownSize : static_cast<std::uint32_t>(size);
}

std::uint32_t ReadFileBlock(const std::string& path, std::uint64_t offset, std::uint32_t count,
                            char* buffer) {
  if (!IsRegularFile(path) || count == 0) return 0;
  std::ifstream in(path, std::ios::binary);
  if (!in || !in.seekg(static_cast<std::streamoff>(offset))) return 0;
  in.read(buffer, static_cast<std::streamsize>(count));
  return static_cast<std::uint32_t>(in.gcount());
}

TFileReplaceResult WriteTextFile(const std::string& path, const std::string& text, bool overwrite,
                                 const TFileReplaceOptions& options) {
  if (!overwrite && fs::exists(StatusOf(path))) return {EEXIST};
  return ReplaceFileContent(path, text, options);
}
