// The find and replace boxes' history in "config.ini": sections
// "FindStrings" and "ReplaceStrings", keys "0", "1", ... most recent first,
// values as typed (escapes not decoded), in UTF-8. Older files held the
// legacy code page: a value that is not UTF-8 is read as Windows-1252.
#pragma once

#include <string>
#include <vector>

class TOvIni;

struct TSearchHistory {
  std::vector<std::string> findStrings;
  std::vector<std::string> replaceStrings;
};

// Reads keys "0" to maxListCount - 1 of each section in order; an absent key
// is skipped, a key with an empty value gives an empty entry.
TSearchHistory LoadSearchHistory(TOvIni& ini, int maxListCount);

// Rewrites both sections with every entry of the lists, however many.
void SaveSearchHistory(TOvIni& ini, const TSearchHistory& history);
