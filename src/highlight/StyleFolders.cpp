#include "highlight/StyleFolders.h"

#include <set>

#include "support/CodePage.h"
#include "support/OvFile.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kStyles = "Styles";
constexpr const char* kKeyWords = "KeyWords";

bool HasExtension(const fs::path& path, const std::string& extension) {
  return codepage::CompareIgnoreCase(path.extension().string(), extension) == 0;
}

}  // namespace

TStyleFolders::TStyleFolders(std::vector<fs::path> roots) : roots_(std::move(roots)) {}

std::vector<fs::path> TStyleFolders::Files(const std::string& folder,
                                           const std::string& extension) const {
  std::vector<fs::path> files;
  std::set<fs::path> taken;
  for (const fs::path& root : roots_) {
    std::error_code error;
    for (fs::directory_iterator it(root / folder, error), end; !error && it != end;
         it.increment(error)) {
      const fs::path& path = it->path();
      if (!HasExtension(path, extension) || !IsFile(path.string())) continue;
      if (taken.insert(path.filename()).second) files.push_back(path);
    }
  }
  return files;
}

std::string TStyleFolders::Find(const std::string& folder, const std::string& fileName) const {
  for (const fs::path& root : roots_) {
    const fs::path path = root / folder / fileName;
    if (IsFile(path.string())) return path.string();
  }
  return "";
}

std::vector<std::string> TStyleFolders::StyleFiles() const {
  std::vector<std::string> paths;
  for (const fs::path& path : Files(kStyles, ".ini")) paths.push_back(path.string());
  return paths;
}

std::string TStyleFolders::StyleFile(const std::string& name) const {
  const std::string found = Find(kStyles, name);
  if (!found.empty()) return found;
  const fs::path lastRoot = roots_.empty() ? fs::path() : roots_.back();
  return (lastRoot / kStyles / name).string();
}

std::string TStyleFolders::KeyWordList(const std::string& name) const {
  return Find(kKeyWords, name + ".kwf");
}

std::vector<std::string> TStyleFolders::KeyWordListNames() const {
  std::vector<std::string> names;
  for (const fs::path& path : Files(kKeyWords, ".kwf")) names.push_back(path.stem().string());
  return names;
}
