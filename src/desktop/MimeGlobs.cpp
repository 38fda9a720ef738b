#include "desktop/MimeGlobs.h"

#include <algorithm>
#include <optional>

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

// Updates the best match of every extension from one globs2 text.
void ScanGlobs(const std::string& text, const std::vector<std::string>& extensions,
               std::vector<GlobMatch>& best) {
  for (std::string_view lineView : SplitAtLineFeeds(text)) {
    const std::string line(lineView);
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> fields = SplitFields(line);
    if (fields.size() < 3 || fields[2].size() < 3 || fields[2].compare(0, 2, "*.") != 0) continue;
    std::optional<int> weight = ParseWeight(fields[0]);
    if (!weight || fields[1].find('/') == std::string::npos) continue;
    bool caseSensitive = fields.size() > 3 && fields[3].find("cs") != std::string::npos;
    std::string globExtension = fields[2].substr(2);
    for (std::size_t i = 0; i < extensions.size(); ++i) {
      bool same = caseSensitive ? globExtension == extensions[i]
                                : AsciiLower(globExtension) == AsciiLower(extensions[i]);
      if (same && *weight > best[i].weight) best[i] = {*weight, fields[1]};
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
