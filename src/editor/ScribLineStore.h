// TScribLineStore: the lines of a buffer (see TScribBlockStore), each with its
// highlighter range and its cached display width: 12 bytes beside its text.
// Every line break counts two characters (CR LF).
#pragma once

#include <cstdint>

#include "editor/ScribBlockStore.h"

struct TScribLineExtra {
  std::int32_t range = -1;           // no highlighter state
  std::uint32_t width = 0xFFFFFFFF;  // not computed
};

class TScribLineStore : public TScribBlockStore<TScribLineExtra, 2, true> {
 public:
  // Width not computed yet.
  static constexpr std::uint32_t kUnknownWidth = TScribLineExtra{}.width;
  static constexpr std::int32_t kNullRange = TScribLineExtra{}.range;

  using TScribBlockStore::TScribBlockStore;

  std::int32_t Range(int line) const { return Extra(line).range; }
  void SetRange(int line, std::int32_t range) { Extra(line).range = range; }
  // The cached display width of the line, kUnknownWidth when not computed.
  std::uint32_t& Width(int line) { return Extra(line).width; }
  // Forgets every cached width.
  void ForgetWidths() {
    ForEachExtra([](TScribLineExtra& extra) { extra.width = kUnknownWidth; });
  }
};
