// Any bytes as an INI file, then a random run of typed writes and erasures
// through TOvIni: a read agrees with a plain line-by-line reference, a
// written value reads back as written, and every other value is untouched.
#include <fuzzer/FuzzedDataProvider.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "support/CodePage.h"
#include "support/IniFile.h"
#include "support/OvIni.h"

namespace {

bool SameName(std::string_view a, std::string_view b) {
  return codepage::CompareIgnoreCase(a, b) == 0;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

struct RefKey {
  std::string name;
  std::string value;
};
struct RefSection {
  std::string name;
  std::vector<RefKey> keys;
};

template <typename Item>
Item* FindNamed(std::vector<Item>& items, std::string_view name) {
  for (Item& item : items) {
    if (SameName(item.name, name)) return &item;
  }
  return nullptr;
}

// What a reader sees: the first section of each name, the first key of each
// name within it, values trimmed and stripped of one pair of outer quotes.
std::vector<RefSection> ReferenceRead(std::string_view content) {
  std::vector<RefSection> sections;
  RefSection* current = nullptr;
  bool currentIsFirst = false;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = content.size();
    std::string_view line = content.substr(start, end - start);
    start = end + (content.compare(end, 2, "\r\n") == 0 ? 2 : 1);

    line = line.substr(0, line.find('\0'));
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed[0] == ';') continue;
    if (trimmed[0] == '[') {
      const std::size_t close = trimmed.rfind(']');
      if (close == std::string_view::npos) continue;
      const std::string_view name = TrimBlanks(trimmed.substr(1, close - 1));
      current = FindNamed(sections, name);
      currentIsFirst = current == nullptr;
      if (!current) current = &sections.emplace_back(RefSection{std::string(name), {}});
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!current || !currentIsFirst || equals == std::string_view::npos) continue;
    const std::string_view key = TrimBlanks(line.substr(0, equals));
    if (key.empty() || FindNamed(current->keys, key)) continue;
    std::string_view value = TrimBlanks(line.substr(equals + 1));
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\'')) {
      value = value.substr(1, value.size() - 2);
    }
    current->keys.push_back({std::string(key), std::string(value)});
  }
  return sections;
}

std::string FileContent(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The document reads exactly what the reference reads.
void ExpectAgreement(const std::string& content) {
  const IniDocument document(content);
  for (const RefSection& section : ReferenceRead(content)) {
    std::vector<std::string> names;
    for (const RefKey& key : section.keys) {
      Expect(document.Value(section.name, key.name) == key.value,
             "value as the reference reads it");
      names.push_back(key.name);
    }
    Expect(document.KeyNames(section.name) == names, "key names as the reference lists them");
  }
}

// Every value of `before` except those of the changed names is in `after`.
void ExpectUntouched(const std::vector<RefSection>& before, std::vector<RefSection> after,
                     std::string_view changedSection, std::string_view changedKey) {
  for (const RefSection& section : before) {
    RefSection* later = FindNamed(after, section.name);
    Expect(later != nullptr, "no section disappears");
    for (const RefKey& key : section.keys) {
      if (SameName(section.name, changedSection) &&
          (changedKey.empty() || SameName(key.name, changedKey))) {
        continue;
      }
      const RefKey* kept = FindNamed(later->keys, key.name);
      Expect(kept && kept->value == key.value, "other values are kept");
    }
  }
}

class IniSession {
 public:
  IniSession(FuzzedDataProvider& input, const std::string& path)
      : input_(input), path_(path), ini_(path) {}

  void RunOne() {
    const std::string section = input_.ConsumeRandomLengthString(12);
    const std::string key = input_.ConsumeRandomLengthString(12);
    const auto before = ReferenceRead(FileContent(path_));
    switch (input_.ConsumeIntegralInRange(0, 3)) {
      case 0:
        return WriteText(section, key, before);
      case 1:
        return WriteNumber(section, key, before);
      case 2:
        return Erase(section, before);
      default:
        std::vector<std::string> keys;
        ini_.ReadSectionKeys(section, keys);
        for (const std::string& name : keys) ini_.ReadString(section, name, "");
    }
  }

 private:
  void WriteText(const std::string& section, const std::string& key,
                 const std::vector<RefSection>& before) {
    const std::string value = input_.ConsumeRandomLengthString(600);
    if (!ini_.WriteString(section, key, value)) {
      const bool valid = IniDocument::IsValidSectionName(TrimBlanks(section)) &&
                         IniDocument::IsValidKeyName(TrimBlanks(key)) &&
                         IniDocument::IsValidValue(value);
      Expect(!valid, "a valid write succeeds");
      return;
    }
    Expect(ini_.ReadString(section, key, "\x01") == value.substr(0, 511),
           "a written text reads back");
    AfterWrite(section, key, before);
  }

  void WriteNumber(const std::string& section, const std::string& key,
                   const std::vector<RefSection>& before) {
    const int value = input_.ConsumeIntegral<int>();
    static const char* const kHexPrefixes[] = {"$", "0x", "x", "X", "0X"};
    const bool written =
        input_.ConsumeBool()
            ? ini_.WriteInteger(section, key, value)
            : ini_.WriteHexInteger(section, key, input_.PickValueInArray(kHexPrefixes), value);
    if (!written) return;
    Expect(ini_.ReadInteger(section, key, value ^ 1) == value, "a written number reads back");
    AfterWrite(section, key, before);
  }

  void AfterWrite(const std::string& section, const std::string& key,
                  const std::vector<RefSection>& before) {
    const std::string content = FileContent(path_);
    ExpectUntouched(before, ReferenceRead(content), TrimBlanks(section), TrimBlanks(key));
    ExpectAgreement(content);
  }

  void Erase(const std::string& section, const std::vector<RefSection>& before) {
    std::vector<std::string> keys;
    const int listed = ini_.ReadSectionKeys(section, keys);
    const int erased = ini_.EraseSectionKeys(section);
    Expect(erased == listed, "every listed key is erased");
    if (erased == 0) return;
    Expect(ini_.ReadSectionKeys(section, keys) == 0, "the section is empty");
    const std::string content = FileContent(path_);
    ExpectUntouched(before, ReferenceRead(content), TrimBlanks(section), "");
    ExpectAgreement(content);
  }

  FuzzedDataProvider& input_;
  const std::string& path_;
  TOvIni ini_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = (FuzzFolder() / "settings.ini").string();
  FuzzedDataProvider input(data, size);
  const std::string content = input.ConsumeRandomLengthString(4096);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
  ExpectAgreement(content);
  IniSession session(input, path);
  for (int step = 0; step < 8 && input.remaining_bytes() > 0; ++step) session.RunOne();
  return 0;
}
