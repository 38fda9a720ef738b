#include "support/SafeFileWrite.h"

#include <fstream>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace safefile {

namespace {

bool WriteAllBytes(std::ostream& out, std::string_view bytes) {
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

StreamWriter& CurrentWriter() {
  static StreamWriter writer = WriteAllBytes;
  return writer;
}

bool HasNoWriteBit(fs::perms permissions) {
  constexpr fs::perms kAnyWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return (permissions & kAnyWrite) == fs::perms::none;
}

// Truncates (or creates) `path` in place and writes `content`; true only when
// every byte reached the file, the close included (buffered errors surface there).
bool WriteWholeFile(const fs::path& path, std::string_view content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  const bool written = CurrentWriter()(out, content);
  out.close();
  return written && !out.fail();
}

// A name beside `path` that is not taken yet, or empty when none is found.
fs::path TemporarySibling(const fs::path& path) {
  const fs::path folder = path.parent_path();
  const std::string stem = "." + path.filename().string() + ".saving";
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = folder / (stem + std::to_string(attempt));
    std::error_code error;
    if (fs::symlink_status(candidate, error).type() == fs::file_type::not_found) return candidate;
  }
  return {};
}

// The in-place write failed and left the original cut short; the temporary
// copy is complete, so it takes the original's place.
void RecoverFromTemporary(const fs::path& temporary, const fs::path& path,
                          fs::perms originalPermissions) {
  std::error_code error;
  fs::permissions(temporary, originalPermissions, error);
  fs::rename(temporary, path, error);
  // When even the rename fails the temporary stays: it is the only full copy.
}

}  // namespace

bool IsReadOnly(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  return !error && fs::exists(status) && HasNoWriteBit(status.permissions());
}

bool ReplaceContent(const fs::path& path, std::string_view content) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  const bool exists = fs::exists(status);
  if (!exists && status.type() != fs::file_type::not_found) return false;
  if (exists && (!fs::is_regular_file(status) || HasNoWriteBit(status.permissions()))) {
    return false;
  }

  const fs::path temporary = TemporarySibling(path);
  if (temporary.empty()) return false;
  if (!WriteWholeFile(temporary, content)) {
    fs::remove(temporary, error);
    return false;
  }
  if (!exists) {
    fs::rename(temporary, path, error);
    if (!error) return true;
    fs::remove(temporary, error);
    return false;
  }
  if (WriteWholeFile(path, content)) {
    fs::remove(temporary, error);
    return true;
  }
  RecoverFromTemporary(temporary, path, status.permissions());
  return false;
}

void SetStreamWriterForTesting(StreamWriter writer) {
  CurrentWriter() = writer ? std::move(writer) : StreamWriter(WriteAllBytes);
}

}  // namespace safefile
