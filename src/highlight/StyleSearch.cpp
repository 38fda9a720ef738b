// Choosing the style file that claims a document's name or extension.
#include <optional>
#include <string_view>

#include "highlight/StyleFile.h"
#include "support/OvIni.h"
#include "support/Paths.h"

namespace {

// Only the letters A-Z and a-z are folded, as extensions are compared.
bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

// True when the style's keys 0, 1, 2 ... of `section` list `wanted`.
bool ClaimsInSection(TOvIni& ini, const std::string& section, const std::string& wanted) {
  const std::string endMarker(1, '\x1b');  // no real entry can be this
  for (int index = 0;; ++index) {
    const std::string value = ini.ReadString(section, std::to_string(index), endMarker);
    if (value == endMarker) return false;
    if (EqualIgnoringAsciiCase(value, wanted)) return true;
  }
}

}  // namespace

std::string FindStyleFile(const TStyleContext& context, const std::string& fileName) {
  const std::string defaultStyle = context.folders.StyleFile("default.ini");
  if (fileName == "Untitled") return defaultStyle;
  // Files such as "Makefile" are known by their whole name ("FileNames"),
  // which wins over any style claiming their extension.
  const std::string name = FilePart(fileName, NativePathRule());
  const std::size_t dot = fileName.rfind('.');
  const std::optional<std::string> extension =
      dot == std::string::npos ? std::nullopt : std::optional(fileName.substr(dot + 1));

  TOvIni ini(defaultStyle);
  std::optional<std::string> match;
  for (const std::string& style : context.folders.StyleFiles()) {
    ini.SetFileName(style);
    if (!name.empty() && ClaimsInSection(ini, "FileNames", name)) {
      match = style;
      break;
    }
    if (!match && extension && ClaimsInSection(ini, "Extensions", *extension)) match = style;
  }
  if (!match) return defaultStyle;
  ApplyStyleFile(context, defaultStyle);
  return *match;
}
