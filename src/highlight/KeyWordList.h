// TKeyWordList: the highlighter's keyword list. Invariants: the entries are
// sorted case-insensitively (code-page folding) and no two are equal ignoring
// case (the first one added stays). A summary of the entries (lengths and
// first bytes) lets a lookup reject most words before searching.
#pragma once

#include <bitset>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TKeyWordList {
 public:
  int Count() const { return static_cast<int>(entries_.size()); }
  const std::string& operator[](int index) const { return entries_[index]; }
  const std::vector<std::string>& Entries() const { return entries_; }

  // Inserts in order; returns false (and keeps the list) for a duplicate.
  bool Add(const std::string& word);
  void Clear();
  // Replaces the entries with `words`, sorted, the first of equal ones kept.
  void Assign(std::vector<std::string> words);
  // Replaces the entries with the lines of the file (CR LF, CR or LF breaks,
  // lines kept untrimmed). A file that cannot be read leaves the list empty.
  // Loading the file the list already holds, unchanged since, reads nothing.
  bool LoadFromFile(const std::string& path);

  // Binary search; with `exactCase` a word must also match the kept spelling.
  bool Contains(std::string_view word, bool exactCase) const;

 private:
  bool MayContain(std::string_view word) const {
    if (word.size() < shortest_ || word.size() > longest_) return false;
    return word.empty() || firstBytes_.test(static_cast<unsigned char>(word.front()));
  }
  void Summarise(const std::string& word);
  void ResetSummary();

  // The file the entries were loaded from, as it was then; empty after any other change.
  struct Source {
    std::string path;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time;
    bool operator==(const Source&) const = default;
  };
  static std::optional<Source> SourceOf(const std::string& path);

  std::optional<Source> source_;
  std::vector<std::string> entries_;
  std::vector<std::string> foldedEntries_;  // entries_ upper-cased, for the search
  std::size_t shortest_ = static_cast<std::size_t>(-1);
  std::size_t longest_ = 0;
  std::bitset<256> firstBytes_;        // each entry's first byte and every byte that folds like it
  std::bitset<256> foldedFirstBytes_;  // the upper-case forms already marked
};

// The lines of `text`, split at CR LF, CR or LF; a final break adds no empty line.
std::vector<std::string> SplitKeyWordFileLines(std::string_view text);
