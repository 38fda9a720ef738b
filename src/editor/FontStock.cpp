#include "editor/FontStock.h"

#include <stdexcept>

#include "platform/Canvas.h"

void TFontStock::SetBaseFont(const TFontDescription* value) {
  if (!value) throw std::invalid_argument("SetBaseFont: 'Value' must be specified.");
  if (base_ && *base_ == *value) return;
  base_ = *value;
  variants_.fill(std::nullopt);
  variantsMade_ = 0;
}

const TFontDescription& TFontStock::Variant(unsigned styles) {
  if (!base_) throw std::logic_error("TFontStock has no base font");
  styles &= kVariantCount - 1;
  std::optional<TFontDescription>& variant = variants_[styles];
  if (!variant) {
    variant = *base_;
    variant->bold = styles & fsBold;
    variant->italic = styles & fsItalic;
    variant->underline = styles & fsUnderline;
    variant->strikeOut = styles & fsStrikeOut;
    ++variantsMade_;
  }
  return *variant;
}
