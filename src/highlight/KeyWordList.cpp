#include "highlight/KeyWordList.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>

#include "support/CodePage.h"
#include "support/OvFile.h"

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return codepage::CompareIgnoreCase(a, b) < 0;
}

// Case-insensitive order first and the exact bytes as a tie-break, so that the
// exact comparison agrees with the order the list is kept in.
int CompareKeyWord(std::string_view entry, std::string_view word, bool exactCase) {
  const int folded = codepage::CompareIgnoreCase(entry, word);
  if (folded != 0 || !exactCase) return folded;
  return codepage::CompareExact(entry, word);
}

}  // namespace

bool TKeyWordList::Add(const std::string& word) {
  const auto position = std::lower_bound(entries_.begin(), entries_.end(), word, LessIgnoringCase);
  if (position != entries_.end() && codepage::CompareIgnoreCase(*position, word) == 0) return false;
  entries_.insert(position, word);
  Summarise(word);
  return true;
}

void TKeyWordList::Clear() {
  entries_.clear();
  ResetSummary();
}

void TKeyWordList::Assign(std::vector<std::string> words) {
  // A stable sort keeps equal words in their original order, so unique keeps the first.
  std::stable_sort(words.begin(), words.end(), LessIgnoringCase);
  const auto last = std::unique(words.begin(), words.end(), [](const auto& a, const auto& b) {
    return codepage::CompareIgnoreCase(a, b) == 0;
  });
  words.erase(last, words.end());
  entries_ = std::move(words);
  ResetSummary();
  for (const auto& word : entries_) Summarise(word);
}

bool TKeyWordList::LoadFromFile(const std::string& path) {
  Clear();
  if (!IsFile(path)) return false;
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) return false;
  Assign(SplitLines(text));
  return true;
}

bool TKeyWordList::Contains(std::string_view word, bool exactCase) const {
  if (!MayContain(word)) return false;
  int low = 0;
  int high = Count() - 1;
  while (low <= high) {
    const int middle = low + (high - low) / 2;
    const int comparison = CompareKeyWord(entries_[middle], word, exactCase);
    if (comparison == 0) return true;
    if (comparison > 0) {
      high = middle - 1;
    } else {
      low = middle + 1;
    }
  }
  return false;
}

bool TKeyWordList::MayContain(std::string_view word) const {
  if (entries_.empty() || word.size() < shortest_ || word.size() > longest_) return false;
  if (word.empty()) return true;
  const auto first = static_cast<unsigned char>(word.front());
  return firstBytes_.test(first) || firstBytes_.test(codepage::ToUpper(first)) ||
         firstBytes_.test(codepage::ToLower(first));
}

void TKeyWordList::Summarise(const std::string& word) {
  shortest_ = std::min(shortest_, word.size());
  longest_ = std::max(longest_, word.size());
  if (word.empty()) return;
  const auto first = static_cast<unsigned char>(word.front());
  firstBytes_.set(first);
  firstBytes_.set(codepage::ToUpper(first));
  firstBytes_.set(codepage::ToLower(first));
}

void TKeyWordList::ResetSummary() {
  shortest_ = std::numeric_limits<std::size_t>::max();
  longest_ = 0;
  firstBytes_.reset();
}

std::vector<std::string> SplitLines(std::string_view text) {
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
