// Any bytes loaded into the editor's buffer in pieces of any size: the lines
// are those of a plain split (behind a UTF-8 byte-order mark), whatever the
// piece boundaries cut (a CR LF included); character offsets, tab-expanded
// widths and the break style agree with the lines; uniform breaks save back
// to the same bytes.
#include <fuzzer/FuzzedDataProvider.h>
#include <utf8proc.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "editor/ScribEditStringList.h"
#include "support/TextEncoding.h"
#include "support/Utf8.h"

namespace {

struct Split {
  std::vector<std::string> lines;
  int crLf = 0, lf = 0, cr = 0;
};

// A final break is followed by an empty line.
Split ReferenceSplit(std::string_view bytes) {
  Split split;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') {
      line += bytes[i];
      continue;
    }
    if (bytes.compare(i, 2, "\r\n") == 0) {
      ++split.crLf;
      ++i;
    } else {
      ++(bytes[i] == '\r' ? split.cr : split.lf);
    }
    split.lines.push_back(std::move(line));
    line.clear();
  }
  if (!bytes.empty()) split.lines.push_back(std::move(line));
  return split;
}

// A byte-order mark in front of UTF-8 is no part of the text.
std::string_view TextOf(std::string_view bytes) {
  const std::string_view behindMark =
      bytes.substr(std::min(bytes.size(), kUtf8ByteOrderMark.size()));
  return bytes.starts_with(kUtf8ByteOrderMark) && utf8::IsValid(behindMark) ? behindMark : bytes;
}

// Cells of a line on screen: a TAB to the next stop; in UTF-8 text each
// character in the cells the Unicode data gives it (control characters one).
int ReferenceExpandedLength(std::string_view line, int tabWidth, bool utf8Text) {
  int column = 0;
  for (std::size_t at = 0; at < line.size();) {
    int cells = 1;
    utf8proc_ssize_t bytes = 1;
    if (line[at] == '\t') {
      cells = tabWidth < 2 ? 1 : tabWidth - column % tabWidth;
    } else if (utf8Text && static_cast<unsigned char>(line[at]) >= 0x80) {
      utf8proc_int32_t codePoint = 0;
      bytes = utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t*>(line.data() + at),
                               static_cast<utf8proc_ssize_t>(line.size() - at), &codePoint);
      cells = codePoint < 0xA0 ? 1 : utf8proc_charwidth(codePoint);
    }
    column += cells;
    at += static_cast<std::size_t>(bytes);
  }
  return column;
}

TScribLineBreakStyle ExpectedStyle(const Split& split) {
  const bool sawCr = split.cr + split.crLf > 0, sawLf = split.lf + split.crLf > 0;
  if (sawCr && !sawLf) return TScribLineBreakStyle::Cr;
  if (sawLf && !sawCr) return TScribLineBreakStyle::Lf;
  return TScribLineBreakStyle::CrLf;
}

void ExpectLines(TScribEditStringList& buffer, const Split& split) {
  Expect(buffer.Count() == static_cast<int>(split.lines.size()), "line count of a plain split");
  std::int64_t offset = 0;
  int longest = 0;
  for (int i = 0; i < buffer.Count(); ++i) {
    const std::string& line = split.lines[i];
    Expect(buffer.Get(i) == line, "line text of a plain split");
    Expect(buffer.LineStartCharIndex(i) == offset, "line start offset");
    Expect(buffer.LineOfCharIndex(offset) == i, "line of its first character");
    const bool utf8Text = IsUtf8(buffer.Encoding());
    const int width = ReferenceExpandedLength(line, buffer.TabWidth(), utf8Text);
    Expect(buffer.ExpandedStringLengths(i) == width, "tab-expanded width");
    // In UTF-8 text a character's bytes fill its cells, so only code-page text
    // expands to as many bytes as cells.
    Expect(utf8Text || buffer.ExpandedStrings(i).size() == static_cast<std::size_t>(width),
           "tab expansion as long as its width");
    longest = std::max(longest, width);
    offset += static_cast<std::int64_t>(line.size()) + 2;
  }
  Expect(buffer.LengthOfLongestLine() == longest, "longest line");
  Expect(buffer.CharCount() == std::max<std::int64_t>(offset - 2, 0), "character count");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto pieceSize = input.ConsumeIntegralInRange<std::size_t>(1, 32);
  const int tabWidth = input.ConsumeIntegralInRange(0, 12);
  const int blockLines = input.ConsumeIntegralInRange(1, 8);
  const auto blockBytes = input.ConsumeIntegralInRange<std::size_t>(1, 64);
  const std::string bytes = input.ConsumeRemainingBytesAsString();
  const Split split = ReferenceSplit(TextOf(bytes));

  TScribEditStringList buffer({.loadPieceBytes = pieceSize,
                               .blocks = {.blockLines = blockLines, .blockBytes = blockBytes}});
  buffer.SetTabWidth(tabWidth);
  std::istringstream stream(bytes);
  buffer.LoadFromStream(stream);
  ExpectLines(buffer, split);
  Expect(buffer.LineBreakStyle() == ExpectedStyle(split), "break style from the breaks seen");
  const int kinds = (split.crLf > 0) + (split.lf > 0) + (split.cr > 0);
  Expect(buffer.LoadedMixedLineBreaks() == (kinds > 1), "mixed breaks are noticed");
  if (kinds <= 1) Expect(buffer.SaveToString() == bytes, "uniform breaks save back unchanged");

  TScribEditStringList whole;
  whole.LoadFromBytes(bytes);
  Expect(whole.Text() == buffer.Text(), "loading in pieces or at once gives the same text");
  return 0;
}
