#include "tools/ByteMatcher.h"

#include "support/CodePage.h"

namespace {

template <typename Map>
TByteFold MakeFold(Map map) {
  TByteFold fold{};
  for (int byte = 0; byte < 256; ++byte) fold[byte] = map(static_cast<unsigned char>(byte));
  return fold;
}

}  // namespace

const TByteFold& IdentityFold() {
  static const TByteFold fold = MakeFold([](unsigned char byte) { return byte; });
  return fold;
}

const TByteFold& UpperCaseFold() {
  static const TByteFold fold = MakeFold(codepage::ToUpper);
  return fold;
}

const TByteFold& CompareIgnoreCaseFold() {
  static const TByteFold fold = MakeFold([](unsigned char byte) {
    const char self = static_cast<char>(byte);
    for (int other = 0; other < byte; ++other) {
      const char candidate = static_cast<char>(other);
      if (codepage::CompareIgnoreCase({&self, 1}, {&candidate, 1}) == 0)
        return static_cast<unsigned char>(other);
    }
    return byte;
  });
  return fold;
}

TByteMatcher::TByteMatcher(std::string_view pattern, const TByteFold& fold)
    : pattern_(pattern), fold_(fold) {
  for (char& byte : pattern_) byte = static_cast<char>(fold_[static_cast<unsigned char>(byte)]);
  const std::size_t length = pattern_.size();
  // Distance from the last occurrence of each folded byte (last position
  // excluded) to the pattern's end; bytes not in the pattern skip it whole.
  std::array<std::size_t, 256> foldedSkip;
  foldedSkip.fill(length);
  for (std::size_t i = 0; i + 1 < length; ++i)
    foldedSkip[static_cast<unsigned char>(pattern_[i])] = length - 1 - i;
  for (int byte = 0; byte < 256; ++byte) skip_[byte] = foldedSkip[fold_[byte]];
}

bool TByteMatcher::MatchesAt(const unsigned char* candidate) const {
  const auto* pattern = reinterpret_cast<const unsigned char*>(pattern_.data());
  for (std::size_t i = 0; i < pattern_.size(); ++i)
    if (fold_[candidate[i]] != pattern[i]) return false;
  return true;
}

std::size_t TByteMatcher::FindFrom(std::string_view text, std::size_t from) const {
  const std::size_t length = pattern_.size();
  if (length == 0 || length > text.size()) return std::string_view::npos;
  const auto* data = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t lastStart = text.size() - length;
  const unsigned char lastPatternByte = static_cast<unsigned char>(pattern_.back());
  for (std::size_t p = from; p <= lastStart;) {
    const unsigned char lastTextByte = data[p + length - 1];
    if (fold_[lastTextByte] == lastPatternByte && MatchesAt(data + p)) return p;
    p += skip_[lastTextByte];
  }
  return std::string_view::npos;
}
