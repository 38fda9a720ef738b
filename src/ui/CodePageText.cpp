#include "ui/CodePageText.h"

#include <QList>

#include "support/CodePage.h"

QString FromCodePage(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char c : bytes)
    text.append(QChar(static_cast<char16_t>(codepage::ToUnicode(static_cast<unsigned char>(c)))));
  return text;
}

std::string ToCodePage(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (uint codePoint : text.toUcs4()) bytes += static_cast<char>(codepage::FromUnicode(codePoint));
  return bytes;
}
