// Replacing a file's content so that a write failing part-way (a full disk)
// never loses it. The new bytes go to a temporary file in the same folder
// first; only when that copy is complete is the original rewritten in place,
// so it keeps its identity (links, owner, permissions). Should the in-place
// write fail, the complete copy is renamed over the original: the file then
// holds either its old or its complete new content, never a cut one.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string_view>

namespace safefile {

// True when the entry exists and carries no write permission bit at all.
// Checked explicitly because a privileged process could write it anyway.
bool IsReadOnly(const std::filesystem::path& path);

// Makes `content` the whole content of `path`, creating the file when it is
// missing. False, with the file unchanged, for a directory, a read-only file,
// a missing folder or an I/O error before the original was touched; false
// after a failed in-place write (the file then holds the new content).
bool ReplaceContent(const std::filesystem::path& path, std::string_view content);

// Puts bytes into an open stream; false on failure. Tests swap in a writer
// that stops part-way to stand in for a full disk; an empty function restores
// the ordinary writer.
using StreamWriter = std::function<bool(std::ostream& out, std::string_view bytes)>;
void SetStreamWriterForTesting(StreamWriter writer);

}  // namespace safefile
