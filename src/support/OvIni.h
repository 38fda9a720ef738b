// TOvIni: typed settings in an INI file. The file is read once, at the first
// call, and what is written reaches the disk in one replacement at Flush,
// SetFileName or destruction, so a batch costs one read and one write however
// many keys it touches. Section and key names are case-insensitive; a read
// returns at most 511 characters; a section's key list is read through a
// 16384-byte buffer. No operation throws or shows a message: a missing file
// reads as empty; a write returns false, changing nothing, when the file
// cannot be read or its place cannot be written.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "support/IniFile.h"

class TOvIni {
 public:
  explicit TOvIni(std::string fileName);
  ~TOvIni();
  TOvIni(const TOvIni&) = delete;
  TOvIni& operator=(const TOvIni&) = delete;

  const std::string& FileName() const { return fileName_; }
  // Flushes, then reads the (new) file afresh at the next call.
  void SetFileName(const std::string& fileName);
  // Writes the changes made since the last flush; false when that failed (the
  // file then keeps its old content and the changes are dropped).
  bool Flush();

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
  // The file's content, read at the first call; null when it cannot be read.
  IniDocument* Document();
  // The document to change, or null when the change could not be written.
  IniDocument* DocumentToChange();

  std::string fileName_;
  bool loaded_ = false;
  bool changed_ = false;
  std::optional<IniDocument> document_;
};
