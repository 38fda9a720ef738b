// The in-memory form of the file-backed registry store and its text format.
//
// Text format, one item per line (CR LF or LF):
//   ; comment
//   [HKEY_CLASSES_ROOT\Key\Sub Key]      a key; parts are %HH-escaped
//   @=sz:"text"                          the key's default value
//   "Name"=expand_sz:"text"              a named expandable string
//   "Name"=binary:00ff10                 bytes as hexadecimal pairs
// Quoted texts escape \ and " with a backslash and any control byte as \xHH.
// Lines that do not fit the format are skipped, so a damaged file still gives
// every entry that can be read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Registry.h"

namespace file_registry {

// Names compare without regard to case (code-page case folding), as registry names do.
bool SameName(std::string_view a, std::string_view b);

struct Value {
  std::string name;  // empty: the default value
  TRegValueType type = TRegValueType::String;
  std::string data;  // the text, or the raw bytes of a binary value
};

// Subkeys are kept in case-insensitive name order, so the file is canonical.
struct Key {
  std::string name;
  std::vector<Value> values;
  std::vector<Key> subKeys;

  Key* SubKey(std::string_view subName);
  const Key* SubKey(std::string_view subName) const;
  Key& AddSubKey(std::string_view subName);  // the existing one when present
  bool RemoveSubKey(std::string_view subName);
  bool IsEmpty() const { return values.empty() && subKeys.empty(); }
  const Value* FindValue(std::string_view valueName) const;
  void SetValue(std::string_view valueName, TRegValueType type, std::string data);
};

struct Tree {
  Key classesRoot;
  Key currentUser;

  Key& Root(TRegistryRoot root) {
    return root == TRegistryRoot::ClassesRoot ? classesRoot : currentUser;
  }
  const Key& Root(TRegistryRoot root) const {
    return root == TRegistryRoot::ClassesRoot ? classesRoot : currentUser;
  }
};

// "A\B\\C\" gives A, B, C: empty parts are ignored.
std::vector<std::string> SplitKeyPath(std::string_view path);

Tree ParseStore(std::string_view text);
std::string SerializeStore(const Tree& tree);

}  // namespace file_registry
