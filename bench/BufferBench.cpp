// Text buffer workloads on a generated 1 000 000-line source file (~100 MB):
// load, save, whole-text read, and the memory a load needs (also for
// 10 000 000 lines).
//
// Memory is per process (VmHWM never goes down), so load_peak_mb and
// loaded_mb come from a fresh copy of this program that only loads the file:
// it is started with SCRIBANT_BENCH_LOAD_FILE naming the file, runs these two
// figures and its output is read back.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Bench.h"
#include "Generate.h"
#include "editor/ScribEditStringList.h"
#include "support/OvFile.h"
#include "support/Utf8.h"

namespace {

constexpr std::size_t kLineCount = 1000000;
constexpr const char* kChildVariable = "SCRIBANT_BENCH_LOAD_FILE";

// "VmHWM" or "VmRSS" of this process in MB, from /proc/self/status.
double StatusMegabytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key + ":", 0) != 0) continue;
    std::istringstream fields(line.substr(key.size() + 1));
    double kilobytes = 0;
    fields >> kilobytes;
    return kilobytes / 1024.0;
  }
  return -1;
}

// A generated document of `lineCount` lines, written once per run.
const TempFile& SourceFileOf(std::size_t lineCount) {
  static std::map<std::size_t, std::unique_ptr<TempFile>> files;
  auto& file = files[lineCount];
  if (!file) {
    file = std::make_unique<TempFile>(GenerateSourceText(lineCount, 20261208));
    std::fprintf(stderr, "# source file: %zu lines, %.1f MB\n", lineCount,
                 static_cast<double>(std::filesystem::file_size(file->Path())) / 1048576.0);
  }
  return *file;
}

const TempFile& SourceFile() {
  return SourceFileOf(kLineCount);
}

TScribEditStringList& LoadedBuffer() {
  static TScribEditStringList lines;
  if (lines.Count() == 0) lines.LoadFromFile(SourceFile().Path());
  return lines;
}

template <typename Work>
double MedianMillisecondsOf(Work&& work) {
  std::vector<double> runs;
  for (int i = 0; i < 3; ++i) runs.push_back(MillisecondsOf(work));
  std::sort(runs.begin(), runs.end());
  return runs[1];
}

// Memory figures `names` of a fresh process loading `file`, by name.
std::map<std::string, double> ChildMemoryFigures(const TempFile& file, const std::string& names) {
  std::map<std::string, double> parsed;
  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  const std::string command =
      std::string(kChildVariable) + "='" + file.Path() + "' '" + self + "' " + names;
  FILE* child = popen(command.c_str(), "r");
  if (child == nullptr) return parsed;
  char name[64];
  double value = 0;
  while (std::fscanf(child, "%63s %lf %*s", name, &value) == 2) parsed[name] = value;
  pclose(child);
  return parsed;
}

// In the child: loads once, keeps the buffer, reports this process's memory.
double ChildMemory(const std::string& key) {
  static TScribEditStringList lines;
  if (lines.Count() == 0) lines.LoadFromFile(std::getenv(kChildVariable));
  return StatusMegabytes(key);
}

double MemoryFigure(const std::string& name, const std::string& statusKey) {
  if (std::getenv(kChildVariable) != nullptr) return ChildMemory(statusKey);
  static const std::map<std::string, double> figures =
      ChildMemoryFigures(SourceFile(), "load_peak_mb loaded_mb");
  const auto found = figures.find(name);
  return found == figures.end() ? -1 : found->second;
}

double LoadedMegabytesOfTenMillionLines() {
  if (std::getenv(kChildVariable) != nullptr) return ChildMemory("VmRSS");
  const auto figures = ChildMemoryFigures(SourceFileOf(10 * kLineCount), "loaded_10m_mb");
  const auto found = figures.find("loaded_10m_mb");
  return found == figures.end() ? -1 : found->second;
}

}  // namespace

SCRIBANT_BENCH_FIGURE("load_ms", "ms", [] {
  const std::string& path = SourceFile().Path();
  return MedianMillisecondsOf([&] {
    TScribEditStringList lines;
    lines.LoadFromFile(path);
  });
});

SCRIBANT_BENCH_FIGURE("load_peak_mb", "MB", [] { return MemoryFigure("load_peak_mb", "VmHWM"); });

SCRIBANT_BENCH_FIGURE("loaded_mb", "MB", [] { return MemoryFigure("loaded_mb", "VmRSS"); });

SCRIBANT_BENCH_FIGURE("loaded_10m_mb", "MB", LoadedMegabytesOfTenMillionLines);

// A save as the program does it: the text joined once, then the file
// replaced; with or without waiting for the disk.
double SaveMilliseconds(bool flushToDisk) {
  const TScribEditStringList& lines = LoadedBuffer();
  const std::string path = SourceFile().Path() + ".saved";
  TFileReplaceOptions options = TFileReplaceOptions::ForCurrentUser();
  options.flushToDisk = flushToDisk;
  const double milliseconds =
      MedianMillisecondsOf([&] { WriteTextFile(path, lines.SaveToString(), true, options); });
  std::filesystem::remove(path);
  return milliseconds;
}

SCRIBANT_BENCH_FIGURE("save_ms", "ms", [] { return SaveMilliseconds(true); });

SCRIBANT_BENCH_FIGURE("save_noflush_ms", "ms", [] { return SaveMilliseconds(false); });

SCRIBANT_BENCH_FIGURE("text_read_ms", "ms", [] {
  const TScribEditStringList& lines = LoadedBuffer();
  std::size_t size = 0;
  const double milliseconds = MedianMillisecondsOf([&] { size += lines.Text().size(); });
  if (size == 0) std::fprintf(stderr, "# empty text\n");
  return milliseconds;
});

SCRIBANT_BENCH_FIGURE("utf8_check_mb_per_s", "MB/s", [] {
  const std::string& text = MixedUtf8Document();
  bool valid = true;
  const double milliseconds = MedianMillisecondsOf([&] { valid = valid && utf8::IsValid(text); });
  if (!valid) std::fprintf(stderr, "# the mixed text is not UTF-8\n");
  return static_cast<double>(text.size()) / 1048576.0 / (milliseconds / 1000.0);
});

SCRIBANT_BENCH_FIGURE("load_utf8_ms", "ms", [] {
  static const TempFile file(MixedUtf8Document());
  return MedianMillisecondsOf([&] {
    TScribEditStringList lines;
    lines.LoadFromFile(file.Path());
    if (lines.Encoding() != TTextEncoding::Utf8) std::fprintf(stderr, "# not loaded as UTF-8\n");
  });
});
