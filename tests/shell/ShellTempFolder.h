// A fresh temporary folder per test, removed afterwards, with small helpers
// to put files in it and take a snapshot of everything below it.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>

class ShellTempFolder {
 public:
  ShellTempFolder() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("scribant-shell-test-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(path_);
  }
  ~ShellTempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  ShellTempFolder(const ShellTempFolder&) = delete;
  ShellTempFolder& operator=(const ShellTempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  static void Write(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
  }
  static std::string Read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  // Every entry below the folder: relative path -> content ("<dir>" for folders).
  std::map<std::string, std::string> Snapshot() const {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_)) {
      std::string name = std::filesystem::relative(entry.path(), path_).generic_string();
      entries[name] = entry.is_directory() ? "<dir>" : Read(entry.path());
    }
    return entries;
  }

 private:
  std::filesystem::path path_;
};
