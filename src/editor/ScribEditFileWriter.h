// Buffered writing of lines to a file, used by TScribEditStringList::SaveToFile.
#pragma once

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

// "<action> file "<name>". <reason of the last system error>"
std::string FileErrorMessage(std::string_view action, const std::string& fileName);

// Owns the file stream and the byte buffer of a buffered file stream.
class TScribEditFiler {
 public:
  TScribEditFiler(const TScribEditFiler&) = delete;
  TScribEditFiler& operator=(const TScribEditFiler&) = delete;

 protected:
  static constexpr std::size_t kBufferSize = 16384;
  explicit TScribEditFiler(std::string fileName)
      : fileName_(std::move(fileName)), buffer_(kBufferSize) {}
  ~TScribEditFiler() = default;

  std::string fileName_;
  std::ofstream file_;
  std::vector<char> buffer_;
};

// Creates or truncates the file. Close() reports write errors; the destructor
// only flushes and closes, silently, for paths that end in an exception.
class TScribEditFileWriter : public TScribEditFiler {
 public:
  explicit TScribEditFileWriter(std::string fileName);
  ~TScribEditFileWriter();

  // Appends `line` and `lineBreak` (empty after the last line).
  void WriteLine(std::string_view line, std::string_view lineBreak);
  void Flush();
  void Close();

 private:
  void Append(std::string_view bytes);

  std::size_t pending_ = 0;
};
