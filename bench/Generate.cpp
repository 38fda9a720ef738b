#include "Generate.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace {

// A small xorshift generator: the documents must not depend on the library's engines.
struct Xorshift {
  std::uint32_t state;
  std::uint32_t Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  }
  std::uint32_t Below(std::uint32_t n) { return Next() % n; }
};

constexpr std::array<const char*, 16> kWords{
    "int",    "return", "value",  "count", "buffer", "if",   "while",  "for",
    "static", "const",  "result", "index", "line",   "char", "struct", "offset"};

void AppendLine(std::string& out, Xorshift& random) {
  const std::size_t start = out.size();
  out.append(random.Below(4), '\t');
  switch (random.Below(8)) {
    case 0:
      out += "// ";
      break;
    case 1:
      out += "/* ";
      break;
    default:
      break;
  }
  while (out.size() - start < 90) {
    switch (random.Below(6)) {
      case 0:
        out += std::to_string(random.Below(100000));
        break;
      case 1:
        out += "\"text ";
        out += kWords[random.Below(16)];
        out += '"';
        break;
      case 2:
        out += " = ";
        break;
      default:
        out += kWords[random.Below(16)];
        break;
    }
    out += random.Below(3) == 0 ? "; " : " ";
  }
  out += "\r\n";
}

}  // namespace

std::string GenerateSourceText(std::size_t lineCount, std::uint32_t seed) {
  Xorshift random{seed | 1u};
  std::string out;
  out.reserve(lineCount * 102);
  for (std::size_t i = 0; i < lineCount; ++i) AppendLine(out, random);
  return out;
}

std::string GenerateMixedUtf8Text(std::size_t lineCount, std::uint32_t seed) {
  static constexpr std::string_view kMixed =
      " // caf\xC3\xA9 na\xC3\xAFve \xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97 \xF0\x9F\x98\x80";
  Xorshift random{seed | 1u};
  std::string out;
  out.reserve(lineCount * 110);
  for (std::size_t i = 0; i < lineCount; ++i) {
    AppendLine(out, random);
    if (i % 5 == 0) out.insert(out.size() - 2, kMixed);  // before the CR LF
  }
  return out;
}

const std::string& MixedUtf8Document() {
  static const std::string text = GenerateMixedUtf8Text(1000000, 20261208);
  return text;
}

TempFile::TempFile(const std::string& content) {
  static int counter = 0;
  path_ = (std::filesystem::temp_directory_path() /
           ("scribant-bench-" + std::to_string(counter++) + ".txt"))
              .string();
  std::ofstream(path_, std::ios::binary) << content;
}

TempFile::~TempFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}
