// Choosing the style file that claims a document's extension.
#include <string_view>

#include "highlight/StyleFile.h"
#include "support/OvIni.h"

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

// True when the style's "Extensions" keys 0, 1, 2 ... list `extension`.
bool ClaimsExtension(TOvIni& ini, const std::string& extension) {
  const std::string endMarker(1, '\x1b');  // no real entry can be this
  for (int index = 0;; ++index) {
    const std::string value = ini.ReadString("Extensions", std::to_string(index), endMarker);
    if (value == endMarker) return false;
    if (EqualIgnoringAsciiCase(value, extension)) return true;
  }
}

}  // namespace

std::string FindStyleFile(const TStyleContext& context, const std::string& fileName) {
  const std::string defaultStyle = context.folders.StyleFile("default.ini");
  const std::size_t dot = fileName.rfind('.');
  if (fileName == "Untitled" || dot == std::string::npos) return defaultStyle;
  const std::string extension = fileName.substr(dot + 1);

  TOvIni ini(defaultStyle);
  for (const std::string& style : context.folders.StyleFiles()) {
    ini.SetFileName(style);
    if (ClaimsExtension(ini, extension)) {
      ApplyStyleFile(context, defaultStyle);
      return style;
    }
  }
  return defaultStyle;
}
