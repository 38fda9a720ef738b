#include "tools/SearchHistory.h"

#include "support/OvIni.h"
#include "support/Utf8.h"

namespace {

const std::string kFindSection = "FindStrings";
const std::string kReplaceSection = "ReplaceStrings";
// An ESC cannot be typed into the boxes, so it marks a key that is absent.
const std::string kAbsent(1, '\x1B');

std::vector<std::string> LoadList(TOvIni& ini, const std::string& section, int maxListCount) {
  std::vector<std::string> list;
  for (int i = 0; i < maxListCount; ++i) {
    std::string value = ini.ReadString(section, std::to_string(i), kAbsent);
    if (value == kAbsent) continue;
    // Older versions wrote the legacy code page; a text that is not UTF-8 was one.
    list.push_back(utf8::IsValid(value) ? std::move(value) : utf8::FromWindows1252(value));
  }
  return list;
}

void SaveList(TOvIni& ini, const std::string& section, const std::vector<std::string>& list) {
  ini.EraseSectionKeys(section);
  for (std::size_t i = 0; i < list.size(); ++i)
    ini.WriteString(section, std::to_string(i), list[i]);
}

}  // namespace

TSearchHistory LoadSearchHistory(TOvIni& ini, int maxListCount) {
  return {LoadList(ini, kFindSection, maxListCount), LoadList(ini, kReplaceSection, maxListCount)};
}

void SaveSearchHistory(TOvIni& ini, const TSearchHistory& history) {
  SaveList(ini, kFindSection, history.findStrings);
  SaveList(ini, kReplaceSection, history.replaceStrings);
}
