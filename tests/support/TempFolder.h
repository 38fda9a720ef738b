// A fresh folder under the system's temp folder, removed with its content
// when the object goes; plus whole-file helpers for comparing bytes on disk.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("scribant-support-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

  // Entries other than the given one: leftovers such as temporary files.
  int CountEntries() const {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_)) ++count;
    return count;
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline bool RunningAsRoot() {
  // Probe instead of asking for the user id (no POSIX calls in tests either):
  // a privileged process can open a file that has no write permission.
  namespace fs = std::filesystem;
  const fs::path probe = fs::temp_directory_path() / "scribant-root-probe";
  WriteBytes(probe, "x");
  fs::permissions(probe, fs::perms::owner_read);
  const bool writable = static_cast<bool>(std::ofstream(probe, std::ios::app));
  fs::permissions(probe, fs::perms::owner_all);
  fs::remove(probe);
  return writable;
}
