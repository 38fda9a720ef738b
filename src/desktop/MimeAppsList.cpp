#include "desktop/MimeAppsList.h"

#include "desktop/TextFiles.h"

namespace {

std::string Trimmed(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool IsHeader(const std::string& line) {
  std::string trimmed = Trimmed(line);
  return trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']';
}

bool IsBlankOrComment(const std::string& line) {
  std::string trimmed = Trimmed(line);
  return trimmed.empty() || trimmed.front() == '#';
}

// The key of a "key=value" line, or nothing.
std::optional<std::string> KeyOf(const std::string& line) {
  if (IsBlankOrComment(line) || IsHeader(line)) return std::nullopt;
  std::size_t equals = line.find('=');
  if (equals == std::string::npos) return std::nullopt;
  return Trimmed(line.substr(0, equals));
}

}  // namespace

TMimeAppsList::TMimeAppsList(const std::string& text) {
  for (std::string_view line : SplitAtLineFeeds(text)) lines_.emplace_back(line);
}

std::optional<TMimeAppsList::Span> TMimeAppsList::FindSection(const std::string& section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (!IsHeader(lines_[i]) || Trimmed(lines_[i]) != "[" + section + "]") continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && !IsHeader(lines_[end])) ++end;
    return Span{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> TMimeAppsList::FindKey(const Span& span, const std::string& key) const {
  for (std::size_t i = span.header + 1; i < span.end; ++i)
    if (KeyOf(lines_[i]) == key) return i;
  return std::nullopt;
}

std::optional<std::string> TMimeAppsList::Get(const std::string& section,
                                              const std::string& key) const {
  std::optional<Span> span = FindSection(section);
  if (!span) return std::nullopt;
  std::optional<std::size_t> line = FindKey(*span, key);
  if (!line) return std::nullopt;
  const std::string& text = lines_[*line];
  return Trimmed(text.substr(text.find('=') + 1));
}

void TMimeAppsList::Set(const std::string& section, const std::string& key,
                        const std::string& value) {
  std::string line = key + "=" + value;
  std::optional<Span> span = FindSection(section);
  if (!span) {
    if (!lines_.empty() && !Trimmed(lines_.back()).empty()) lines_.push_back("");
    lines_.push_back("[" + section + "]");
    lines_.push_back(line);
    return;
  }
  if (std::optional<std::size_t> existing = FindKey(*span, key)) {
    lines_[*existing] = line;
    return;
  }
  // After the section's last non-blank line, so blank separators stay below it.
  std::size_t at = span->end;
  while (at > span->header + 1 && Trimmed(lines_[at - 1]).empty()) --at;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
}

bool TMimeAppsList::Remove(const std::string& section, const std::string& key) {
  std::optional<Span> span = FindSection(section);
  if (!span) return false;
  std::optional<std::size_t> line = FindKey(*span, key);
  if (!line) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
  span->end--;
  bool sectionEmpty = true;
  for (std::size_t i = span->header + 1; i < span->end; ++i)
    if (!Trimmed(lines_[i]).empty()) sectionEmpty = false;
  if (sectionEmpty) {
    auto first = lines_.begin() + static_cast<std::ptrdiff_t>(span->header);
    lines_.erase(first, first + static_cast<std::ptrdiff_t>(span->end - span->header));
    // Drop the blank line that separated the removed section from the one above.
    if (span->header > 0 && span->header == lines_.size() && Trimmed(lines_.back()).empty())
      lines_.pop_back();
  }
  return true;
}

bool TMimeAppsList::HasEntries() const {
  for (const std::string& line : lines_)
    if (KeyOf(line)) return true;
  return false;
}

std::string TMimeAppsList::Text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\n";
  return text;
}
