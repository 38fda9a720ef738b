#include "shell/AppSettings.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "support/OvIni.h"

namespace {

const std::string kWindow = "Window";
const std::string kGeneral = "General";
const std::string kRecentList = "RecentList";
// A default no file can produce, to tell a missing key from an empty one.
const std::string kMissingMarker(1, '\x1B');

// Any stored extent, however large or negative, gives an int position.
int CentredStart(int screenExtent, int windowExtent) {
  const std::int64_t start = (std::int64_t{screenExtent} - windowExtent) / 2;
  return static_cast<int>(std::clamp<std::int64_t>(start, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

int BoundedListCount(int count) {
  return std::clamp(count, 0, kMaxListCountLimit);
}

TAppSettings LoadSettings(const std::string& iniPath, int screenWidth, int screenHeight) {
  TAppSettings s;
  TOvIni ini(iniPath);
  s.width = ini.ReadInteger(kWindow, "Width", s.width);
  s.height = ini.ReadInteger(kWindow, "Height", s.height);
  s.left = ini.ReadInteger(kWindow, "Left", CentredStart(screenWidth, s.width));
  s.top = ini.ReadInteger(kWindow, "Top", CentredStart(screenHeight, s.height));
  s.state = ini.ReadInteger(kWindow, "State", s.state);
  s.showStatusBar = ini.ReadBool(kGeneral, "ShowStatusBar", s.showStatusBar);
  s.escapeQuits = ini.ReadBool(kGeneral, "EscapeQuits", s.escapeQuits);
  s.wordWrap = ini.ReadBool(kGeneral, "WordWrap", s.wordWrap);
  s.showGutter = ini.ReadBool(kGeneral, "ShowGutter", s.showGutter);
  s.maxListCount = BoundedListCount(ini.ReadInteger(kGeneral, "MaxListCount", s.maxListCount));
  s.captionFormat = ini.ReadString(kGeneral, "CaptionFormat", s.captionFormat);
  s.findString = ini.ReadString("FindStrings", "0", "");
  s.replaceString = ini.ReadString("ReplaceStrings", "0", "");
  for (int i = 0; i < s.maxListCount; ++i) {
    std::string entry = ini.ReadString(kRecentList, std::to_string(i), kMissingMarker);
    if (entry != kMissingMarker) s.recentList.push_back(std::move(entry));
  }
  return s;
}

void SaveSettings(const std::string& iniPath, const TAppSettings& s, const std::string& hexPrefix) {
  TOvIni ini(iniPath);
  ini.WriteInteger(kWindow, "State", s.state);
  if (s.state == static_cast<int>(TWindowState::Normal)) {
    ini.WriteInteger(kWindow, "Width", s.width);
    ini.WriteInteger(kWindow, "Height", s.height);
    ini.WriteHexInteger(kWindow, "Left", hexPrefix, s.left);
    ini.WriteInteger(kWindow, "Top", s.top);
  }
  ini.WriteBool(kGeneral, "ShowStatusBar", s.showStatusBar);
  ini.WriteBool(kGeneral, "EscapeQuits", s.escapeQuits);
  ini.WriteBool(kGeneral, "WordWrap", s.wordWrap);
  ini.WriteBool(kGeneral, "ShowGutter", s.showGutter);
  ini.WriteInteger(kGeneral, "MaxListCount", s.maxListCount);
  ini.WriteString(kGeneral, "CaptionFormat", s.captionFormat);
  ini.EraseSectionKeys(kRecentList);
  for (std::size_t i = 0; i < s.recentList.size(); ++i)
    ini.WriteString(kRecentList, std::to_string(i), s.recentList[i]);
}
