#include "ui/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include "ui/CodePageText.h"

namespace {

const QString kBlockMimeType = "application/x-scribedit-control-block-type";

const QMimeData* Data() {
  return QGuiApplication::clipboard()->mimeData();
}

// Plain text for other programs, with the platform's own line break.
QString PlainText(const std::string& text) {
  QString plain = FromCodePage(text);
#ifndef Q_OS_WIN
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
  return plain;
}

}  // namespace

QtClipboard::QtClipboard() {
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
    if (onChange_) onChange_();
  });
}

bool QtClipboard::HasText() const {
  const QMimeData* data = Data();
  return data && data->hasText();
}

std::string QtClipboard::GetText() const {
  const QMimeData* data = Data();
  return data && data->hasText() ? ToCodePage(data->text()) : std::string();
}

void QtClipboard::SetText(const std::string& text) {
  QGuiApplication::clipboard()->setText(PlainText(text));
}

void QtClipboard::SetTextWithBlock(const std::string& text, unsigned char selectionMode) {
  auto* data = new QMimeData;
  data->setText(PlainText(text));
  QByteArray block(1, static_cast<char>(selectionMode));
  block.append(text.data(), static_cast<qsizetype>(text.size()));
  data->setData(kBlockMimeType, block);
  QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<unsigned char> QtClipboard::GetBlockMode() const {
  const QMimeData* data = Data();
  if (!data || !data->hasFormat(kBlockMimeType)) return std::nullopt;
  const QByteArray block = data->data(kBlockMimeType);
  if (block.isEmpty()) return std::nullopt;
  return static_cast<unsigned char>(block[0]);
}

bool QtClipboard::HasFileList() const {
  const QMimeData* data = Data();
  if (!data || !data->hasUrls()) return false;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) return true;
  return false;
}

std::vector<std::string> QtClipboard::GetFileList() const {
  std::vector<std::string> files;
  const QMimeData* data = Data();
  if (!data) return files;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
  return files;
}
