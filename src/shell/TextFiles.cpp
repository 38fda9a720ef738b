#include "shell/TextFiles.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

std::optional<std::string> ReadSmallFile(const fs::path& file, std::uintmax_t maxBytes) {
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return std::nullopt;
  std::uintmax_t size = fs::file_size(file, error);
  if (error || size > maxBytes) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in.is_open()) return std::nullopt;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return text;
}

bool ReplaceFileContents(const fs::path& file, const std::string& text) {
  std::error_code error;
  if (file.has_parent_path()) fs::create_directories(file.parent_path(), error);
  fs::path temporary = file;
  temporary += ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temporary, error);
      return false;
    }
  }
  fs::rename(temporary, file, error);
  if (error) fs::remove(temporary, error);
  return !error;
}
