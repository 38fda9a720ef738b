#include "support/FileKeptCopies.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "support/PosixFileOps.h"

namespace fs = std::filesystem;

namespace {

const std::string kCopyPrefix = "copy-";
const std::string kTargetSuffix = ".target";

fs::path NoteOf(const fs::path& copy) {
  return fs::path(copy.string() + kTargetSuffix);
}

int CreatePrivateFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return error.value();
  return ::chmod(folder.c_str(), 0700) == 0 ? 0 : errno;
}

int WriteNote(const fs::path& note, const fs::path& target) {
  TFileDescriptor file(::open(note.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
  if (!file.IsOpen()) return errno;
  if (const int error = WriteAll(file.Get(), target.string())) return error;
  if (const int error = FlushIfAsked(file.Get(), true)) return error;
  return file.Close();
}

// The process id written into a copy's name, or 0 when the name has none.
pid_t WriterOf(const fs::path& copy) {
  const std::string name = copy.filename().string();
  if (!name.starts_with(kCopyPrefix)) return 0;
  try {
    return static_cast<pid_t>(std::stol(name.substr(kCopyPrefix.size())));
  } catch (const std::exception&) {
    return 0;
  }
}

bool IsRunningElsewhere(pid_t pid) {
  return pid > 0 && pid != ::getpid() && (::kill(pid, 0) == 0 || errno == EPERM);
}

std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The copy's bytes, or nothing when they cannot all be read: a partial read
// must never be written over the target.
std::optional<std::string> ReadCopy(const fs::path& copy) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(copy, error);
  if (error) return std::nullopt;
  std::string bytes = ReadWhole(copy);
  if (bytes.size() != size) return std::nullopt;
  return bytes;
}

}  // namespace

int KeepCopy(int sourceFd, const fs::path& target, const fs::path& stateFolder, TKeptCopy& kept) {
  if (const int error = CreatePrivateFolder(stateFolder)) return error;
  std::string pattern =
      (stateFolder / (kCopyPrefix + std::to_string(::getpid()) + "-XXXXXX")).string();
  TFileDescriptor copy = CreateUniqueFile(pattern);
  if (!copy.IsOpen()) return errno;
  kept = TKeptCopy{pattern, target};
  int error = CopyContent(sourceFd, copy.Get());
  if (error == 0) error = FlushIfAsked(copy.Get(), true);
  if (error == 0) error = copy.Close();
  if (error == 0) error = WriteNote(NoteOf(kept.copy), target);
  if (error == 0) error = FlushFolder(stateFolder);
  if (error != 0) DiscardKeptCopy(kept);
  return error;
}

void DiscardKeptCopy(const TKeptCopy& kept) {
  ::unlink(NoteOf(kept.copy).c_str());
  ::unlink(kept.copy.c_str());
}

std::vector<TKeptCopy> KeptCopies(const fs::path& stateFolder) {
  std::vector<std::pair<fs::file_time_type, TKeptCopy>> found;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(stateFolder, error)) {
    const fs::path copy = entry.path();
    if (!copy.filename().string().starts_with(kCopyPrefix) || copy.extension() == kTargetSuffix)
      continue;
    const fs::path note = NoteOf(copy);
    if (!fs::is_regular_file(note, error) || IsRunningElsewhere(WriterOf(copy))) continue;
    found.emplace_back(fs::last_write_time(note, error), TKeptCopy{copy, ReadWhole(note)});
  }
  std::sort(found.begin(), found.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<TKeptCopy> copies;
  for (auto& [time, kept] : found) copies.push_back(std::move(kept));
  return copies;
}

TFileReplaceResult RestoreKeptCopy(const TKeptCopy& kept, const TFileReplaceOptions& options) {
  const std::optional<std::string> bytes = ReadCopy(kept.copy);
  if (!bytes) return {EIO};
  const TFileReplaceResult result = ReplaceFileContent(kept.target, *bytes, options);
  if (result.Succeeded()) DiscardKeptCopy(kept);
  return result;
}
