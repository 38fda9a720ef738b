// TJoinedLines reads a document kept as lines as if its lines were joined by
// CR LF (none after the last), one window at a time, so a search can run over
// the editor's buffer without building the whole text.
//
// Windows are meant to be asked for at increasing offsets: the reader keeps
// the line it reached and only walks forward from it (asking for an earlier
// offset walks again from the first line).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/LineSource.h"

// A stretch of a text from `base` (0-based) on; `atEnd` when it reaches the
// text's end.
struct TTextWindow {
  std::string_view bytes;
  std::int64_t base = 0;
  bool atEnd = false;
};

class TJoinedLines {
 public:
  static constexpr std::size_t kDefaultWindowBytes = 1 << 20;

  TJoinedLines(std::int64_t lineCount, TLineSource lineAt,
               std::size_t windowBytes = kDefaultWindowBytes);

  // The joined text from `offset` on: at least `minimumBytes` of it (fewer
  // only at the end), otherwise about the window size. Valid until the next call.
  TTextWindow Window(std::int64_t offset, std::size_t minimumBytes);

 private:
  void WalkTo(std::int64_t offset);

  std::int64_t lineCount_;
  TLineSource lineAt_;
  std::size_t windowBytes_;
  std::int64_t line_ = 0;       // the line the last window started in
  std::int64_t lineStart_ = 0;  // its offset in the joined text
  std::string buffer_;
};
