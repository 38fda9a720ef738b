// TStyleFolders: the folders that style files and keyword lists come from.
// Each root may hold "Styles" (*.ini) and "KeyWords" (*.kwf); the roots are
// ordered most important first, and a file in an earlier root hides the file
// of the same name in a later one (so a user's own styles win over the
// installed ones). Only regular files count: a folder or a broken link under
// an earlier root hides nothing.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class TStyleFolders {
 public:
  explicit TStyleFolders(std::vector<std::filesystem::path> roots);

  const std::vector<std::filesystem::path>& Roots() const { return roots_; }

  // Full paths of the style files, one per name: the first root's in file-system
  // order, then each later root's whose names were not taken yet.
  std::vector<std::string> StyleFiles() const;
  // The style file `name`; when no root has it, its path in the last root.
  std::string StyleFile(const std::string& name) const;

  // The keyword list `name` (without ".kwf"), or "" when no root has it.
  std::string KeyWordList(const std::string& name) const;
  // The names (without ".kwf") of every keyword list, each once, in the same
  // order as StyleFiles.
  std::vector<std::string> KeyWordListNames() const;

 private:
  std::vector<std::filesystem::path> Files(const std::string& folder,
                                           const std::string& extension) const;
  std::string Find(const std::string& folder, const std::string& fileName) const;

  std::vector<std::filesystem::path> roots_;
};
