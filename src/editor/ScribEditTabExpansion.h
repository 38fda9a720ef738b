// Tab expansion of one line. Columns count from 0 in the result. With a tab
// width of 2 or more each TAB becomes as many TAB characters as columns it
// covers up to the next tab stop, so the result keeps TABs as filler; with a
// width below 2 each TAB becomes one space.
#pragma once

#include <string>
#include <string_view>

std::string ExpandTabs(std::string_view line, int tabWidth);

// Length of ExpandTabs(line, tabWidth) without building it; saturates at the
// largest int instead of overflowing on absurd widths.
int ExpandedLength(std::string_view line, int tabWidth);
