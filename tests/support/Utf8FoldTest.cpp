#include <gtest/gtest.h>
#include <utf8proc.h>

#include <string>

#include "support/Utf8.h"
#include "support/Utf8Fold.h"

namespace {

// The library's full case folding of one code point.
std::u32string LibraryFullFold(char32_t codePoint) {
  utf8proc_int32_t folded[4];
  int boundClass = 0;
  const utf8proc_ssize_t count = utf8proc_decompose_char(static_cast<utf8proc_int32_t>(codePoint),
                                                         folded, 4, UTF8PROC_CASEFOLD, &boundClass);
  std::u32string result;
  for (utf8proc_ssize_t i = 0; i < count; ++i) result += static_cast<char32_t>(folded[i]);
  return result;
}

char32_t Lower(char32_t c) {
  return static_cast<char32_t>(utf8proc_tolower(static_cast<utf8proc_int32_t>(c)));
}
char32_t Upper(char32_t c) {
  return static_cast<char32_t>(utf8proc_toupper(static_cast<utf8proc_int32_t>(c)));
}

bool IsCodePoint(char32_t c) {
  return c < 0xD800 || (c > 0xDFFF && c < 0x110000);
}

}  // namespace

// Over every code point: where the library folds to a single code point the
// fold is that one; folding is stable; a character, its lower and its upper
// case fold alike. Only the Turkish dotted and dotless i stand apart, as
// simple folding wants.
TEST(Utf8Fold, AgreesWithTheLibraryOnEveryCodePoint) {
  int differences = 0;
  for (char32_t c = 0; c < 0x110000; ++c) {
    if (!IsCodePoint(c)) continue;
    const char32_t folded = utf8::FoldCase(c);
    const std::u32string full = LibraryFullFold(c);
    bool fine = utf8::FoldCase(folded) == folded;
    if (full.size() == 1) fine = fine && folded == full[0];
    if (c != 0x130 && c != 0x131 && Lower(c) != 0x131 && Upper(c) != 0x130)
      fine = fine && utf8::FoldCase(Lower(c)) == folded && utf8::FoldCase(Upper(c)) == folded;
    if (!fine && ++differences < 10)
      ADD_FAILURE() << "U+" << std::hex << std::uppercase << static_cast<unsigned>(c);
  }
  EXPECT_EQ(differences, 0);
}

TEST(Utf8Fold, HandPickedCharacters) {
  EXPECT_EQ(static_cast<unsigned>(utf8::FoldCase(U'É')), static_cast<unsigned>(U'é'));
  EXPECT_EQ(static_cast<unsigned>(utf8::FoldCase(U'Ж')), static_cast<unsigned>(U'ж'));
  EXPECT_EQ(static_cast<unsigned>(utf8::FoldCase(U'Σ')), static_cast<unsigned>(U'σ'));
  EXPECT_EQ(static_cast<unsigned>(utf8::FoldCase(U'ς')), static_cast<unsigned>(U'σ'))
      << "final sigma";
  EXPECT_EQ(static_cast<unsigned>(utf8::FoldCase(U'ß')), static_cast<unsigned>(U'ß'))
      << "simple folding keeps one code point";
  EXPECT_EQ(static_cast<unsigned>(utf8::FoldCase(U'\u1E9E')), static_cast<unsigned>(U'ß'))
      << "capital sharp s";
  EXPECT_EQ(static_cast<unsigned>(utf8::FoldCase(U'\u212A')), static_cast<unsigned>(U'k'))
      << "Kelvin sign";
  EXPECT_EQ(static_cast<unsigned>(utf8::FoldCase(U'K')), static_cast<unsigned>(U'k'));
  EXPECT_EQ(static_cast<unsigned>(utf8::FoldCase(U'\u0130')), static_cast<unsigned>(U'\u0130'))
      << "dotted capital I has no simple folding";
  EXPECT_EQ(static_cast<unsigned>(utf8::FoldCase(U'中')), static_cast<unsigned>(U'中'));
  EXPECT_EQ(static_cast<unsigned>(utf8::FoldCase(U'\U00010400')),
            static_cast<unsigned>(U'\U00010428'))
      << "Deseret, four bytes";
}

TEST(Utf8Fold, FoldsTextAndKeepsInvalidBytes) {
  EXPECT_EQ(utf8::FoldCaseText("\xC3\x89T\xC3\x89 \xE2\x84\xAA \xFF\xC3"),
            "\xC3\xA9t\xC3\xA9 k \xFF\xC3");
}
