// IniDocument: the text of an INI file, looked up and edited line by line.
//
// Invariants: `lines_` partitions `content_` exactly (each line is its text
// plus its own break: CR LF, CR, LF, or nothing for a last line without one),
// so an edit replaces only the lines it changes and every other byte is kept.
// Names compare case-insensitively in the Windows-1252 code page. Readers see
// a line only up to its first NUL byte.
//
// Format: "[name]" opens a section (blanks around the brackets and the name
// are ignored); "key=value" inside a section is a key, name and value trimmed
// of blanks; lines starting with ";", lines without "=" and keys before the
// first section are ignored. When a section or key appears twice, the first
// one counts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniDocument {
 public:
  explicit IniDocument(std::string content = {});

  const std::string& Content() const { return content_; }

  // The key's value as readers see it: trimmed, one pair of matching outer
  // quotes (double or single) removed. Empty when the key is missing.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;

  // The section's key names in file order, each name once (first spelling).
  std::vector<std::string> KeyNames(std::string_view section) const;

  // Stores `value` as written (no quoting added). An existing key is rewritten
  // in place, a new key goes after the last key line of its section, a new
  // section to the end. Names must be valid for writing (see IsValidKeyName).
  void SetValue(std::string_view section, std::string_view key, std::string_view value);

  // Removes every line of the named keys in the section; returns how many of
  // the names were found.
  int EraseKeys(std::string_view section, const std::vector<std::string>& names);

  // Whether a name survives a write and reads back as the same name.
  static bool IsValidSectionName(std::string_view name);
  static bool IsValidKeyName(std::string_view name);
  static bool IsValidValue(std::string_view value);

 private:
  struct Line {
    std::size_t start;
    std::size_t textLength;
    std::size_t breakLength;
  };
  struct SectionRange {
    std::size_t headerLine;
    std::size_t endLine;  // one past the section's last line
  };

  std::string_view LineText(std::size_t index) const;
  std::string_view LineBreak(std::size_t index) const;
  std::string_view DefaultBreak() const;
  std::optional<SectionRange> FindSection(std::string_view name) const;
  void Splice(std::size_t firstLine, std::size_t removedLines, std::string_view replacement);
  void InsertLineAfter(std::size_t index, std::string_view text);
  void AppendSection(std::string_view section, std::string_view keyLine);
  void SplitLines();

  std::string content_;
  std::vector<Line> lines_;
};
