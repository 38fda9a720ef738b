#include "support/OvLib.h"

#include <algorithm>

namespace {

char FoldAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

bool HistoryEquals(const std::string& a, const std::string& b, bool ignoreCase) {
  if (!ignoreCase) return a == b;
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return FoldAsciiLetter(x) == FoldAsciiLetter(y);
         });
}

}  // namespace

void AddToHistory(std::vector<std::string>& list, const std::string& text, bool ignoreCase) {
  if (!list.empty() && HistoryEquals(list.front(), text, ignoreCase)) return;
  list.insert(list.begin(), text);
  for (std::size_t i = list.size() - 1; i >= 1; --i) {
    if (HistoryEquals(list[i], text, ignoreCase)) list.erase(list.begin() + i);
  }
}

std::string ExpandTemplate(const std::string& pattern, char escape,
                           const TemplateLetterFunction& letter, bool userValue) {
  std::string result;
  result.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != escape) {
      result += pattern[i];
    } else if (i + 1 < pattern.size()) {
      result += letter(pattern[++i], userValue);
    }
  }
  return result;
}

std::string IntToBin(std::uint32_t value, int minimumWidth) {
  std::string digits;
  do {
    digits += static_cast<char>('0' + (value & 1u));
    value >>= 1;
  } while (value != 0);
  if (static_cast<int>(digits.size()) < minimumWidth)
    digits.append(minimumWidth - digits.size(), '0');
  std::reverse(digits.begin(), digits.end());
  return digits;
}

int StringReplaceAll(std::string& text, const std::string& oldText, const std::string& newText) {
  if (oldText.empty()) return 0;
  std::string result;
  int count = 0;
  std::size_t from = 0;
  for (std::size_t at = text.find(oldText); at != std::string::npos;
       at = text.find(oldText, from)) {
    result.append(text, from, at - from);
    result += newText;
    from = at + oldText.size();
    ++count;
  }
  if (count == 0) return 0;
  result.append(text, from, std::string::npos);
  text = std::move(result);
  return count;
}

std::uint32_t TRandomGenerator::Below(std::uint32_t n) {
  seed_ = seed_ * 134775813u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
}
