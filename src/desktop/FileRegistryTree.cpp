#include "desktop/FileRegistryTree.h"

#include <algorithm>
#include <optional>

#include "desktop/TextFiles.h"
#include "support/CodePage.h"

namespace file_registry {

namespace {

constexpr std::string_view kClassesRootName = "HKEY_CLASSES_ROOT";
constexpr std::string_view kCurrentUserName = "HKEY_CURRENT_USER";
constexpr char kHexDigits[] = "0123456789abcdef";

bool NameLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return codepage::ToUpper(static_cast<unsigned char>(x)) <
           codepage::ToUpper(static_cast<unsigned char>(y));
  });
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AppendHexByte(std::string& out, unsigned char byte) {
  out += kHexDigits[byte >> 4];
  out += kHexDigits[byte & 15];
}

bool IsControl(unsigned char c) {
  return c < 0x20 || c == 0x7F;
}

// Key names: '%', the brackets and control bytes become %HH.
std::string EscapeKeyName(std::string_view name) {
  std::string out;
  for (unsigned char c : name) {
    if (IsControl(c) || c == '%' || c == '[' || c == ']') {
      out += '%';
      AppendHexByte(out, c);
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string UnescapeKeyName(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
        HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '\\' || c == '"') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (IsControl(c)) {
      out += "\\x";
      AppendHexByte(out, c);
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + '"';
}

// Reads a quoted text at `pos`; on success `pos` is just past the closing quote.
std::optional<std::string> Unquote(std::string_view line, std::size_t& pos) {
  if (pos >= line.size() || line[pos] != '"') return std::nullopt;
  std::string out;
  for (std::size_t i = pos + 1; i < line.size(); ++i) {
    char c = line[i];
    if (c == '"') {
      pos = i + 1;
      return out;
    }
    if (c != '\\') {
      out += c;
      continue;
    }
    if (i + 1 >= line.size()) return std::nullopt;
    char next = line[++i];
    if (next == 'x') {
      if (i + 2 >= line.size() || HexValue(line[i + 1]) < 0 || HexValue(line[i + 2]) < 0)
        return std::nullopt;
      out += static_cast<char>(HexValue(line[i + 1]) * 16 + HexValue(line[i + 2]));
      i += 2;
    } else {
      out += next;
    }
  }
  return std::nullopt;
}

std::optional<std::string> DecodeHex(std::string_view text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::string out;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    int high = HexValue(text[i]);
    int low = HexValue(text[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
  }
  return out;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

struct TypeTag {
  std::string_view tag;
  TRegValueType type;
};
constexpr TypeTag kTypeTags[] = {{"sz:", TRegValueType::String},
                                 {"expand_sz:", TRegValueType::ExpandString},
                                 {"binary:", TRegValueType::Binary}};

Key* OpenSection(Tree& tree, std::string_view header) {
  std::vector<std::string> parts = SplitKeyPath(header);
  if (parts.empty()) return nullptr;
  Key* key = nullptr;
  if (SameName(parts[0], kClassesRootName)) key = &tree.classesRoot;
  if (SameName(parts[0], kCurrentUserName)) key = &tree.currentUser;
  for (std::size_t i = 1; key && i < parts.size(); ++i)
    key = &key->AddSubKey(UnescapeKeyName(parts[i]));
  return key;
}

void ParseValueLine(Key& key, std::string_view line) {
  std::string name;
  std::size_t pos = 0;
  if (line.front() == '@') {
    pos = 1;
  } else {
    std::optional<std::string> quoted = Unquote(line, pos);
    if (!quoted || quoted->empty()) return;
    name = std::move(*quoted);
  }
  if (pos >= line.size() || line[pos] != '=') return;
  std::string_view rest = line.substr(pos + 1);
  for (const TypeTag& tag : kTypeTags) {
    if (rest.substr(0, tag.tag.size()) != tag.tag) continue;
    rest.remove_prefix(tag.tag.size());
    std::optional<std::string> data;
    if (tag.type == TRegValueType::Binary) {
      data = DecodeHex(rest);
    } else {
      std::size_t dataPos = 0;
      data = Unquote(rest, dataPos);
      if (dataPos != rest.size()) data.reset();
    }
    if (data) key.SetValue(name, tag.type, std::move(*data));
    return;
  }
}

std::string_view TagOf(TRegValueType type) {
  for (const TypeTag& tag : kTypeTags)
    if (tag.type == type) return tag.tag;
  return kTypeTags[0].tag;
}

void SerializeKey(const Key& key, const std::string& path, bool writeHeader, std::string& out) {
  if (writeHeader) out += "[" + path + "]\r\n";
  for (const Value& value : key.values) {
    out += value.name.empty() ? "@" : Quote(value.name);
    out += '=';
    out += TagOf(value.type);
    if (value.type == TRegValueType::Binary) {
      for (unsigned char c : value.data) AppendHexByte(out, c);
    } else {
      out += Quote(value.data);
    }
    out += "\r\n";
  }
  for (const Key& sub : key.subKeys)
    SerializeKey(sub, path + "\\" + EscapeKeyName(sub.name), true, out);
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && !NameLess(a, b) && !NameLess(b, a);
}

Key* Key::SubKey(std::string_view subName) {
  for (Key& sub : subKeys)
    if (SameName(sub.name, subName)) return &sub;
  return nullptr;
}

const Key* Key::SubKey(std::string_view subName) const {
  return const_cast<Key*>(this)->SubKey(subName);
}

Key& Key::AddSubKey(std::string_view subName) {
  if (Key* existing = SubKey(subName)) return *existing;
  auto at = std::lower_bound(subKeys.begin(), subKeys.end(), subName,
                             [](const Key& k, std::string_view n) { return NameLess(k.name, n); });
  Key added;
  added.name = std::string(subName);
  return *subKeys.insert(at, std::move(added));
}

bool Key::RemoveSubKey(std::string_view subName) {
  auto it = std::find_if(subKeys.begin(), subKeys.end(),
                         [&](const Key& k) { return SameName(k.name, subName); });
  if (it == subKeys.end()) return false;
  subKeys.erase(it);
  return true;
}

const Value* Key::FindValue(std::string_view valueName) const {
  for (const Value& value : values)
    if (SameName(value.name, valueName)) return &value;
  return nullptr;
}

void Key::SetValue(std::string_view valueName, TRegValueType type, std::string data) {
  for (Value& value : values) {
    if (SameName(value.name, valueName)) {
      value.type = type;
      value.data = std::move(data);
      return;
    }
  }
  values.push_back({std::string(valueName), type, std::move(data)});
}

std::vector<std::string> SplitKeyPath(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

Tree ParseStore(std::string_view text) {
  Tree tree;
  Key* current = nullptr;
  for (std::string_view rawLine : SplitAtLineFeeds(text)) {
    std::string_view line = Trim(rawLine);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      current = line.back() == ']' ? OpenSection(tree, line.substr(1, line.size() - 2)) : nullptr;
    } else if (current) {
      ParseValueLine(*current, line);
    }
  }
  return tree;
}

std::string SerializeStore(const Tree& tree) {
  std::string out = "; Scribant's per-user registry store. Names are case-insensitive.\r\n";
  SerializeKey(tree.classesRoot, std::string(kClassesRootName), !tree.classesRoot.values.empty(),
               out);
  SerializeKey(tree.currentUser, std::string(kCurrentUserName), !tree.currentUser.values.empty(),
               out);
  return out;
}

}  // namespace file_registry
