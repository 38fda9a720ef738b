// Choosing the style file that claims a document's name or extension.
#include <filesystem>
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

bool IsStyleFileName(std::string_view name) {
  constexpr std::string_view kExtension = ".ini";
  return name.size() >= kExtension.size() &&
         EqualIgnoringAsciiCase(name.substr(name.size() - kExtension.size()), kExtension);
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
  const std::string stylesFolder = StylesFolder(context);
  const std::string defaultStyle = stylesFolder + "default.ini";
  if (fileName == "Untitled") return defaultStyle;
  // Files such as "Makefile" are known by their whole name ("FileNames"),
  // which wins over any style claiming their extension.
  const std::string name = FilePart(fileName, NativePathRule());
  const std::size_t dot = fileName.rfind('.');
  const std::optional<std::string> extension =
      dot == std::string::npos ? std::nullopt : std::optional(fileName.substr(dot + 1));

  namespace fs = std::filesystem;
  std::error_code error;
  fs::directory_iterator entries(fs::path(stylesFolder), error);
  TOvIni ini(defaultStyle);
  std::optional<std::string> match;
  for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
    const std::string styleName = entries->path().filename().string();
    std::error_code typeError;
    if (!IsStyleFileName(styleName) || !entries->is_regular_file(typeError)) continue;
    ini.SetFileName(stylesFolder + styleName);
    if (!name.empty() && ClaimsInSection(ini, "FileNames", name)) {
      match = styleName;
      break;
    }
    if (!match && extension && ClaimsInSection(ini, "Extensions", *extension)) {
      match = styleName;
    }
  }
  if (!match) return defaultStyle;
  ApplyStyleFile(context, defaultStyle);
  return stylesFolder + *match;
}
