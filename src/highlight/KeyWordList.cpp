#include "highlight/KeyWordList.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <limits>

#include "support/CodePage.h"
#include "support/OvFile.h"

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return codepage::CompareIgnoreCase(a, b) < 0;
}

// The code page's upper-case table, copied once so the search loop can inline it.
const std::array<unsigned char, 256>& UpperTable() {
  static const std::array<unsigned char, 256> table = [] {
    std::array<unsigned char, 256> upper{};
    for (int c = 0; c < 256; ++c) upper[c] = codepage::ToUpper(static_cast<unsigned char>(c));
    return upper;
  }();
  return table;
}

// codepage::CompareIgnoreCase of an entry, given upper-cased, with a word.
int CompareFolded(std::string_view foldedEntry, std::string_view word,
                  const std::array<unsigned char, 256>& upper) {
  const std::size_t common = std::min(foldedEntry.size(), word.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int x = static_cast<unsigned char>(foldedEntry[i]);
    const int y = upper[static_cast<unsigned char>(word[i])];
    if (x != y) return x - y;
  }
  if (foldedEntry.size() == word.size()) return 0;
  return foldedEntry.size() < word.size() ? -1 : 1;
}

}  // namespace

bool TKeyWordList::Add(const std::string& word) {
  const auto position = std::lower_bound(entries_.begin(), entries_.end(), word, LessIgnoringCase);
  if (position != entries_.end() && codepage::CompareIgnoreCase(*position, word) == 0) return false;
  source_.reset();
  foldedEntries_.insert(foldedEntries_.begin() + (position - entries_.begin()),
                        codepage::UpperCase(word));
  entries_.insert(position, word);
  Summarise(word);
  return true;
}

void TKeyWordList::Clear() {
  source_.reset();
  entries_.clear();
  foldedEntries_.clear();
  ResetSummary();
}

void TKeyWordList::Assign(std::vector<std::string> words) {
  source_.reset();
  // Sorting the upper-cased forms byte-wise gives the case-insensitive order
  // without folding every byte again in each comparison.
  std::vector<std::string> folded;
  folded.reserve(words.size());
  for (const auto& word : words) folded.push_back(codepage::UpperCase(word));
  std::vector<std::size_t> order(words.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  // A stable sort keeps equal words in their original order, so the first one stays.
  std::stable_sort(order.begin(), order.end(),
                   [&folded](std::size_t a, std::size_t b) { return folded[a] < folded[b]; });
  entries_.clear();
  foldedEntries_.clear();
  ResetSummary();
  for (const std::size_t index : order) {
    if (!foldedEntries_.empty() && foldedEntries_.back() == folded[index]) continue;
    foldedEntries_.push_back(std::move(folded[index]));
    entries_.push_back(std::move(words[index]));
    Summarise(entries_.back());
  }
}

std::optional<TKeyWordList::Source> TKeyWordList::SourceOf(const std::string& path) {
  std::error_code error;
  Source source{path, std::filesystem::file_size(path, error), {}};
  if (error) return std::nullopt;
  source.time = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  return source;
}

bool TKeyWordList::LoadFromFile(const std::string& path) {
  std::optional<Source> source = IsFile(path) ? SourceOf(path) : std::nullopt;
  if (source && source == source_) return true;
  Clear();
  if (!IsRegularFile(path)) return false;
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) return false;
  Assign(SplitKeyWordFileLines(text));
  source_ = std::move(source);
  return true;
}

// Case-insensitive order first and, with exact case, the bytes as a tie-break,
// so that the exact comparison agrees with the order the list is kept in.
bool TKeyWordList::Contains(std::string_view word, bool exactCase) const {
  if (!MayContain(word)) return false;
  const auto& upper = UpperTable();
  int low = 0;
  int high = Count() - 1;
  while (low <= high) {
    const int middle = low + (high - low) / 2;
    int comparison = CompareFolded(foldedEntries_[middle], word, upper);
    if (comparison == 0 && exactCase) comparison = codepage::CompareExact(entries_[middle], word);
    if (comparison == 0) return true;
    if (comparison > 0) {
      high = middle - 1;
    } else {
      low = middle + 1;
    }
  }
  return false;
}

void TKeyWordList::Summarise(const std::string& word) {
  shortest_ = std::min(shortest_, word.size());
  longest_ = std::max(longest_, word.size());
  if (word.empty()) return;
  const unsigned char folded = UpperTable()[static_cast<unsigned char>(word.front())];
  if (foldedFirstBytes_.test(folded)) return;  // its whole case class is marked already
  foldedFirstBytes_.set(folded);
  for (int c = 0; c < 256; ++c) {
    if (UpperTable()[c] == folded) firstBytes_.set(c);
  }
}

void TKeyWordList::ResetSummary() {
  shortest_ = std::numeric_limits<std::size_t>::max();
  longest_ = 0;
  firstBytes_.reset();
  foldedFirstBytes_.reset();
}

std::vector<std::string> SplitKeyWordFileLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}
