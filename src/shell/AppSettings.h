// The program's own settings file beside the executable: window placement,
// shell options, the caption template and the recent files.
#pragma once

#include <string>
#include <vector>

enum class TWindowState { Normal = 0, Minimized = 1, Maximized = 2 };

struct TAppSettings {
  int width = 1080;
  int height = 675;
  int left = 0;
  int top = 0;
  int state = 0;  // a TWindowState value as stored; unknown values are kept
  bool showStatusBar = true;
  bool escapeQuits = false;
  bool wordWrap = false;
  bool showGutter = true;
  int maxListCount = 12;
  std::string captionFormat = "%a <%p%f>%m";
  std::string findString;
  std::string replaceString;
  std::vector<std::string> recentList;
};

// Reads every key with its default; the window is centred on a screen of the
// given size when no position is stored.
TAppSettings LoadSettings(const std::string& iniPath, int screenWidth, int screenHeight);

// Writes the state always, the bounds only for a normal window, the options,
// and replaces the recent list as a whole; the left edge is written in
// hexadecimal after `hexPrefix`. Failures are silent.
void SaveSettings(const std::string& iniPath, const TAppSettings& settings,
                  const std::string& hexPrefix);
