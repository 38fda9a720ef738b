// Helpers shared by the fuzz targets.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// A broken property stops the run with a message, so libFuzzer keeps the input.
inline void Expect(bool condition, const char* property) {
  if (condition) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

// A folder of this process's own for the files a target writes, removed at exit.
inline const std::filesystem::path& FuzzFolder() {
  static const std::filesystem::path folder = [] {
    auto path =
        std::filesystem::temp_directory_path() / ("scribant-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(FuzzFolder(), ignored);
    });
    return path;
  }();
  return folder;
}
