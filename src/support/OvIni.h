// TOvIni: typed settings in an INI file. Every call goes straight to the file
// (nothing is cached between calls). Section and key names are
// case-insensitive; a read returns at most 511 characters; a section's key list
// is read through a 16384-byte buffer. No operation throws or shows a message:
// a missing file reads as empty, a failed write returns false.
#pragma once

#include <string>
#include <vector>

class TOvIni {
 public:
  explicit TOvIni(std::string fileName);
  ~TOvIni();
  TOvIni(const TOvIni&) = delete;
  TOvIni& operator=(const TOvIni&) = delete;

  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& fileName);
  void Flush();

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue);
  int ReadInteger(const std::string& section, const std::string& key, int defaultValue);
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue);

  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  bool WriteInteger(const std::string& section, const std::string& key, int value);
  // `hexPrefix` and the two's complement in upper-case hexadecimal digits.
  bool WriteHexInteger(const std::string& section, const std::string& key,
                       const std::string& hexPrefix, int value);
  bool WriteBool(const std::string& section, const std::string& key, bool value);

  // Replaces `keys` with the section's key names in file order; returns their count.
  int ReadSectionKeys(const std::string& section, std::vector<std::string>& keys);
  // Deletes every key of the section (the header may stay); returns how many were deleted.
  int EraseSectionKeys(const std::string& section);

 private:
  std::string fileName_;
};
