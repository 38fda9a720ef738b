// A hierarchical key/value store with the shape of the system registry.
// Key paths use "\" between parts and are case-insensitive.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class TRegistryRoot { ClassesRoot, CurrentUser };
enum class TRegValueType { String, ExpandString, Binary };

class Registry {
 public:
  virtual ~Registry() = default;

  virtual bool KeyExists(TRegistryRoot root, const std::string& key) const = 0;
  virtual bool CreateKey(TRegistryRoot root, const std::string& key) = 0;
  // Deletes the key with everything below it.
  virtual bool DeleteKeyTree(TRegistryRoot root, const std::string& key) = 0;
  virtual std::vector<std::string> SubKeys(TRegistryRoot root, const std::string& key) const = 0;

  // An empty value name addresses the key's default value.
  virtual std::optional<std::string> ReadString(TRegistryRoot root, const std::string& key,
                                                const std::string& name) const = 0;
  virtual bool WriteString(TRegistryRoot root, const std::string& key, const std::string& name,
                           const std::string& value) = 0;
  // A string holding %VARIABLE% references for the reader to expand. Stores
  // without that distinction keep it as a plain string.
  virtual bool WriteExpandString(TRegistryRoot root, const std::string& key,
                                 const std::string& name, const std::string& value) {
    return WriteString(root, key, name, value);
  }
  virtual std::optional<std::vector<std::uint8_t>> ReadBinary(TRegistryRoot root,
                                                              const std::string& key,
                                                              const std::string& name) const = 0;
  virtual bool WriteBinary(TRegistryRoot root, const std::string& key, const std::string& name,
                           const std::vector<std::uint8_t>& value) = 0;
};
