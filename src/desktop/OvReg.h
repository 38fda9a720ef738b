// TOvReg: a small cursor over the Registry service. It holds a root key and a
// current key (a path below the root, "" for the root itself) and checks each
// operation against the access it was created with, as a key handle would.
#pragma once

#include <string>
#include <vector>

#include "desktop/FileRegistryTree.h"
#include "platform/Registry.h"

enum class TRegAccess { Query, Write, FullAccess };

class TOvReg {
 public:
  TOvReg(Registry& registry, TRegAccess access);

  TRegistryRoot RootKey() const { return root_; }
  // Closes the current key and makes the root current.
  void SetRootKey(TRegistryRoot root);
  const std::string& CurrentPath() const { return currentPath_; }

  // A path starting with "\" is taken from the root, any other from the
  // current key. On success the key becomes current (created first when
  // `canCreate`); on failure the current key stays.
  bool OpenKey(const std::string& path, bool canCreate);
  // Selects `root` first; an empty path or "\" just selects the root.
  bool OpenKey(TRegistryRoot root, const std::string& path, bool canCreate);
  void CloseKey() { currentPath_.clear(); }

  // The current key's value cut at its first zero byte, or `defaultValue`.
  std::string ReadString(const std::string& name, const std::string& defaultValue) const;
  bool WriteString(const std::string& name, const std::string& value,
                   TRegValueType type = TRegValueType::String);
  // The names of all subkeys of the current key.
  std::vector<std::string> GetKeyNames() const;
  // Deletes a key (path rules as OpenKey) with all its subkeys.
  bool DeleteKey(const std::string& path);

 private:
  bool CanRead() const { return access_ != TRegAccess::Write; }
  bool CanWrite() const { return access_ != TRegAccess::Query; }
  std::string Resolve(const std::string& path) const;

  Registry& registry_;
  TRegAccess access_;
  TRegistryRoot root_ = TRegistryRoot::CurrentUser;
  std::string currentPath_;
};
