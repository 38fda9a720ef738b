#include "support/OvFile.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "support/SafeFileWrite.h"

namespace fs = std::filesystem;

namespace {

fs::file_status StatusOf(const std::string& path) {
  std::error_code error;
  return fs::status(path, error);
}

}  // namespace

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

bool WriteTextFile(const std::string& path, const std::string& text, bool overwrite) {
  if (!overwrite && fs::exists(StatusOf(path))) return false;
  return safefile::ReplaceContent(path, text);
}
