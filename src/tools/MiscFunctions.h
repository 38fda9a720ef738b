// The transformations of the Miscellaneous Functions dialog, on plain text:
// Minimise (trimming blanks, empty lines and final line breaks), the simple
// reversible encodings and the per-line template. The dialog reads its
// controls into a TMiscFuncRequest, calls DoMiscFunction on the selected text
// (or the whole text when nothing is selected) and writes the outcome back.
//
// Texts are code-page bytes or UTF-8. Results use CR LF between lines.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TMinimiseOptions {
  bool trimTrailing = true;     // "For each line, remove trailing spaces and tabs"
  bool trimNewLines = true;     // "At the end of file, remove new line indicators"
  bool trimLeading = false;     // "For each line, remove leading spaces and tabs"
  bool trimEmptyLines = false;  // "For each line, remove those that are empty"
};

std::string Minimise(std::string_view text, const TMinimiseOptions& options);

// The Test panel's text: "<before - after> chars".
std::string MinimiseSavingText(std::size_t lengthBefore, std::size_t lengthAfter);

// Every line through the template: "%l" the line, "%i" its 0-based index,
// "%n" its 1-based number; "%" with any other character gives nothing.
std::string ApplyLineTemplate(std::string_view text, std::string_view lineTemplate);

// The encoding methods, in the order of the dialog's list.
enum class TEncMethod {
  Rot13,
  Backwards,
  Binary,
  Hexadecimal,
  BitShifting,
  XorInvert,
  IntArrayToStr
};
inline constexpr std::array<std::string_view, 7> kEncMethodNames = {
    "ROTate 13",    "Backwards",  "Binary",          "Hexadecimal",
    "Bit Shifting", "XOR Invert", "Int Array to Str"};

std::string Rot13(std::string_view text);
// Reversed bytes with CR and LF swapped, so CR LF pairs survive.
std::string Backwards(std::string_view text);
// The same for UTF-8 text: reversed characters, each keeping its bytes and
// its combining marks; runs of bytes that are not UTF-8 stay as they are.
std::string Utf8Backwards(std::string_view text);
// Decodes text of only "0", "1" and spaces (empty included), encodes anything else.
std::string BinaryCode(std::string_view text);
// Decodes text of only hexadecimal digits and spaces (empty included), encodes
// anything else with upper-case digits.
std::string HexadecimalCode(std::string_view text);
std::string XorInvert(std::string_view text);
// Decimal numbers separated by single non-digits, one byte each (low 8 bits);
// an empty number gives a space.
std::string IntArrayToStr(std::string_view text);

// The chosen method applied to the text; nothing for Bit Shifting, which is
// not available. Only Backwards reads `utf8` text as characters: the other
// methods work on its bytes.
std::optional<std::string> ApplyEncoding(TEncMethod method, std::string_view text,
                                         bool utf8 = false);

enum class TMiscPage { Minimise, Encryption, Lines };

struct TMiscFuncRequest {
  TMiscPage page = TMiscPage::Minimise;
  TMinimiseOptions minimise;
  TEncMethod method = TEncMethod::Rot13;
  std::string lineTemplate = "%l";
  bool utf8 = false;  // the text is UTF-8, not code-page bytes
};

// The message shown instead of a result when the method is not available.
inline constexpr std::string_view kNotImplementedText =
    "Currently this function is not yet implemented!";
inline constexpr std::string_view kNotImplementedCaption = "Not Implemented";

struct TMiscFuncOutcome {
  bool notImplemented = false;  // show kNotImplementedText (information icon), change nothing
  std::string result;           // replaces the selection
  std::optional<std::string> testPanelText;  // Minimise reports what it saved
};

// False for Bit Shifting: Do Function then shows kNotImplementedText and
// leaves the selection alone, so ask before selecting the whole text.
bool IsMiscFunctionAvailable(const TMiscFuncRequest& request);

TMiscFuncOutcome DoMiscFunction(const TMiscFuncRequest& request, std::string_view text);

// The selection after Do Function: back at the old start S; the new text is
// selected when there was a selection (N > 0), else the caret stands at S.
struct TMiscSelection {
  std::size_t start = 0;
  std::size_t length = 0;
};
TMiscSelection SelectionAfterMiscFunction(std::size_t oldStart, std::size_t oldLength,
                                          std::size_t resultLength);

// Lines split at CR LF, lone CR or lone LF; a break at the very end starts no
// further line. Views point into the text.
struct TSplitLines {
  std::vector<std::string_view> lines;
  bool endsWithBreak = false;
};
TSplitLines SplitLines(std::string_view text);
