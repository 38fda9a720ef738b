#include "support/Utf8Case.h"

#include <utf8proc.h>

#include <algorithm>

namespace utf8 {

namespace {

utf8proc_int32_t AsLibraryCodePoint(char32_t codePoint) {
  return static_cast<utf8proc_int32_t>(codePoint);
}

bool HasCategory(char32_t codePoint, std::initializer_list<utf8proc_category_t> categories) {
  if (codePoint > 0x10FFFF) return false;
  const utf8proc_category_t category = utf8proc_category(AsLibraryCodePoint(codePoint));
  return std::find(categories.begin(), categories.end(), category) != categories.end();
}

}  // namespace

char32_t UpperOf(char32_t codePoint) {
  if (codePoint < 0x80) return codePoint >= 'a' && codePoint <= 'z' ? codePoint - 32 : codePoint;
  // Unicode gives sharp s no one-character upper case; newer library
  // versions answer U+1E9E, so the result would depend on the machine.
  if (codePoint == 0xDF) return codePoint;
  return static_cast<char32_t>(utf8proc_toupper(AsLibraryCodePoint(codePoint)));
}

char32_t LowerOf(char32_t codePoint) {
  if (codePoint < 0x80) return codePoint >= 'A' && codePoint <= 'Z' ? codePoint + 32 : codePoint;
  return static_cast<char32_t>(utf8proc_tolower(AsLibraryCodePoint(codePoint)));
}

char32_t TitleOf(char32_t codePoint) {
  if (codePoint < 0x80) return UpperOf(codePoint);
  return static_cast<char32_t>(utf8proc_totitle(AsLibraryCodePoint(codePoint)));
}

bool IsLetter(char32_t codePoint) {
  if (codePoint < 0x80) return (codePoint | 0x20) >= 'a' && (codePoint | 0x20) <= 'z';
  return HasCategory(codePoint, {UTF8PROC_CATEGORY_LU, UTF8PROC_CATEGORY_LL, UTF8PROC_CATEGORY_LT,
                                 UTF8PROC_CATEGORY_LM, UTF8PROC_CATEGORY_LO});
}

bool IsMark(char32_t codePoint) {
  return codePoint >= 0x300 &&
         HasCategory(codePoint, {UTF8PROC_CATEGORY_MN, UTF8PROC_CATEGORY_MC, UTF8PROC_CATEGORY_ME});
}

std::string UpperCase(std::string_view text) {
  return MapCharacters(text, UpperOf);
}

std::string LowerCase(std::string_view text) {
  return MapCharacters(text, LowerOf);
}

std::size_t OffsetAfterMapping(std::string_view before, std::string_view after,
                               std::size_t offset) {
  // Up to the first changed byte both texts are the same.
  const std::size_t common =
      std::mismatch(before.begin(), before.end(), after.begin(), after.end()).first -
      before.begin();
  if (offset <= common) return offset;
  // Back to a character start both texts share, then step both in turn.
  std::size_t from = common;
  while (from > 0 && (static_cast<unsigned char>(before[from]) & 0xC0) == 0x80) --from;
  std::size_t to = from;
  while (from < offset && from < before.size() && to < after.size()) {
    from += CharLength(before, from);
    to += CharLength(after, to);
  }
  return to + (offset > from ? offset - from : 0);
}

}  // namespace utf8
