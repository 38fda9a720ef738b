// A view of the editor made of plain fields, for the painter, scan and wrap tests.
#pragma once

#include <memory>

#include "editor/EditorViewState.h"
#include "editor/ScribEditStringList.h"
#include "editor/ScribGutter.h"
#include "editor/WordWrapPlugin.h"

class FakeViewState : public TScribViewState {
 public:
  explicit FakeViewState(TScribBufferOptions options = {}) : lines(options) {}
  TScribEditStringList& Lines() const override { return lines; }
  TScribCustomHighlighter* Highlighter() const override { return highlighter; }
  const TScribGutter& Gutter() const override { return gutter; }
  TScribWordWrapPlugin* WordWrapPlugin() const override { return wrap.get(); }
  int TopLine() const override { return topLine; }
  int LeftChar() const override { return leftChar; }
  int CharsInWindow() const override { return charsInWindow; }
  int CharWidth() const override { return charWidth; }
  int LineHeight() const override { return lineHeight; }
  int GutterCharWidth() const override { return gutterCharWidth ? gutterCharWidth : charWidth; }
  TBufferCoord CaretXY() const override { return caret; }
  TBufferCoord BlockBegin() const override { return blockBegin; }
  TBufferCoord BlockEnd() const override { return blockEnd; }
  bool SelAvail() const override {
    return blockBegin.Char != blockEnd.Char ||
           (blockBegin.Line != blockEnd.Line && selectionMode != smColumn);
  }
  TScribSelectionMode ActiveSelectionMode() const override { return selectionMode; }
  TColor Color() const override { return color; }
  TColor FontColor() const override { return fontColor; }
  TColor ActiveLineColor() const override { return activeLineColor; }
  TScribSelectedColor SelectedColor() const override { return selectedColor; }
  int RightEdge() const override { return rightEdge; }
  TColor RightEdgeColor() const override { return rightEdgeColor; }
  std::int32_t LineEndRange(int index) const override { return lines.Ranges(index); }

  void SetWordWrap(bool on) { wrap = on ? std::make_unique<TScribWordWrapPlugin>(this) : nullptr; }

  mutable TScribEditStringList lines;
  TScribCustomHighlighter* highlighter = nullptr;
  TScribGutter gutter;
  std::unique_ptr<TScribWordWrapPlugin> wrap;
  int topLine = 1, leftChar = 1, charsInWindow = 80, charWidth = 8, lineHeight = 16;
  int gutterCharWidth = 0;  // 0: as wide as the editor's cells
  TBufferCoord caret, blockBegin, blockEnd;
  TScribSelectionMode selectionMode = smNormal;
  TColor color = 0xFFFFFF, fontColor = 0x000000, activeLineColor = clNone;
  TScribSelectedColor selectedColor{0x800000, 0xFFFFFF};
  int rightEdge = 0;
  TColor rightEdgeColor = 0xC0C0C0;
};
