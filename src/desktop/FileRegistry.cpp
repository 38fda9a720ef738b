#include "desktop/FileRegistry.h"

#include <system_error>

#include "desktop/TextFiles.h"
#include "support/FileReplace.h"

namespace fs = std::filesystem;
using file_registry::Key;
using file_registry::Tree;

namespace {

constexpr std::uintmax_t kMaxStoreBytes = 16u * 1024 * 1024;

const Key* FindKey(const Tree& tree, TRegistryRoot root, const std::string& path) {
  const Key* key = &tree.Root(root);
  for (const std::string& part : file_registry::SplitKeyPath(path)) {
    key = key->SubKey(part);
    if (!key) return nullptr;
  }
  return key;
}

Key* FindKey(Tree& tree, TRegistryRoot root, const std::string& path) {
  return const_cast<Key*>(FindKey(static_cast<const Tree&>(tree), root, path));
}

}  // namespace

TFileRegistry::TFileRegistry(fs::path storeFile) : storeFile_(std::move(storeFile)) {}

fs::path TFileRegistry::StoreFileIn(const fs::path& configFolder) {
  return configFolder / "registry.ini";
}

TFileRegistry::Loaded TFileRegistry::Load() const {
  Loaded loaded;
  std::error_code error;
  if (!fs::exists(fs::symlink_status(storeFile_, error))) return loaded;
  std::optional<std::string> text = ReadSmallFile(storeFile_, kMaxStoreBytes);
  if (!text) {
    loaded.writable = false;
    return loaded;
  }
  loaded.tree = file_registry::ParseStore(*text);
  loaded.writable = !IsReadOnly(storeFile_);
  return loaded;
}

bool TFileRegistry::Save(const Tree& tree) const {
  // An empty store is no file, so cleaning up leaves no trace.
  if (tree.classesRoot.IsEmpty() && tree.currentUser.IsEmpty()) {
    std::error_code error;
    fs::remove(storeFile_, error);
    return !error;
  }
  return ReplaceFileContents(storeFile_, file_registry::SerializeStore(tree));
}

bool TFileRegistry::KeyExists(TRegistryRoot root, const std::string& key) const {
  return FindKey(Load().tree, root, key) != nullptr;
}

bool TFileRegistry::CreateKey(TRegistryRoot root, const std::string& key) {
  Loaded loaded = Load();
  if (FindKey(loaded.tree, root, key)) return true;
  if (!loaded.writable) return false;
  Key* current = &loaded.tree.Root(root);
  for (const std::string& part : file_registry::SplitKeyPath(key))
    current = &current->AddSubKey(part);
  return Save(loaded.tree);
}

bool TFileRegistry::DeleteKeyTree(TRegistryRoot root, const std::string& key) {
  std::vector<std::string> parts = file_registry::SplitKeyPath(key);
  if (parts.empty()) return false;  // a root is never deleted
  Loaded loaded = Load();
  std::string parentPath;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) parentPath += parts[i] + "\\";
  Key* parent = FindKey(loaded.tree, root, parentPath);
  if (!loaded.writable || !parent || !parent->RemoveSubKey(parts.back())) return false;
  return Save(loaded.tree);
}

std::vector<std::string> TFileRegistry::SubKeys(TRegistryRoot root, const std::string& key) const {
  Loaded loaded = Load();
  std::vector<std::string> names;
  if (const Key* found = FindKey(loaded.tree, root, key))
    for (const Key& sub : found->subKeys) names.push_back(sub.name);
  return names;
}

const file_registry::Value* TFileRegistry::FindValue(const Tree& tree, TRegistryRoot root,
                                                     const std::string& key,
                                                     const std::string& name) const {
  const Key* found = FindKey(tree, root, key);
  return found ? found->FindValue(name) : nullptr;
}

std::optional<std::string> TFileRegistry::ReadString(TRegistryRoot root, const std::string& key,
                                                     const std::string& name) const {
  Loaded loaded = Load();
  const file_registry::Value* value = FindValue(loaded.tree, root, key, name);
  if (!value || value->type == TRegValueType::Binary) return std::nullopt;
  return value->data;
}

std::optional<std::vector<std::uint8_t>> TFileRegistry::ReadBinary(TRegistryRoot root,
                                                                   const std::string& key,
                                                                   const std::string& name) const {
  Loaded loaded = Load();
  const file_registry::Value* value = FindValue(loaded.tree, root, key, name);
  if (!value || value->type != TRegValueType::Binary) return std::nullopt;
  return std::vector<std::uint8_t>(value->data.begin(), value->data.end());
}

std::optional<TRegValueType> TFileRegistry::ValueType(TRegistryRoot root, const std::string& key,
                                                      const std::string& name) const {
  Loaded loaded = Load();
  const file_registry::Value* value = FindValue(loaded.tree, root, key, name);
  if (!value) return std::nullopt;
  return value->type;
}

bool TFileRegistry::SetValue(TRegistryRoot root, const std::string& key, const std::string& name,
                             TRegValueType type, std::string data) {
  Loaded loaded = Load();
  Key* found = FindKey(loaded.tree, root, key);
  if (!loaded.writable || !found) return false;
  found->SetValue(name, type, std::move(data));
  return Save(loaded.tree);
}

bool TFileRegistry::WriteString(TRegistryRoot root, const std::string& key, const std::string& name,
                                const std::string& value) {
  return SetValue(root, key, name, TRegValueType::String, value);
}

bool TFileRegistry::WriteExpandString(TRegistryRoot root, const std::string& key,
                                      const std::string& name, const std::string& value) {
  return SetValue(root, key, name, TRegValueType::ExpandString, value);
}

bool TFileRegistry::WriteBinary(TRegistryRoot root, const std::string& key, const std::string& name,
                                const std::vector<std::uint8_t>& value) {
  return SetValue(root, key, name, TRegValueType::Binary, std::string(value.begin(), value.end()));
}
