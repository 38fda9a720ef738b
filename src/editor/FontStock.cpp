#include "editor/FontStock.h"

#include <stdexcept>

#include "platform/Canvas.h"

void TFontStock::SetBaseFont(const TFont* value) {
  if (!value) throw std::invalid_argument("SetBaseFont: 'Value' must be specified.");
  if (base_ && *base_ == *value) return;
  base_ = *value;
  variants_.fill(std::nullopt);
  variantsMade_ = 0;
}

const TFont& TFontStock::Variant(unsigned styles) {
  if (!base_) throw std::logic_error("TFontStock has no base font");
  styles &= kVariantCount - 1;
  std::optional<TFont>& variant = variants_[styles];
  if (!variant) {
    variant = *base_;
    variant->style = static_cast<TFontStyles>(styles);
    ++variantsMade_;
  }
  return *variant;
}
