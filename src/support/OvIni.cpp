#include "support/OvIni.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "support/CharClasses.h"
#include "support/CodePage.h"
#include "support/FileReplace.h"
#include "support/IniFile.h"
#include "support/OvLib.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kReadBufferSize = 512;       // one value read, its NUL included
constexpr std::size_t kKeyListBufferSize = 16384;  // NUL after each name plus a final NUL

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// The file's document: empty when the file is missing or not a file; nothing
// when it exists but cannot be read (writing it then would lose its content).
std::optional<IniDocument> LoadDocument(const std::string& fileName) {
  std::error_code error;
  const fs::file_status status = fs::status(fileName, error);
  if (!fs::is_regular_file(status)) return IniDocument();
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return std::nullopt;
  std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return IniDocument(std::move(content));
}

// Whether the file's place takes a replacement: an existing folder, and a
// writable file or none yet. The write itself may still fail (a full disk).
bool CanReplace(const std::string& fileName) {
  std::error_code error;
  const fs::path path(fileName);
  const fs::file_status status = fs::status(path, error);
  if (fs::exists(status)) return fs::is_regular_file(status) && !IsReadOnly(path);
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  return fs::is_directory(folder, error);
}

// Names that fit the key-list buffer, the way the platform's reader fills it.
std::vector<std::string> KeyNamesWithinBuffer(const IniDocument& document,
                                              std::string_view section) {
  std::vector<std::string> names = document.KeyNames(section);
  std::size_t used = 1;  // the list's final NUL
  std::size_t fitting = 0;
  while (fitting < names.size() && used + names[fitting].size() + 1 <= kKeyListBufferSize) {
    used += names[fitting].size() + 1;
    ++fitting;
  }
  names.resize(fitting);
  return names;
}

// Wraps a value in double quotes when the reader would otherwise trim its
// blanks or strip its own outer quotes.
std::string QuotedForWriting(const std::string& value) {
  const bool blankAtEnd = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
  const bool ownQuotes = value.size() >= 2 && value.front() == value.back() &&
                         (value.front() == '"' || value.front() == '\'');
  return (blankAtEnd || ownQuotes) ? "\"" + value + "\"" : value;
}

std::optional<int> ParseHexadecimal(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : digits) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else {
      return std::nullopt;
    }
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return static_cast<int>(value);  // 0x80000000 and above wrap to negatives
}

std::optional<int> ParseDecimal(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t magnitude = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<int>(negative ? -magnitude : magnitude);
}

// Decimal with an optional sign, or hexadecimal after "$", "x" or "0x".
std::optional<int> ParseInteger(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  auto isX = [](char c) { return c == 'x' || c == 'X'; };
  if (!text.empty() && (text.front() == '$' || isX(text.front()))) {
    return ParseHexadecimal(text.substr(1));
  }
  if (text.size() >= 2 && text[0] == '0' && isX(text[1])) return ParseHexadecimal(text.substr(2));
  return ParseDecimal(text);
}

std::string HexDigits(std::uint32_t value) {
  std::ostringstream out;
  out << std::uppercase << std::hex << value;
  return out.str();
}

}  // namespace

TOvIni::TOvIni(std::string fileName) : fileName_(std::move(fileName)) {}

TOvIni::~TOvIni() {
  Flush();
}

void TOvIni::SetFileName(const std::string& fileName) {
  Flush();
  fileName_ = fileName;
  loaded_ = false;
  document_.reset();
}

bool TOvIni::Flush() {
  if (!changed_) return true;
  changed_ = false;
  if (ReplaceFileContent(fileName_, document_->Content()).Succeeded()) return true;
  // Later reads must not show what never reached the file.
  loaded_ = false;
  document_.reset();
  return false;
}

IniDocument* TOvIni::Document() {
  if (!loaded_) {
    document_ = LoadDocument(fileName_);
    loaded_ = true;
  }
  return document_ ? &*document_ : nullptr;
}

IniDocument* TOvIni::DocumentToChange() {
  IniDocument* document = Document();
  return document && CanReplace(fileName_) ? document : nullptr;
}

std::string TOvIni::ReadString(const std::string& section, const std::string& key,
                               const std::string& defaultValue) {
  const std::string_view sectionName = TrimBlanks(section);
  const std::string_view keyName = TrimBlanks(key);
  if (sectionName.empty() || keyName.empty()) return "";
  const IniDocument* document = Document();
  if (!document) return defaultValue;
  const auto value = document->Value(sectionName, keyName);
  if (!value) return defaultValue;
  return value->substr(0, kReadBufferSize - 1);
}

int TOvIni::ReadInteger(const std::string& section, const std::string& key, int defaultValue) {
  return ParseInteger(ReadString(section, key, "")).value_or(defaultValue);
}

bool TOvIni::ReadBool(const std::string& section, const std::string& key, bool defaultValue) {
  const std::string text = ReadString(section, key, "");
  if (text.empty()) return defaultValue;
  return text == "1" || codepage::CompareIgnoreCase(text, "true") == 0;
}

bool TOvIni::WriteString(const std::string& section, const std::string& key,
                         const std::string& value) {
  const std::string_view sectionName = TrimBlanks(section);
  const std::string_view keyName = TrimBlanks(key);
  if (!IniDocument::IsValidSectionName(sectionName) || !IniDocument::IsValidKeyName(keyName) ||
      !IniDocument::IsValidValue(value)) {
    return false;
  }
  IniDocument* document = DocumentToChange();
  if (!document) return false;
  document->SetValue(sectionName, keyName, QuotedForWriting(value));
  changed_ = true;
  return true;
}

bool TOvIni::WriteInteger(const std::string& section, const std::string& key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool TOvIni::WriteHexInteger(const std::string& section, const std::string& key,
                             const std::string& hexPrefix, int value) {
  return WriteString(section, key, hexPrefix + HexDigits(static_cast<std::uint32_t>(value)));
}

bool TOvIni::WriteBool(const std::string& section, const std::string& key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

int TOvIni::ReadSectionKeys(const std::string& section, std::vector<std::string>& keys) {
  keys.clear();
  const std::string_view sectionName = TrimBlanks(section);
  if (sectionName.empty()) return 0;
  if (const IniDocument* document = Document()) {
    keys = KeyNamesWithinBuffer(*document, sectionName);
  }
  return static_cast<int>(keys.size());
}

int TOvIni::EraseSectionKeys(const std::string& section) {
  const std::string_view sectionName = TrimBlanks(section);
  if (sectionName.empty()) return 0;
  IniDocument* document = DocumentToChange();
  if (!document) return 0;
  const std::vector<std::string> names = KeyNamesWithinBuffer(*document, sectionName);
  const int erased = document->EraseKeys(sectionName, names);
  changed_ = changed_ || erased > 0;
  return erased;
}
