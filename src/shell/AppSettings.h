// The program's own settings file beside the executable: window placement,
// shell options, the caption template and the recent files.
#pragma once

#include <string>
#include <vector>

enum class TWindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// More recent files or search texts than a menu or a drop-down list can show
// would only slow the start; stored counts are bounded to 0..100.
inline constexpr int kMaxListCountLimit = 100;
int BoundedListCount(int count);

struct TAppSettings {
  // The window's inner size and its frame's position, as Qt restores them.
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
