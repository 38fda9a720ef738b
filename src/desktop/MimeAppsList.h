// A user's mimeapps.list held as its lines. Edits touch only the key lines
// they name; every other line, comment and section stays as it was.
#pragma once

#include <optional>
#include <string>
#include <vector>

inline const std::string kDefaultApplicationsSection = "Default Applications";

class TMimeAppsList {
 public:
  explicit TMimeAppsList(const std::string& text);

  std::optional<std::string> Get(const std::string& section, const std::string& key) const;
  // Replaces the key's line, or adds one at the end of the section (the
  // section itself is added at the end of the file when missing).
  void Set(const std::string& section, const std::string& key, const std::string& value);
  // Removes the key's line; a section left without lines loses its header too.
  bool Remove(const std::string& section, const std::string& key);
  bool HasEntries() const;
  std::string Text() const;

 private:
  struct Span {
    std::size_t header;  // index of the "[section]" line
    std::size_t end;     // one past its last line
  };
  std::optional<Span> FindSection(const std::string& section) const;
  std::optional<std::size_t> FindKey(const Span& span, const std::string& key) const;

  std::vector<std::string> lines_;
};
