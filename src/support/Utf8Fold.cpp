#include "support/Utf8Fold.h"

#include <utf8proc.h>

#include <array>
#include <cstdint>
#include <vector>

namespace utf8 {

namespace {

// No character at or above this code point has a case.
constexpr char32_t kCasedLimit = 0x20000;
constexpr int kBlockBits = 8;
constexpr char32_t kBlockSize = 1u << kBlockBits;

// The library folds fully ("ß" becomes "ss"); simple folding keeps one code
// point. Where the full folding has several, the simple one is the simple
// lower case (capital sharp s to sharp s, Greek capitals with prosgegrammeni),
// except for the dotted capital I, which simple folding leaves alone.
char32_t LibraryFold(char32_t codePoint) {
  utf8proc_int32_t folded[4];
  int boundClass = 0;
  const utf8proc_ssize_t count = utf8proc_decompose_char(static_cast<utf8proc_int32_t>(codePoint),
                                                         folded, 4, UTF8PROC_CASEFOLD, &boundClass);
  if (count == 1) return static_cast<char32_t>(folded[0]);
  if (codePoint == 0x0130) return codePoint;
  return static_cast<char32_t>(utf8proc_tolower(static_cast<utf8proc_int32_t>(codePoint)));
}

// Two stages: blocks of 256 code points, the many blocks without a case
// sharing one block of zeros. Entries hold folded minus original.
class TFoldTable {
 public:
  TFoldTable() {
    blocks_.emplace_back();  // block 0: nothing folds
    for (char32_t first = 0; first < kCasedLimit; first += kBlockSize) {
      std::array<std::int32_t, kBlockSize> block{};
      bool any = false;
      for (char32_t offset = 0; offset < kBlockSize; ++offset) {
        const char32_t codePoint = first + offset;
        block[offset] = static_cast<std::int32_t>(LibraryFold(codePoint)) -
                        static_cast<std::int32_t>(codePoint);
        any = any || block[offset] != 0;
      }
      blockOf_[first >> kBlockBits] = any ? static_cast<std::uint16_t>(blocks_.size()) : 0;
      if (any) blocks_.push_back(block);
    }
  }

  char32_t Fold(char32_t codePoint) const {
    if (codePoint >= kCasedLimit) return codePoint;
    const auto& block = blocks_[blockOf_[codePoint >> kBlockBits]];
    return static_cast<char32_t>(static_cast<std::int32_t>(codePoint) +
                                 block[codePoint & (kBlockSize - 1)]);
  }

 private:
  std::array<std::uint16_t, (kCasedLimit >> kBlockBits)> blockOf_{};
  std::vector<std::array<std::int32_t, kBlockSize>> blocks_;
};

}  // namespace

char32_t FoldCase(char32_t codePoint) {
  static const TFoldTable table;
  return table.Fold(codePoint);
}

std::string FoldCaseText(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const TFoldedChar folding = FoldedCharAt(text, at);
    if (folding.unit >= kInvalidByteUnit)
      folded += text[at];
    else
      Append(folded, folding.unit);
    at += folding.length;
  }
  return folded;
}

}  // namespace utf8
