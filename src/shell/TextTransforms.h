// The text side of the main window's edit commands: case methods, centring,
// line comments and bracket matching. The shell applies the results to the
// editor through its public operations.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/OvLib.h"

// The case methods in the order the selection list shows them.
enum class TCaseMethod { Upper, Lower, Title, Toggle, Random, Second };
const std::vector<std::string>& CaseMethodNames();

// Random draws once per character from `random`. Code-page text maps byte by
// byte and toggles A-Z only; `utf8` text maps character by character with
// Unicode's simple case mapping (its byte length may change) and toggles every
// cased letter.
std::string ModifyCaseText(TCaseMethod method, std::string_view text, TRandomGenerator& random,
                           bool utf8 = false);

// Trims characters of code 32 or less from both ends and pads the rest with
// half the removed count (rounded down) of blanks on each side.
std::string CenterWithSpacesText(std::string_view selected);

// True when, after leading blanks and tabs, the line starts with `commentChars`
// and at least one more character follows it.
bool IsLineCommented(std::string_view line, std::string_view commentChars);

struct TCommentToggle {
  std::vector<std::pair<int, std::string>> changedLines;  // 0-based index, new text
  long long selLength = 0;                                // the adjusted selection length
};

// Lines `firstLine`..`lastLine` (0-based, inclusive) toggled as one block.
// `selLength` grows or shrinks by the comment's length per changed line when positive.
TCommentToggle ToggleComments(int firstLine, int lastLine,
                              const std::function<std::string(int)>& lineAt,
                              std::string_view commentChars, long long selLength);

struct TTextSpan {
  long long start;  // 0-based offset
  long long length;
};

// From the character at `selStart` on, the first bracket and its partner of
// the same pair, as the span from the opening to the closing bracket.
std::optional<TTextSpan> FindMatchingBracket(std::string_view text, long long selStart);
