#include "tools/Utf8Matcher.h"

#include <array>

#include "support/Utf8.h"
#include "support/Utf8Fold.h"

namespace {

// ASCII letters folded to lower case; every other byte is itself, so no
// byte of a multi-byte character folds.
const TByteFold& AsciiFold() {
  static const TByteFold fold = [] {
    TByteFold table{};
    for (int byte = 0; byte < 256; ++byte)
      table[byte] = static_cast<unsigned char>(byte >= 'A' && byte <= 'Z' ? byte + 0x20 : byte);
    return table;
  }();
  return fold;
}

// ASCII characters that some other character folds to as well (the Kelvin
// sign to "k", the long s to "s").
const std::array<bool, 128>& AsciiFoldTargets() {
  static const std::array<bool, 128> targets = [] {
    std::array<bool, 128> found{};
    for (char32_t codePoint = 0x80; codePoint < 0x110000; ++codePoint) {
      const char32_t folded = utf8::FoldCase(codePoint);
      if (folded < 0x80) found[folded] = true;
    }
    return found;
  }();
  return targets;
}

// Only ASCII text can match: each unit is ASCII and folded to from nothing else.
bool OnlyAsciiMatches(const std::vector<char32_t>& units) {
  for (const char32_t unit : units)
    if (unit >= 0x80 || AsciiFoldTargets()[unit]) return false;
  return true;
}

// Where a match may start or end: a caret stop of the lines, so that it
// never takes a letter without its combining marks, nor marks without their
// letter. A line starts a new stop.
bool IsStop(std::string_view text, std::size_t at) {
  if (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80) return true;
  return utf8::IsCaretStop(text, at) || text[at - 1] == '\n' || text[at - 1] == '\r';
}

}  // namespace

TUtf8Matcher::TUtf8Matcher(std::string_view pattern, bool matchCase) {
  if (matchCase) {
    byteMatcher_.emplace(pattern, IdentityFold());
    maxMatchLength_ = pattern.size();
    return;
  }
  for (std::size_t at = 0; at < pattern.size();) {
    const utf8::TFoldedChar folded = utf8::FoldedCharAt(pattern, at);
    units_.push_back(folded.unit);
    at += folded.length;
  }
  // A character takes at most four bytes, whatever it folds to.
  maxMatchLength_ = 4 * units_.size();
  if (OnlyAsciiMatches(units_)) {
    byteMatcher_.emplace(pattern, AsciiFold());
    maxMatchLength_ = pattern.size();
  }
}

TMatchSpan TUtf8Matcher::FindFrom(std::string_view text, std::size_t from) const {
  if (!byteMatcher_) return FindFolded(text, from);
  const std::size_t length = byteMatcher_->PatternLength();
  for (std::size_t index = byteMatcher_->FindFrom(text, from); index != std::string_view::npos;
       index = byteMatcher_->FindFrom(text, index + 1)) {
    if (IsStop(text, index) && IsStop(text, index + length)) return {index, length};
  }
  return {};
}

TMatchSpan TUtf8Matcher::FindFolded(std::string_view text, std::size_t from) const {
  if (units_.empty()) return {};
  std::size_t at = from;
  while (at < text.size() && !utf8::IsCharBoundary(text, at)) ++at;
  const char32_t first = units_.front();
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  while (at < text.size()) {
    if (bytes[at] < 0x80) {
      // Most text is ASCII: one table look-up per byte until the first unit.
      if (AsciiFold()[bytes[at]] == first) {
        if (const std::size_t length = FoldedMatchAt(text, at)) return {at, length};
      }
      ++at;
      continue;
    }
    const utf8::TFoldedChar character = utf8::FoldedCharAt(text, at);
    if (character.unit == first && IsStop(text, at)) {
      if (const std::size_t length = FoldedMatchAt(text, at)) return {at, length};
    }
    at += character.length;
  }
  return {};
}

std::size_t TUtf8Matcher::FoldedMatchAt(std::string_view text, std::size_t at) const {
  std::size_t end = at;
  for (const char32_t unit : units_) {
    if (end >= text.size()) return 0;
    const utf8::TFoldedChar character = utf8::FoldedCharAt(text, end);
    if (character.unit != unit) return 0;
    end += character.length;
  }
  return IsStop(text, end) ? end - at : 0;
}

namespace {

bool IsWordCharacterAt(std::string_view text, std::size_t at) {
  const auto byte = static_cast<unsigned char>(text[at]);
  if (byte < 0x80)
    return (byte >= '0' && byte <= '9') || ((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z');
  return utf8::SequenceLength(text, at) > 0 && utf8::IsWordCharacter(utf8::Decode(text, at));
}

}  // namespace

bool WordCharacterBefore(std::string_view text, std::size_t at) {
  return at > 0 && IsWordCharacterAt(text, utf8::PreviousCharStart(text, at));
}

bool WordCharacterAt(std::string_view text, std::size_t at) {
  return at < text.size() && IsWordCharacterAt(text, at);
}
