#include "shell/RecentFiles.h"

#include "support/OvLib.h"

std::vector<TRecentMenuItem> RecentMenuItems(const std::vector<std::string>& recentList,
                                             const std::string& fileName,
                                             const FileExistsFunction& fileExists) {
  std::vector<TRecentMenuItem> items;
  if (recentList.empty()) {
    items.push_back({"Empty", false, -1});
    return items;
  }
  for (std::size_t i = 0; i < recentList.size(); ++i) {
    const std::string& entry = recentList[i];
    if (entry == fileName) continue;
    std::string text = std::to_string(items.size()) + "    " + entry;
    StringReplaceAll(text, "&", "&&");
    items.push_back({"&" + text, fileExists(entry), static_cast<int>(i)});
  }
  return items;
}

void RemoveObsoleteFiles(std::vector<std::string>& recentList,
                         const FileExistsFunction& fileExists) {
  std::erase_if(recentList, [&](const std::string& entry) { return !fileExists(entry); });
}
