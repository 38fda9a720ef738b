// Small routines shared by every subsystem: history lists, the template
// expander, binary digits, literal replacement and the pseudo-random
// generator. All text is code-page bytes in std::string.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Moves `text` to the top of `list` and removes later duplicates. When the
// first item already equals `text` nothing changes (it keeps its spelling).
// With `ignoreCase` only A-Z and a-z are folded.
void AddToHistory(std::vector<std::string>& list, const std::string& text, bool ignoreCase);

// The letter function receives the character after the escape and the
// caller's user value, and returns its replacement.
using TemplateLetterFunction = std::function<std::string(char letter, bool userValue)>;

// Copies `pattern` left to right; escape+char is replaced by letter(char, userValue);
// an escape at the very end is dropped.
std::string ExpandTemplate(const std::string& pattern, char escape,
                           const TemplateLetterFunction& letter, bool userValue);

// Binary digits of `value`, most significant first, at least one digit,
// left-padded with '0' to `minimumWidth` (never cut).
std::string IntToBin(std::uint32_t value, int minimumWidth);

// Case-sensitive, left to right, non-overlapping replacement in place.
// Returns the number of replacements; an empty `oldText` changes nothing.
int StringReplaceAll(std::string& text, const std::string& oldText, const std::string& newText);

// A linear congruential generator. A draw below n sets
// seed := seed * 134775813 + 1 and returns the high 32 bits of seed * n.
// The program keeps one, seeded 0 and never reseeded.
class TRandomGenerator {
 public:
  explicit TRandomGenerator(std::uint32_t seed = 0) : seed_(seed) {}
  std::uint32_t Below(std::uint32_t n);
  std::uint32_t Seed() const { return seed_; }

 private:
  std::uint32_t seed_;
};
