#include "shell/TextTransforms.h"

#include <array>

#include "support/CharClasses.h"
#include "support/CodePage.h"
#include "support/OvLib.h"
#include "support/Utf8Case.h"

namespace {

bool IsAsciiLower(unsigned char c) {
  return c >= 'a' && c <= 'z';
}
bool IsAsciiUpper(unsigned char c) {
  return c >= 'A' && c <= 'Z';
}

std::string TitleCase(std::string_view text) {
  std::string result = codepage::LowerCase(text);
  bool afterLetter = false;
  for (char& c : result) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsAsciiLower(byte) && !afterLetter) c = static_cast<char>(byte - 32);
    afterLetter = IsAsciiLower(byte);
  }
  return result;
}

std::string ToggleCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsAsciiLower(byte))
      c = static_cast<char>(byte - 32);
    else if (IsAsciiUpper(byte))
      c = static_cast<char>(byte + 32);
  }
  return result;
}

template <typename ChooseUpper>
std::string MixedCase(std::string_view text, ChooseUpper chooseUpper) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size(); ++i) {
    const auto byte = static_cast<unsigned char>(result[i]);
    result[i] =
        static_cast<char>(chooseUpper(i) ? codepage::ToUpper(byte) : codepage::ToLower(byte));
  }
  return result;
}

// The methods on UTF-8 text: the same rules, character by character, with
// Unicode's simple case mapping for every cased letter.
std::string Utf8TitleCase(std::string_view text) {
  bool afterLetter = false;
  return utf8::MapCharacters(text, [&](char32_t c) {
    if (utf8::IsMark(c)) return utf8::LowerOf(c);  // an accent does not end its letter
    const bool letter = utf8::IsLetter(c);
    const char32_t mapped = letter && !afterLetter ? utf8::TitleOf(c) : utf8::LowerOf(c);
    afterLetter = letter;
    return mapped;
  });
}

char32_t ToggledCase(char32_t c) {
  const char32_t upper = utf8::UpperOf(c);
  return upper != c ? upper : utf8::LowerOf(c);
}

template <typename ChooseUpper>
std::string Utf8MixedCase(std::string_view text, ChooseUpper chooseUpper) {
  std::size_t index = 0;
  return utf8::MapCharacters(
      text, [&](char32_t c) { return chooseUpper(index++) ? utf8::UpperOf(c) : utf8::LowerOf(c); });
}

std::string Utf8ModifyCase(TCaseMethod method, std::string_view text, TRandomGenerator& random) {
  switch (method) {
    case TCaseMethod::Upper:
      return utf8::UpperCase(text);
    case TCaseMethod::Lower:
      return utf8::LowerCase(text);
    case TCaseMethod::Title:
      return Utf8TitleCase(text);
    case TCaseMethod::Toggle:
      return utf8::MapCharacters(text, ToggledCase);
    case TCaseMethod::Random:
      return Utf8MixedCase(text, [&](std::size_t) { return random.Below(2) == 1; });
    case TCaseMethod::Second:
      return Utf8MixedCase(text, [](std::size_t i) { return i % 2 == 0; });
  }
  return std::string(text);
}

struct BracketPair {
  char open, close;
};
constexpr std::array<BracketPair, 4> kBracketPairs{
    {{'[', ']'}, {'{', '}'}, {'(', ')'}, {'<', '>'}}};

const BracketPair* PairOf(char c) {
  for (const BracketPair& pair : kBracketPairs)
    if (c == pair.open || c == pair.close) return &pair;
  return nullptr;
}

}  // namespace

const std::vector<std::string>& CaseMethodNames() {
  static const std::vector<std::string> names{"UPPER CASE",  "lower case",  "Title Case",
                                              "tOGGLE cASE", "RAndOm CaSe", "sEcOnD CaSe"};
  return names;
}

std::string ModifyCaseText(TCaseMethod method, std::string_view text, TRandomGenerator& random,
                           bool utf8) {
  if (utf8) return Utf8ModifyCase(method, text, random);
  switch (method) {
    case TCaseMethod::Upper:
      return codepage::UpperCase(text);
    case TCaseMethod::Lower:
      return codepage::LowerCase(text);
    case TCaseMethod::Title:
      return TitleCase(text);
    case TCaseMethod::Toggle:
      return ToggleCase(text);
    case TCaseMethod::Random:
      return MixedCase(text, [&](std::size_t) { return random.Below(2) == 1; });
    case TCaseMethod::Second:
      return MixedCase(text, [](std::size_t i) { return i % 2 == 0; });
  }
  return std::string(text);
}

std::string CenterWithSpacesText(std::string_view selected) {
  std::size_t first = 0, last = selected.size();
  while (first < last && IsBlankOrControl(selected[first])) ++first;
  while (last > first && IsBlankOrControl(selected[last - 1])) --last;
  const std::string pad((selected.size() - (last - first)) / 2, ' ');
  return pad + std::string(selected.substr(first, last - first)) + pad;
}

bool IsLineCommented(std::string_view line, std::string_view commentChars) {
  if (line.size() <= commentChars.size()) return false;
  const std::size_t limit = line.size() - commentChars.size();
  const std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos || first >= limit) return false;
  return line.substr(first, commentChars.size()) == commentChars;
}

TCommentToggle ToggleComments(int firstLine, int lastLine,
                              const std::function<std::string(int)>& lineAt,
                              std::string_view commentChars, long long selLength) {
  bool removeMode = false;
  for (int i = lastLine; i >= firstLine; --i) {
    const std::string line = lineAt(i);
    if (!line.empty()) {
      removeMode = IsLineCommented(line, commentChars);
      break;
    }
  }
  TCommentToggle result{{}, selLength};
  if (commentChars.empty()) return result;
  const auto k = static_cast<long long>(commentChars.size());
  for (int i = firstLine; i <= lastLine; ++i) {
    std::string line = lineAt(i);
    if (line.empty()) continue;
    const bool commented = IsLineCommented(line, commentChars);
    if (!removeMode && !commented) {
      line.insert(0, commentChars);
      if (result.selLength > 0) result.selLength += k;
    } else if (removeMode && commented) {
      line.erase(line.find(commentChars), commentChars.size());
      if (result.selLength > 0) result.selLength -= k;
    } else {
      continue;
    }
    result.changedLines.emplace_back(i, std::move(line));
  }
  return result;
}

std::optional<TTextSpan> FindMatchingBracket(std::string_view text, long long selStart) {
  if (selStart < 0) selStart = 0;
  const std::size_t found = text.find_first_of("[]{}()<>", static_cast<std::size_t>(selStart));
  if (found == std::string_view::npos) return std::nullopt;
  const BracketPair& pair = *PairOf(text[found]);
  const bool opening = text[found] == pair.open;
  const char same = text[found];
  const char partner = opening ? pair.close : pair.open;
  int depth = 1;
  const long long step = opening ? 1 : -1;
  for (long long i = static_cast<long long>(found) + step;
       i >= 0 && i < static_cast<long long>(text.size()); i += step) {
    if (text[i] == same)
      ++depth;
    else if (text[i] == partner && --depth == 0) {
      const long long from = opening ? static_cast<long long>(found) : i;
      const long long to = opening ? i : static_cast<long long>(found);
      return TTextSpan{from, to - from + 1};
    }
  }
  return std::nullopt;
}
