// TFontStock: the variants of the editor's base font by style (plain, bold,
// italic, underline, strike-out and their combinations), made once per base
// font and then taken from the cache, so switching style per token creates
// no fonts. The platform canvas keys its real fonts the same way.
#pragma once

#include <array>
#include <optional>

#include "platform/Font.h"

class TFontStock {
 public:
  static constexpr unsigned kVariantCount = 16;  // every combination of the four styles

  // Null raises std::invalid_argument "SetBaseFont: 'Value' must be specified.".
  // A different base font drops every cached variant.
  void SetBaseFont(const TFont* value);
  bool HasBaseFont() const { return base_.has_value(); }
  // The base font with exactly `styles` (a TFontStyle set; other bits ignored).
  // Raises std::logic_error before a base font is set.
  const TFont& Variant(unsigned styles);
  // Variants made since the base font was set.
  int VariantsMade() const { return variantsMade_; }

 private:
  std::optional<TFont> base_;
  std::array<std::optional<TFont>, kVariantCount> variants_;
  int variantsMade_ = 0;
};
