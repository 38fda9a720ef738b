#include "desktop/MimeGlobs.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

#include "desktop/TextFiles.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kMaxGlobsBytes = 32u * 1024 * 1024;

struct GlobMatch {
  int weight = -1;
  std::string mimeType;
};

std::string AsciiLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return text;
}

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    std::size_t end = line.find(':', start);
    fields.push_back(
        line.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return fields;
    start = end + 1;
  }
}

std::optional<int> ParseWeight(const std::string& text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int weight = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    weight = weight * 10 + (c - '0');
  }
  return weight;
}

struct ExtensionGlob {
  int weight;
  std::string mimeType;
  std::string extension;  // of a "*.ext" glob
  bool caseSensitive;
};

// The "*.ext" globs of one globs2 text, in file order.
std::vector<ExtensionGlob> ExtensionGlobs(const std::string& text) {
  std::vector<ExtensionGlob> globs;
  for (std::string_view lineView : SplitAtLineFeeds(text)) {
    const std::string line(lineView);
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> fields = SplitFields(line);
    if (fields.size() < 3 || fields[2].size() < 3 || fields[2].compare(0, 2, "*.") != 0) continue;
    std::optional<int> weight = ParseWeight(fields[0]);
    if (!weight || fields[1].find('/') == std::string::npos) continue;
    const bool caseSensitive = fields.size() > 3 && fields[3].find("cs") != std::string::npos;
    globs.push_back({*weight, fields[1], fields[2].substr(2), caseSensitive});
  }
  return globs;
}

// Updates the best match of every extension from one globs2 text.
void ScanGlobs(const std::string& text, const std::vector<std::string>& extensions,
               std::vector<GlobMatch>& best) {
  const std::vector<ExtensionGlob> globs = ExtensionGlobs(text);
  // The database repeats each case-sensitive glob without its flags for
  // readers that know no flags; that copy must not match other cases.
  std::set<std::pair<std::string, std::string>> caseSensitiveGlobs;
  for (const ExtensionGlob& glob : globs)
    if (glob.caseSensitive) caseSensitiveGlobs.insert({glob.mimeType, glob.extension});
  for (const ExtensionGlob& glob : globs) {
    const bool caseSensitive =
        glob.caseSensitive || caseSensitiveGlobs.contains({glob.mimeType, glob.extension});
    for (std::size_t i = 0; i < extensions.size(); ++i) {
      const bool same = caseSensitive ? glob.extension == extensions[i]
                                      : AsciiLower(glob.extension) == AsciiLower(extensions[i]);
      if (same && glob.weight > best[i].weight) best[i] = {glob.weight, glob.mimeType};
    }
  }
}

}  // namespace

std::vector<std::string> MimeTypesForExtensions(const std::vector<fs::path>& dataFolders,
                                                const std::vector<std::string>& extensions) {
  std::vector<GlobMatch> best(extensions.size());
  for (const fs::path& folder : dataFolders)
    if (std::optional<std::string> text = ReadSmallFile(folder / "mime" / "globs2", kMaxGlobsBytes))
      ScanGlobs(*text, extensions, best);
  std::vector<std::string> types;
  for (const GlobMatch& match : best)
    if (match.weight >= 0 && std::find(types.begin(), types.end(), match.mimeType) == types.end())
      types.push_back(match.mimeType);
  return types;
}
