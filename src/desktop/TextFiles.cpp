#include "desktop/TextFiles.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "support/FileReplace.h"

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
  return ReplaceFileContent(file, text).Succeeded();
}

std::vector<std::string_view> SplitAtLineFeeds(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}
