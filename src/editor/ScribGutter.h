// TScribGutter: the strip left of the text with the line numbers.
//
// Invariants:
//  - line numbers passed in are the editor's 1-based lines;
//  - AutoSizeDigitCount() is the number of digits actually shown: DigitCount()
//    unless Visible, AutoSize and ShowLineNumbers are all set, in which case it
//    is widened by UpdateAutoSizeDigitCount() to fit the line count;
//  - every setter that changes a value fires OnChange, after which the editor
//    recomputes the gutter width and repaints everything.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Color.h"
#include "platform/Font.h"

class TScribGutter {
 public:
  static constexpr TColor kButtonFace = 0x00F0F0F0;

  bool ShowLineNumbers() const { return showLineNumbers_; }
  void SetShowLineNumbers(bool value) { Assign(showLineNumbers_, value); }
  int DigitCount() const { return digitCount_; }
  void SetDigitCount(int value);
  bool LeadingZeros() const { return leadingZeros_; }
  void SetLeadingZeros(bool value) { Assign(leadingZeros_, value); }
  bool ZeroStart() const { return zeroStart_; }
  void SetZeroStart(bool value) { Assign(zeroStart_, value); }
  int LineNumberStart() const { return lineNumberStart_; }
  void SetLineNumberStart(int value) { Assign(lineNumberStart_, value); }
  int LeftOffset() const { return leftOffset_; }
  void SetLeftOffset(int value) { Assign(leftOffset_, value < 0 ? 0 : value); }
  int RightOffset() const { return rightOffset_; }
  void SetRightOffset(int value) { Assign(rightOffset_, value < 0 ? 0 : value); }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value) { Assign(autoSize_, value); }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { Assign(visible_, value); }
  bool UseFontStyle() const { return useFontStyle_; }
  void SetUseFontStyle(bool value) { Assign(useFontStyle_, value); }
  // Width in pixels used when line numbers are off.
  int Width() const { return width_; }
  void SetWidth(int value) { Assign(width_, value < 0 ? 0 : value); }
  TColor Color() const { return color_; }
  void SetColor(TColor value) { Assign(color_, value); }
  // The font of the line numbers; the gutter is as wide as its digits need.
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& value) { Assign(font_, value); }
  // Colour of the line numbers and the wrap glyph.
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor value) { Assign(fontColor_, value); }
  // Whether continuation rows of wrapped lines show the wrap glyph.
  bool ShowWrapGlyph() const { return showWrapGlyph_; }
  void SetShowWrapGlyph(bool value) { Assign(showWrapGlyph_, value); }

  int AutoSizeDigitCount() const;
  // Recomputes the shown digit count for `lineCount` lines; true when it changed
  // (the editor then resizes the gutter and repaints everything).
  bool UpdateAutoSizeDigitCount(int lineCount);

  // Gutter width in pixels for digits `charWidth` wide in the gutter font.
  int RealWidth(int charWidth) const;
  // The x where line numbers end (right-aligned against it).
  int NumberRight(int charWidth) const { return RealWidth(charWidth) - rightOffset_ - 2; }
  // The number shown for 1-based `line`, right-aligned in AutoSizeDigitCount() cells.
  std::string LineNumberText(int line) const;

  std::function<void()> OnChange;

 private:
  bool AutoSizing() const { return visible_ && autoSize_ && showLineNumbers_; }
  void Changed();
  template <typename T>
  void Assign(T& field, T value) {
    if (field == value) return;
    field = value;
    Changed();
  }

  bool showLineNumbers_ = false;
  int digitCount_ = 4;
  int autoSizeDigitCount_ = 4;
  bool leadingZeros_ = false;
  bool zeroStart_ = false;
  int lineNumberStart_ = 1;
  int leftOffset_ = 16;
  int rightOffset_ = 2;
  bool autoSize_ = true;
  bool visible_ = true;
  bool useFontStyle_ = true;
  int width_ = 30;
  TColor color_ = kButtonFace;
  TColor fontColor_ = 0;
  bool showWrapGlyph_ = true;
  TFont font_{"Courier New", 8, 0, 0};
  int lastLineCount_ = 0;
};
