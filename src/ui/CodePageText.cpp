#include "ui/CodePageText.h"

#include <QList>

#include "support/CodePage.h"
#include "support/Utf8.h"

QString FromCoreText(std::string_view bytes) {
  const std::string text = utf8::IsValid(bytes) ? std::string(bytes) : utf8::FromWindows1252(bytes);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToCodePage(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (uint codePoint : text.toUcs4()) bytes += static_cast<char>(codepage::FromUnicode(codePoint));
  return bytes;
}
