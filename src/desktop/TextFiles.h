// Whole-file reads and replacements for the small per-user files the shell
// keeps (the registry store, desktop entries, mimeapps.list).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The file's bytes; nothing when it is missing, not a regular file, larger
// than `maxBytes` or unreadable.
std::optional<std::string> ReadSmallFile(const std::filesystem::path& file,
                                         std::uintmax_t maxBytes);

// Replaces the whole content safely (see support/FileReplace.h), creating
// missing parent folders first. False for a read-only file or on failure.
bool ReplaceFileContents(const std::filesystem::path& file, const std::string& text);

// The text's lines split at LF (a CR before it stays); no last empty line for
// a final LF.
std::vector<std::string_view> SplitAtLineFeeds(std::string_view text);
