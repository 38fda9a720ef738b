#include "highlight/HighlighterAttributes.h"

TScribHighlighterAttributes::TScribHighlighterAttributes(std::string name)
    : name_(std::move(name)) {}

void TScribHighlighterAttributes::SetBackground(TColor value) {
  if (background_ == value) return;
  background_ = value;
  Changed();
}

void TScribHighlighterAttributes::SetForeground(TColor value) {
  if (foreground_ == value) return;
  foreground_ = value;
  Changed();
}

void TScribHighlighterAttributes::SetStyle(TFontStyles value) {
  value &= kAllFontStyles;
  if (style_ == value) return;
  style_ = value;
  Changed();
}

void TScribHighlighterAttributes::SetIntegerStyle(int value) {
  SetStyle((value & fsBold) ? TFontStyles{fsBold} : TFontStyles{0});
  for (TFontStyles added : {fsItalic, fsUnderline, fsStrikeOut}) {
    if (value & added) SetStyle(style_ | added);
  }
}

void TScribHighlighterAttributes::TakeDefaultsSnapshot() {
  backgroundDefault_ = background_;
  foregroundDefault_ = foreground_;
  styleDefault_ = style_;
}

void TScribHighlighterAttributes::Assign(const TScribHighlighterAttributes& source) {
  if (&source == this) return;
  name_ = source.name_;
  const bool differs = background_ != source.background_ || foreground_ != source.foreground_ ||
                       style_ != source.style_;
  background_ = source.background_;
  foreground_ = source.foreground_;
  style_ = source.style_;
  if (differs) Changed();
}

void TScribHighlighterAttributes::Changed() {
  if (onChange_) onChange_(this);
}
