// The section list: sections are marked in the text by a banner whose first
// line begins with six hyphens and whose next line begins with "-- " and
// carries the name; the section's body starts after a third banner line. The
// markers do not depend on the style's comment characters. Lines are read
// through a callback so the editor's buffer is never copied.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Color.h"
#include "tools/LineSource.h"

enum class TSectionMarker { Name = 0, TopOfFile = 1, EndOfFile = 2 };

struct TSectionItem {
  std::string text;
  TSectionMarker marker = TSectionMarker::Name;
  std::int64_t targetLine = 0;  // 1-based line the jump goes to
};

// "Top of File", the sections in text order, "End of File".
std::vector<TSectionItem> BuildSectionList(std::int64_t lineCount, const TLineSource& lineAt,
                                           bool utf8 = false);

// The name carried by a banner's second line: its first two and last two
// characters removed, then blanks and control characters trimmed. In `utf8`
// text a character is a letter with its accents, never part of one.
std::string SectionNameOf(std::string_view nameLine, bool utf8 = false);

// Index of the item whose target line is nearest the caret line; the earlier
// one on a tie. `items` is never empty (it holds the two markers at least).
std::size_t NearestSectionItem(const std::vector<TSectionItem>& items, std::int64_t caretLine);

// The target line as the list shows it: at least five digits, zero-padded.
std::string SectionLineNumberText(std::int64_t targetLine);

// Colours of the owner-drawn list, 0x00BBGGRR.
namespace section_list_colors {
constexpr TColor kBackground = 0xDCDCDC;  // RGB(220, 220, 220)
constexpr TColor kText = 0x303030;        // RGB(48, 48, 48)
constexpr TColor kSelected = 0xF0CAA6;    // RGB(166, 202, 240)
constexpr TColor kDivider = 0x000080;     // RGB(128, 0, 0)
constexpr TColor kLineNumber = 0x800000;  // RGB(0, 0, 128)
constexpr TColor kMarkerRule = 0xA0A0A0;  // RGB(160, 160, 160)
}  // namespace section_list_colors
