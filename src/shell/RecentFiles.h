// The recent-files submenu as data, and the list's own commands.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct TRecentMenuItem {
  std::string caption;  // with "&" accelerator; literal ampersands doubled
  bool enabled;         // false for a file that no longer exists
  int tag;              // index of the entry in the recent list
};

using FileExistsFunction = std::function<bool(const std::string& path)>;

// The generated items above the fixed ones, skipping the open document
// (exact comparison). An empty list gives one disabled "Empty" item with tag -1.
std::vector<TRecentMenuItem> RecentMenuItems(const std::vector<std::string>& recentList,
                                             const std::string& fileName,
                                             const FileExistsFunction& fileExists);

// Deletes the entries whose files are gone.
void RemoveObsoleteFiles(std::vector<std::string>& recentList,
                         const FileExistsFunction& fileExists);
