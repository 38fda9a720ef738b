// Painting of one buffer line's visible rows, used by TScribEditorPainter.
//
// Columns of the line are 0-based offsets into its expanded text; columns of
// a row are 1-based display columns. A row without word wrap is the whole
// line; with word wrap it is the slice the layout gives. The highlighter reads
// the line's own text (a TAB is one byte to it, whatever it covers), and only
// the visible cells are expanded, so a long line costs what is shown of it.
#pragma once

#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/EditorViewState.h"
#include "editor/ScribDisplayPos.h"
#include "editor/ScribEditTabExpansion.h"
#include "editor/TextDrawer.h"

// Which display columns of each row the selection covers.
class TScribSelectionShape {
 public:
  explicit TScribSelectionShape(const TScribViewState& view);
  // Selected columns [first, second) of `row`, a row of 1-based `line`;
  // second is INT_MAX when the selection runs on past the row's end.
  std::pair<int, int> ColumnsOf(int row, int line) const;

 private:
  bool any_ = false;
  TScribSelectionMode mode_ = smNormal;
  TDisplayCoord begin_, end_;
  int beginLine_ = 0, endLine_ = 0;
};

struct TScribLineColors {
  TColor foreground, background;
  TColor selectedForeground, selectedBackground;
  bool special;  // set by OnSpecialLineColors: the whole line takes its colours
};

// What all lines of one paint share.
struct TScribPaintContext {
  const TScribViewState& view;
  TTextDrawer& drawer;
  const TScribSelectionShape& selection;
  TRect clip;
  int firstColumn, lastColumn;  // visible display columns
};

class TScribCustomHighlighter;

class TScribLinePainter {
 public:
  explicit TScribLinePainter(const TScribPaintContext& context) : context_(context) {}

  // Paints rows firstRow..lastRow of 1-based `line`.
  void PaintLine(int line, int firstRow, int lastRow);

 private:
  struct Row {
    int row, y;
    int start, length;  // slice of the expanded line
    std::pair<int, int> selected;
    // The run being collected: adjacent pieces of equal colours and style.
    int runColumn = 0, runCells = 0;
    std::string runText;
    TColor runForeground = 0, runBackground = 0;
    unsigned runStyle = 0;
  };

  TScribLineColors ColorsOf(int line) const;
  void LayOutRows(int line, int firstRow, int lastRow);
  void PaintTokens(int line);
  // Sets the highlighter on the line at the last mark before the visible
  // columns, or at its start; returns the column it starts at.
  std::int64_t StartScan(TScribCustomHighlighter& highlighter, int line, std::int64_t firstVisible);
  // Adds line columns [from, to) in the given look to every row they touch.
  void AddPiece(std::int64_t from, std::int64_t to, TColor foreground, TColor background,
                unsigned style);
  void AddToRun(Row& row, int column, int count, TColor foreground, TColor background,
                unsigned style);
  void FlushRun(Row& row);
  void FillAfterText(const Row& row);
  void FillColumns(const Row& row, int firstColumn, int endColumn, TColor color);

  const TScribPaintContext& context_;
  std::string_view text_;
  std::optional<TScribExpandedLine> expanded_;
  std::int64_t expandedLength_ = 0;
  TScribLineColors colors_{};
  std::vector<Row> rows_;
};

// Columns [first, end) of a row as pixels, end INT_MAX meaning the clip's right edge.
int ColumnLeft(const TScribViewState& view, int column);
TRect Intersect(const TRect& a, const TRect& b);
