// How the text tools read a document kept as lines (the editor's buffer)
// without copying it.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

// Text of the line with the given 0-based index, without its line break. The
// view must stay valid while the tool that asked is running.
using TLineSource = std::function<std::string_view(std::int64_t lineIndex)>;
