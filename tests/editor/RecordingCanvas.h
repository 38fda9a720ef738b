// A Canvas that records what is drawn and can tell, by replaying the
// operations, what a pixel finally shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "support/Utf8.h"

struct DrawnCell {
  bool painted = false;
  bool text = false;
  // The code-page byte of the character drawn there ('?' for one the code
  // page lacks), and the character itself in UTF-8 with its marks (empty in
  // the second cell of a wide one).
  char character = ' ';
  std::string glyph = " ";
  TColor foreground = 0, background = 0;
  unsigned style = 0;
  std::string font;  // the face selected for the text; empty for the editor font
};

struct DrawnLine {
  int x1, y1, x2, y2;
  TColor colour;
};

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(int cellHeight) : cellHeight_(cellHeight) {}

  void FillRect(const TRect& rect, TColor colour) override {
    ops_.push_back({Op::Fill, rect, colour, 0, {}, 0, 0, style_, 1, {}});
  }
  void DrawLine(int x1, int y1, int x2, int y2, TColor colour) override {
    lines.push_back({x1, y1, x2, y2, colour});
  }
  void SelectFont(const TFont* font) override { font_ = font ? font->name : ""; }
  void SetFontStyle(unsigned styles) override {
    style_ = styles;
    ++styleChanges;
  }
  void DrawTextCells(int x, int y, std::string_view text, int cellWidth, TColor foreground,
                     TColor background, const TRect& clip) override {
    ops_.push_back({Op::Text, clip, background, foreground, std::string(text), x, y, style_,
                    cellWidth, font_});
    ++textRuns;
  }

  // What pixel (x, y) shows after every operation.
  DrawnCell At(int x, int y) const {
    DrawnCell cell;
    for (const Op& op : ops_) {
      if (!Inside(op.rect, x, y)) continue;
      if (op.kind == Op::Fill) {
        cell = {true, false, ' ', " ", 0, op.colour, 0, {}};
      } else if (y >= op.y && y < op.y + cellHeight_ && x >= op.x) {
        if (const auto glyph = GlyphAt(op.text, (x - op.x) / op.cellWidth)) {
          const std::string byte = utf8::ToWindows1252(*glyph);
          cell = {true,     true,   byte.empty() ? ' ' : byte[0], *glyph, op.foreground, op.colour,
                  op.style, op.font};
        }
      }
    }
    return cell;
  }
  // Characters of `count` cells from x (cell centres), '?' where nothing is drawn.
  std::string Text(int x, int y, int count, int cellWidth) const {
    std::string text;
    for (int i = 0; i < count; ++i) {
      const DrawnCell cell = At(x + i * cellWidth + cellWidth / 2, y + cellHeight_ / 2);
      text += cell.painted ? cell.character : '?';
    }
    return text;
  }
  // Whether every operation stayed inside `area`.
  bool AllInside(const TRect& area) const {
    for (const Op& op : ops_) {
      const TRect& r = op.rect;
      if (r.left < area.left || r.top < area.top || r.right > area.right || r.bottom > area.bottom)
        return false;
    }
    return true;
  }

  std::vector<DrawnLine> lines;
  int textRuns = 0;
  int styleChanges = 0;

 private:
  // The character whose cells cover 0-based `cell` of UTF-8 `text`, with the
  // zero-width characters after it.
  static std::optional<std::string> GlyphAt(std::string_view text, int cell) {
    int first = 0;
    for (std::size_t at = 0; at < text.size();) {
      const std::size_t end = utf8::NextCaretStop(text, at);
      const int cells = utf8::CellsAt(text, at);
      if (cell < first + cells) return cell == first ? std::string(text.substr(at, end - at)) : "";
      first += cells;
      at = end;
    }
    return std::nullopt;
  }

  struct Op {
    enum Kind { Fill, Text } kind;
    TRect rect;     // filled area, or the clip of a text run
    TColor colour;  // fill colour or text background
    TColor foreground;
    std::string text;
    int x, y;
    unsigned style;
    int cellWidth = 1;
    std::string font;
  };
  static bool Inside(const TRect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
  }

  int cellHeight_;
  unsigned style_ = 0;
  std::string font_;
  std::vector<Op> ops_;
};
