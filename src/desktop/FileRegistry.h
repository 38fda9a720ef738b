// TFileRegistry: the Registry service kept in one text file per user (the
// format is described in FileRegistryTree.h).
//
// Every call reads the file afresh and every change rewrites it whole through
// a temporary file and a rename, so two running instances see each other's
// changes and a failed write leaves the old file intact. A missing file is an
// empty store (and an emptied store removes its file); a damaged file gives whatever can still be
// read. A file that exists but cannot be read, is unreasonably large or is read-only is never
// overwritten: reads see an empty store and writes fail.
#pragma once

#include <filesystem>
#include <optional>

#include "desktop/FileRegistryTree.h"
#include "platform/Registry.h"

class TFileRegistry : public Registry {
 public:
  explicit TFileRegistry(std::filesystem::path storeFile);

  // The store's file inside the user's configuration folder for the program.
  static std::filesystem::path StoreFileIn(const std::filesystem::path& configFolder);

  const std::filesystem::path& StoreFile() const { return storeFile_; }

  bool KeyExists(TRegistryRoot root, const std::string& key) const override;
  bool CreateKey(TRegistryRoot root, const std::string& key) override;
  bool DeleteKeyTree(TRegistryRoot root, const std::string& key) override;
  std::vector<std::string> SubKeys(TRegistryRoot root, const std::string& key) const override;

  std::optional<std::string> ReadString(TRegistryRoot root, const std::string& key,
                                        const std::string& name) const override;
  bool WriteString(TRegistryRoot root, const std::string& key, const std::string& name,
                   const std::string& value) override;
  bool WriteExpandString(TRegistryRoot root, const std::string& key, const std::string& name,
                         const std::string& value) override;
  std::optional<std::vector<std::uint8_t>> ReadBinary(TRegistryRoot root, const std::string& key,
                                                      const std::string& name) const override;
  bool WriteBinary(TRegistryRoot root, const std::string& key, const std::string& name,
                   const std::vector<std::uint8_t>& value) override;

  // The stored type of a value, or nothing when the key or value is missing.
  std::optional<TRegValueType> ValueType(TRegistryRoot root, const std::string& key,
                                         const std::string& name) const;

 private:
  struct Loaded {
    file_registry::Tree tree;
    bool writable = true;  // false when saving could destroy a file we could not read
  };

  Loaded Load() const;
  bool Save(const file_registry::Tree& tree) const;
  const file_registry::Value* FindValue(const file_registry::Tree& tree, TRegistryRoot root,
                                        const std::string& key, const std::string& name) const;
  // Writing a value into an existing key only, as the system registry does.
  bool SetValue(TRegistryRoot root, const std::string& key, const std::string& name,
                TRegValueType type, std::string data);

  std::filesystem::path storeFile_;
};
