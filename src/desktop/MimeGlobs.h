// Extension to MIME type, from the shared MIME database's "globs2" files
// (lines "weight:type:glob[:flags]"). Only read, never written.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// For each extension (without its dot) the type of the heaviest "*.ext" glob
// found under <folder>/mime/globs2 of the folders (earlier folders win ties),
// each type once, in the order of the extensions. Unknown extensions give nothing.
std::vector<std::string> MimeTypesForExtensions(
    const std::vector<std::filesystem::path>& dataFolders,
    const std::vector<std::string>& extensions);
