// Deterministic generated documents for the benchmarks.
#pragma once

#include <cstdint>
#include <string>

// C-like source text: `lineCount` lines of about 100 bytes with tab indents,
// identifiers, numbers, strings and comments, CR LF line breaks.
std::string GenerateSourceText(std::size_t lineCount, std::uint32_t seed);

// The same with accented, CJK and emoji text at the end of every fifth line:
// a UTF-8 document.
std::string GenerateMixedUtf8Text(std::size_t lineCount, std::uint32_t seed);

// The mixed document of a million lines (about 100 MB) the UTF-8 figures
// share; made once.
const std::string& MixedUtf8Document();

// A temporary file that is removed when the object goes.
class TempFile {
 public:
  explicit TempFile(const std::string& content);
  ~TempFile();
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};
