// TScribViewState: the read-only view of the editor that the painter, the
// highlighter scan and the word-wrap layout work from. TCustomScribEdit
// implements it; tests implement it with plain fields.
//
// Rows and columns are 1-based display positions: a row is a buffer line unless
// word wrap is on, and columns count tab-expanded cells.
#pragma once

#include <cstdint>
#include <string>

#include "editor/ScribEditTypes.h"
#include "platform/Canvas.h"

class TScribEditStringList;
class TScribCustomHighlighter;
class TScribGutter;
class TScribWordWrapPlugin;
class TScribLineMarks;

// Colours of selected text.
struct TScribSelectedColor {
  TColor Background = 0x00D77800;  // the system's highlight colour
  TColor Foreground = 0x00FFFFFF;  // the system's highlight text colour
};

class TScribViewState {
 public:
  virtual ~TScribViewState() = default;

  virtual TScribEditStringList& Lines() const = 0;
  // Null without a highlighter.
  virtual TScribCustomHighlighter* Highlighter() const = 0;
  virtual const TScribGutter& Gutter() const = 0;
  // Null while word wrap is off.
  virtual TScribWordWrapPlugin* WordWrapPlugin() const = 0;

  virtual int TopLine() const = 0;   // first visible row
  virtual int LeftChar() const = 0;  // first visible column
  virtual int CharsInWindow() const = 0;
  virtual int CharWidth() const = 0;
  virtual int LineHeight() const = 0;
  // Width of a digit in the gutter's own font.
  virtual int GutterCharWidth() const { return CharWidth(); }

  virtual TBufferCoord CaretXY() const = 0;
  // The selection's smaller and larger end.
  virtual TBufferCoord BlockBegin() const = 0;
  virtual TBufferCoord BlockEnd() const = 0;
  virtual bool SelAvail() const = 0;
  virtual TScribSelectionMode ActiveSelectionMode() const = 0;

  virtual TColor Color() const = 0;            // text background
  virtual TColor FontColor() const = 0;        // text foreground
  virtual TColor ActiveLineColor() const = 0;  // clNone when unset
  virtual TScribSelectedColor SelectedColor() const = 0;
  virtual int RightEdge() const = 0;
  virtual TColor RightEdgeColor() const = 0;

  // The highlighter's state at the end of 0-based line `index`.
  virtual std::int32_t LineEndRange(int index) const = 0;

  // OnSpecialLineColors: may replace the colours of 1-based `line`; true when it did.
  virtual bool SpecialLineColors(int /*line*/, TColor& /*foreground*/,
                                 TColor& /*background*/) const {
    return false;
  }
  // Highlighter states along long lines that painting may use and add to;
  // null when the view keeps none.
  virtual TScribLineMarks* LineMarks() const { return nullptr; }
  // OnGutterGetText: may replace the number text of 1-based `line`.
  virtual void GutterGetText(int /*line*/, std::string& /*text*/) const {}
};
