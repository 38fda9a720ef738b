#include "support/IniFile.h"

#include <unordered_set>

#include "support/CharClasses.h"
#include "support/CodePage.h"

namespace {

enum class LineKind { kOther, kSection, kKey };

struct ParsedLine {
  LineKind kind = LineKind::kOther;
  std::string_view name;
  std::string_view value;
  std::size_t equalsOffset = 0;  // of a key line, within the line's text
};

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view StripOuterQuotes(std::string_view value) {
  if (value.size() >= 2 && value.front() == value.back() &&
      (value.front() == '"' || value.front() == '\'')) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

ParsedLine ParseLine(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  ParsedLine parsed;
  const std::string_view content = Trim(text);
  if (content.empty() || content.front() == ';') return parsed;
  if (content.front() == '[') {
    const std::size_t close = content.rfind(']');
    if (close == std::string_view::npos) return parsed;
    parsed.kind = LineKind::kSection;
    parsed.name = Trim(content.substr(1, close - 1));
    return parsed;
  }
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return parsed;
  parsed.name = Trim(text.substr(0, equals));
  if (parsed.name.empty()) return parsed;
  parsed.kind = LineKind::kKey;
  parsed.value = Trim(text.substr(equals + 1));
  parsed.equalsOffset = equals;
  return parsed;
}

bool NamesEqual(std::string_view a, std::string_view b) {
  return codepage::CompareIgnoreCase(a, b) == 0;
}

bool HasAnyOf(std::string_view text, std::string_view characters) {
  return text.find_first_of(characters) != std::string_view::npos;
}

// CR, LF and NUL would split or cut the line that holds the name or value.
constexpr std::string_view kLineBreakers("\r\n\0", 3);

bool IsValidName(std::string_view name) {
  return !name.empty() && Trim(name) == name && !HasAnyOf(name, kLineBreakers) &&
         !HasAnyOf(name, "=]");
}

}  // namespace

IniDocument::IniDocument(std::string content) : content_(std::move(content)) {
  SplitLines();
}

bool IniDocument::IsValidSectionName(std::string_view name) {
  return IsValidName(name);
}

bool IniDocument::IsValidKeyName(std::string_view name) {
  // A key starting like a comment or a section header would not read back.
  return IsValidName(name) && name.front() != ';' && name.front() != '[';
}

bool IniDocument::IsValidValue(std::string_view value) {
  return !HasAnyOf(value, kLineBreakers);
}

std::optional<std::string> IniDocument::Value(std::string_view section,
                                              std::string_view key) const {
  const auto range = FindSection(section);
  if (!range) return std::nullopt;
  for (std::size_t i = range->headerLine + 1; i < range->endLine; ++i) {
    const ParsedLine line = ParseLine(LineText(i));
    if (line.kind == LineKind::kKey && NamesEqual(line.name, key)) {
      return std::string(StripOuterQuotes(line.value));
    }
  }
  return std::nullopt;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  const auto range = FindSection(section);
  if (!range) return names;
  std::unordered_set<std::string> seen;
  for (std::size_t i = range->headerLine + 1; i < range->endLine; ++i) {
    const ParsedLine line = ParseLine(LineText(i));
    if (line.kind == LineKind::kKey && seen.insert(codepage::UpperCase(line.name)).second) {
      names.emplace_back(line.name);
    }
  }
  return names;
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  const auto range = FindSection(section);
  const std::string keyLine = std::string(key) + "=" + std::string(value);
  if (!range) {
    AppendSection(section, keyLine);
    return;
  }
  std::size_t lastKeyLine = range->headerLine;
  for (std::size_t i = range->headerLine + 1; i < range->endLine; ++i) {
    const ParsedLine line = ParseLine(LineText(i));
    if (line.kind != LineKind::kKey) continue;
    if (NamesEqual(line.name, key)) {
      // Keep the key's own spelling and spacing before "=".
      const std::string rewritten = std::string(LineText(i).substr(0, line.equalsOffset + 1)) +
                                    std::string(value) + std::string(LineBreak(i));
      Splice(i, 1, rewritten);
      return;
    }
    lastKeyLine = i;
  }
  InsertLineAfter(lastKeyLine, keyLine);
}

int IniDocument::EraseKeys(std::string_view section, const std::vector<std::string>& names) {
  const auto range = FindSection(section);
  if (!range) return 0;
  std::unordered_set<std::string> wanted;
  for (const std::string& name : names) wanted.insert(codepage::UpperCase(name));
  std::unordered_set<std::string> erased;
  std::string kept;
  for (std::size_t i = range->headerLine + 1; i < range->endLine; ++i) {
    const ParsedLine line = ParseLine(LineText(i));
    if (line.kind == LineKind::kKey) {
      std::string folded = codepage::UpperCase(line.name);
      if (wanted.count(folded) != 0) {
        erased.insert(std::move(folded));
        continue;
      }
    }
    kept.append(content_, lines_[i].start, lines_[i].textLength + lines_[i].breakLength);
  }
  if (!erased.empty()) {
    Splice(range->headerLine + 1, range->endLine - range->headerLine - 1, kept);
  }
  return static_cast<int>(erased.size());
}

std::string_view IniDocument::LineText(std::size_t index) const {
  return std::string_view(content_).substr(lines_[index].start, lines_[index].textLength);
}

std::string_view IniDocument::LineBreak(std::size_t index) const {
  const Line& line = lines_[index];
  return std::string_view(content_).substr(line.start + line.textLength, line.breakLength);
}

std::string_view IniDocument::DefaultBreak() const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].breakLength != 0) return LineBreak(i);
  }
  return "\r\n";
}

