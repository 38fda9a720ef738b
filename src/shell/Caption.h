// The window caption, expanded from the caption template letter by letter.
#pragma once

#include <string>

#include "support/Paths.h"

// The literal file name of a document without a file.
inline const std::string kUntitled = "Untitled";

// %a application, %f file name, %e extension, %p folder with separator,
// %d folder without it, %m "*" when modified; other letters vanish.
std::string CaptionText(const std::string& captionFormat, const std::string& fileName,
                        bool modified, const PathRule& rule);
