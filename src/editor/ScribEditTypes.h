// Small value types shared by the text buffer, the undo lists and the editor.
#pragma once

#include <cstdint>

// A position in the document: Char and Line are both 1-based; Char may lie
// beyond the end of its line.
struct TBufferCoord {
  int Char = 1;
  int Line = 1;
  friend bool operator==(const TBufferCoord&, const TBufferCoord&) = default;
};

// A display position: 1-based Column (tabs expanded) and Row (the line itself
// unless word wrap splits lines into several rows).
struct TDisplayCoord {
  int Column = 1;
  int Row = 1;
  friend bool operator==(const TDisplayCoord&, const TDisplayCoord&) = default;
};

// How a selection covers the text: by characters, whole lines or a column.
enum TScribSelectionMode : std::uint8_t { smNormal, smLine, smColumn };
