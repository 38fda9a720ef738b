// Complete copies of files being rewritten in place, kept in the state
// folder until the rewrite is done. A copy still there at start-up belongs to
// a save that never finished: the user is offered to put it back.
//
// On disk: "copy-<pid>-XXXXXX" holds the old bytes (mode 0600) and, written
// only once that copy is complete, "copy-<pid>-XXXXXX.target" the path of the
// file it belongs to. A copy without its target note was never needed.
#pragma once

#include <filesystem>
#include <vector>

#include "support/FileReplace.h"

struct TKeptCopy {
  std::filesystem::path copy;
  std::filesystem::path target;
};

// Copies the content of the open file `sourceFd`, which lives at `target`,
// into a new copy in `stateFolder`; 0 or the errno of the failure (then
// nothing is left behind). The copy reaches the disk before this returns.
int KeepCopy(int sourceFd, const std::filesystem::path& target,
             const std::filesystem::path& stateFolder, TKeptCopy& kept);

// Removes the copy and its note (the note first, so no half copy is offered).
void DiscardKeptCopy(const TKeptCopy& kept);

// Copies left by saves that did not finish, oldest first; a copy whose
// process is still running belongs to a save in progress and is left out.
std::vector<TKeptCopy> KeptCopies(const std::filesystem::path& stateFolder);

// Puts the copy's bytes back into its target and, on success, discards it.
TFileReplaceResult RestoreKeptCopy(const TKeptCopy& kept, const TFileReplaceOptions& options);
