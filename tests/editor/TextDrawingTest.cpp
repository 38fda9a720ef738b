#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "RecordingCanvas.h"
#include "editor/FontStock.h"
#include "editor/ScribDisplayPos.h"
#include "editor/TextDrawer.h"

namespace {

TEST(FontStock, VariantsAreMadeOncePerStyle) {
  TFontStock stock;
  EXPECT_THROW(stock.Variant(0), std::logic_error);
  try {
    stock.SetBaseFont(nullptr);
    FAIL();
  } catch (const std::invalid_argument& error) {
    EXPECT_STREQ(error.what(), "SetBaseFont: 'Value' must be specified.");
  }
  TFont base;
  base.name = "Courier New";
  base.height = -13;
  stock.SetBaseFont(&base);
  const TFont& boldItalic = stock.Variant(fsBold | fsItalic);
  EXPECT_EQ(boldItalic.style, fsBold | fsItalic);
  EXPECT_EQ(boldItalic.name, "Courier New");
  stock.Variant(fsBold | fsItalic);
  stock.Variant(0);
  EXPECT_EQ(stock.VariantsMade(), 2);
  stock.SetBaseFont(&base);  // the same font keeps the cache
  EXPECT_EQ(stock.VariantsMade(), 2);
  base.height = -20;
  stock.SetBaseFont(&base);
  EXPECT_EQ(stock.VariantsMade(), 0);
  EXPECT_EQ(stock.Variant(fsUnderline).height, -20);
}

TEST(TextDrawer, StyleReachesTheCanvasOnlyWhenItChanges) {
  RecordingCanvas canvas(16);
  TTextDrawer drawer(canvas, 8);
  const TRect clip{0, 0, 200, 16};
  drawer.SetStyle(fsBold);
  drawer.TextOut(0, 0, "ab", 1, 2, clip);
  drawer.SetStyle(fsBold);
  drawer.TextOut(16, 0, "\t\tc", 1, 2, clip);
  EXPECT_EQ(canvas.styleChanges, 1);
  EXPECT_EQ(canvas.Text(0, 0, 5, 8), "ab  c");
}

TEST(DisplayPositions, TabsAndPositionsBeyondTheEnd) {
  const std::string line = "a\tbc";  // with tab width 4: a at 1, tab 2..4, b at 5
  EXPECT_EQ(CharToColumn(line, 1, 4), 1);
  EXPECT_EQ(CharToColumn(line, 3, 4), 5);
  EXPECT_EQ(CharToColumn(line, 7, 4), 9);  // two past the end
  EXPECT_EQ(ColumnToChar(line, 3, 4), 2);  // inside the tab
  EXPECT_EQ(ColumnToChar(line, 5, 4), 3);
  EXPECT_EQ(ColumnToChar(line, 9, 4), 7);
  EXPECT_EQ(CharToColumn(line, 3, 1), 3);
  for (int column = 1; column < 12; ++column)
    EXPECT_LE(CharToColumn(line, ColumnToChar(line, column, 8), 8), column);
}

// Up to 24 pieces of ASCII, TABs, wide and combining characters and invalid bytes.
std::string RandomCellLine(std::mt19937& random) {
  const std::string pieces[] = {"a",        "\t",   "\xC3\xA9", "\xE4\xB8\xAD", "\xF0\x9F\x98\x80",
                                "\xCC\x81", "\xFF", "\xC3",     "abcdefghij"};
  std::string line;
  for (int n = static_cast<int>(random() % 24); n > 0; --n) line += pieces[random() % 9];
  return line;
}

// A line's width measured a character at a time, as the painter steps.
TEST(DisplayPositions, LineWidthsAgreeWithStepsOverRandomText) {
  std::mt19937 random(5);
  for (int round = 0; round < 500; ++round) {
    const std::string line = RandomCellLine(random);
    for (const TScribCellRules rules : {TScribCellRules{4, true}, TScribCellRules{8, false}}) {
      std::int64_t column = 0;
      for (std::size_t at = 0; at < line.size();) {
        const TScribCharCells c = CharCellsAt(line, at, column, rules);
        column += c.cells;
        at += c.bytes;
      }
      EXPECT_EQ(ExpandedLength(line, rules), column) << testing::PrintToString(line);
    }
  }
}

// The cells [column, column + count) taken a character at a time: a TAB as
// its TAB filler, a cut wide character as spaces, combining marks with the
// character they follow, or with its last piece when the range cuts it.
std::string CellsTakenOneByOne(std::string_view line, TScribCellRules rules, std::int64_t column,
                               std::int64_t count) {
  std::string out;
  const std::int64_t end = column + count;
  std::int64_t at = 0;
  bool appended = false;
  for (std::size_t offset = 0; offset < line.size();) {
    const TScribCharCells c = CharCellsAt(line, offset, at, rules);
    const std::int64_t first = std::max(column, at);
    const std::int64_t last = std::min(end, at + c.cells);
    if (c.cells == 0 && appended) {
      out.append(line.substr(offset, c.bytes));
    } else if (c.cells > 0) {
      appended = first < last;
      if (!appended)
        ;
      else if (line[offset] == '\t')
        out.append(static_cast<std::size_t>(last - first), '\t');
      else if (last - first == c.cells)
        out.append(line.substr(offset, c.bytes));
      else
        out.append(static_cast<std::size_t>(last - first), ' ');
      if (appended && last < at + c.cells) break;
    }
    at += c.cells;
    offset += c.bytes;
  }
  return out;
}

// The painter reads a line's cells piece by piece, forward and from the start again.
TEST(DisplayPositions, PiecesOfCellsAgreeWithACharacterAtATime) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    const std::string line = RandomCellLine(random);
    for (const TScribCellRules rules : {TScribCellRules{4, true}, TScribCellRules{8, false}}) {
      TScribExpandedLine expanded(line, rules);
      const std::int64_t width = ExpandedLength(line, rules);
      for (int request = 0; request < 8; ++request) {
        const std::int64_t column = static_cast<std::int64_t>(random() % (width + 3));
        const std::int64_t count = static_cast<std::int64_t>(random() % 12);
        std::string piece;
        expanded.Append(piece, column, count);
        EXPECT_EQ(piece, CellsTakenOneByOne(line, rules, column, count))
            << testing::PrintToString(line) << " column " << column << " count " << count;
      }
    }
  }
}

}  // namespace
