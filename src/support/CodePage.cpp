#include "support/CodePage.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace codepage {

namespace {

using ByteTable = std::array<unsigned char, 256>;

// Letter pairs of Windows-1252 outside the two regular blocks.
constexpr std::array<std::pair<unsigned char, unsigned char>, 4> kIrregularPairs{{
    {0x8A, 0x9A},  // S caron
    {0x8C, 0x9C},  // OE ligature
    {0x8E, 0x9E},  // Z caron
    {0x9F, 0xFF},  // Y diaeresis
}};

struct CaseTables {
  ByteTable upper;
  ByteTable lower;
};

CaseTables BuildCaseTables() {
  CaseTables tables;
  for (int c = 0; c < 256; ++c) {
    tables.upper[c] = tables.lower[c] = static_cast<unsigned char>(c);
  }
  auto pair = [&tables](int upperByte, int lowerByte) {
    tables.upper[lowerByte] = static_cast<unsigned char>(upperByte);
    tables.lower[upperByte] = static_cast<unsigned char>(lowerByte);
  };
  for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 32);
  // 0xD7 and 0xF7 are the multiplication and division signs; 0xDF (sharp s)
  // has no single-byte capital.
  for (int c = 0xC0; c <= 0xDE; ++c) {
    if (c != 0xD7) pair(c, c + 32);
  }
  for (const auto& [upperByte, lowerByte] : kIrregularPairs) pair(upperByte, lowerByte);
  return tables;
}

const CaseTables& Tables() {
  static const CaseTables tables = BuildCaseTables();
  return tables;
}

// Code points of 0x80..0x9F; the five undefined bytes stand for themselves.
constexpr std::array<char32_t, 32> kHighControlBlock{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

const std::unordered_map<char32_t, unsigned char>& ReverseTable() {
  static const auto table = [] {
    std::unordered_map<char32_t, unsigned char> reverse;
    for (int c = 0; c < 256; ++c) reverse.emplace(ToUnicode(static_cast<unsigned char>(c)), c);
    return reverse;
  }();
  return table;
}

template <typename Map>
int CompareBytes(std::string_view a, std::string_view b, Map map) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const int x = map(static_cast<unsigned char>(a[i]));
    const int y = map(static_cast<unsigned char>(b[i]));
    if (x != y) return x - y;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string MapText(std::string_view text, const ByteTable& table) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
  return result;
}

}  // namespace

unsigned char ToUpper(unsigned char c) {
  return Tables().upper[c];
}
unsigned char ToLower(unsigned char c) {
  return Tables().lower[c];
}
std::string UpperCase(std::string_view text) {
  return MapText(text, Tables().upper);
}
std::string LowerCase(std::string_view text) {
  return MapText(text, Tables().lower);
}

int CompareIgnoreCase(std::string_view a, std::string_view b) {
  return CompareBytes(a, b, [](unsigned char c) { return Tables().upper[c]; });
}

int CompareExact(std::string_view a, std::string_view b) {
  return CompareBytes(a, b, [](unsigned char c) { return c; });
}

char32_t ToUnicode(unsigned char c) {
  if (c >= 0x80 && c <= 0x9F) return kHighControlBlock[c - 0x80];
  return c;
}

unsigned char FromUnicode(char32_t codePoint) {
  const auto& table = ReverseTable();
  const auto found = table.find(codePoint);
  return found == table.end() ? '?' : found->second;
}

}  // namespace codepage