std::optional<IniDocument::SectionRange> IniDocument::FindSection(std::string_view name) const {
  std::optional<SectionRange> found;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const ParsedLine line = ParseLine(LineText(i));
    if (line.kind != LineKind::kSection) continue;
    if (found) {
      found->endLine = i;
      return found;
    }
    if (NamesEqual(line.name, name)) found = SectionRange{i, lines_.size()};
  }
  return found;
}

void IniDocument::Splice(std::size_t firstLine, std::size_t removedLines,
                         std::string_view replacement) {
  auto offsetOfLine = [this](std::size_t index) {
    return index < lines_.size() ? lines_[index].start : content_.size();
  };
  const std::size_t from = offsetOfLine(firstLine);
  const std::size_t to = offsetOfLine(firstLine + removedLines);
  content_.replace(from, to - from, replacement);
  SplitLines();
}

void IniDocument::InsertLineAfter(std::size_t index, std::string_view text) {
  const std::string lineBreak(LineBreak(index));
  if (!lineBreak.empty()) {
    Splice(index + 1, 0, std::string(text) + lineBreak);
    return;
  }
  // The last line had no break: it gets one, and so does the new line.
  const std::string defaultBreak(DefaultBreak());
  Splice(index, 1, std::string(LineText(index)) + defaultBreak + std::string(text) + defaultBreak);
}

void IniDocument::AppendSection(std::string_view section, std::string_view keyLine) {
  const std::string lineBreak(DefaultBreak());
  std::string added;
  if (!lines_.empty() && lines_.back().breakLength == 0) added += lineBreak;
  added += "[" + std::string(section) + "]" + lineBreak + std::string(keyLine) + lineBreak;
  content_ += added;
  SplitLines();
}

void IniDocument::SplitLines() {
  lines_.clear();
  std::size_t start = 0;
  while (start < content_.size()) {
    const std::size_t breakAt = content_.find_first_of("\r\n", start);
    if (breakAt == std::string::npos) {
      lines_.push_back({start, content_.size() - start, 0});
      break;
    }
    const bool crlf =
        content_[breakAt] == '\r' && breakAt + 1 < content_.size() && content_[breakAt + 1] == '\n';
    const std::size_t breakLength = crlf ? 2 : 1;
    lines_.push_back({start, breakAt - start, breakLength});
    start = breakAt + breakLength;
  }
}
