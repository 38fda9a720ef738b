#include "shell/Caption.h"

#include "support/OvLib.h"

std::string CaptionText(const std::string& captionFormat, const std::string& fileName,
                        bool modified, const PathRule& rule) {
  const bool untitled = fileName == kUntitled;
  auto letter = [&](char c, bool isModified) -> std::string {
    switch (c) {
      case 'a':
        return "Scribant";
      case 'f':
        return FilePart(fileName, rule);
      case 'e':
        return ExtensionOf(fileName, rule);
      case 'p':
        return untitled ? "" : FolderWithSeparator(fileName, rule);
      case 'd':
        return untitled ? "" : FolderWithoutSeparator(fileName, rule);
      case 'm':
        return isModified ? "*" : "";
      default:
        return "";
    }
  };
  return ExpandTemplate(captionFormat, '%', letter, modified);
}
