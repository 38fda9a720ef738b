#include "desktop/OvReg.h"

TOvReg::TOvReg(Registry& registry, TRegAccess access) : registry_(registry), access_(access) {}

void TOvReg::SetRootKey(TRegistryRoot root) {
  root_ = root;
  CloseKey();
}

std::string TOvReg::Resolve(const std::string& path) const {
  if (!path.empty() && path.front() == '\\') return path.substr(1);
  if (currentPath_.empty()) return path;
  return currentPath_ + "\\" + path;
}

bool TOvReg::OpenKey(const std::string& path, bool canCreate) {
  std::string target = Resolve(path);
  bool opened = canCreate ? CanWrite() && registry_.CreateKey(root_, target)
                          : registry_.KeyExists(root_, target);
  if (opened) currentPath_ = target;
  return opened;
}

bool TOvReg::OpenKey(TRegistryRoot root, const std::string& path, bool canCreate) {
  SetRootKey(root);
  if (path.empty() || path == "\\") return true;
  return OpenKey(path, canCreate);
}

std::string TOvReg::ReadString(const std::string& name, const std::string& defaultValue) const {
  if (!CanRead()) return defaultValue;
  std::optional<std::string> value = registry_.ReadString(root_, currentPath_, name);
  if (!value) return defaultValue;
  return value->substr(0, value->find('\0'));
}

bool TOvReg::WriteString(const std::string& name, const std::string& value, TRegValueType type) {
  if (!CanWrite()) return false;
  if (type == TRegValueType::ExpandString)
    return registry_.WriteExpandString(root_, currentPath_, name, value);
  return registry_.WriteString(root_, currentPath_, name, value);
}

std::vector<std::string> TOvReg::GetKeyNames() const {
  if (!CanRead()) return {};
  return registry_.SubKeys(root_, currentPath_);
}

bool TOvReg::DeleteKey(const std::string& path) {
  if (!CanWrite()) return false;
  std::string target = Resolve(path);
  if (!registry_.DeleteKeyTree(root_, target)) return false;
  // The current key may have gone with the tree.
  if (!registry_.KeyExists(root_, currentPath_)) CloseKey();
  return true;
}
