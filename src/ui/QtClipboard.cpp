#include "ui/QtClipboard.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <QUrl>

namespace {

const QString kBlockMimeType = "application/x-scribedit-control-block-type";

const QMimeData* Data() {
  return QGuiApplication::clipboard()->mimeData();
}

// Plain text for other programs, with the platform's own line break.
QString PlainText(const std::string& text) {
  QString plain = QString::fromStdString(text);
#ifndef Q_OS_WIN
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
  return plain;
}

// X11 offers a file list as plain text too, made of the files' URLs: that is
// no text of the user's, and pasting it would give file:// URLs, not paths.
bool TextIsTheUrlList(const QMimeData& data) {
  if (!data.hasUrls()) return false;
  const QList<QUrl> urls = data.urls();
  const QStringList lines = data.text().split(QRegularExpression("[\r\n]+"), Qt::SkipEmptyParts);
  if (lines.size() != urls.size()) return false;
  // Compared decoded: "R%26D" and "R&D" name the same file.
  const auto decoded = [](const QByteArray& url) { return QUrl::fromPercentEncoding(url); };
  for (qsizetype i = 0; i < lines.size(); ++i)
    if (decoded(lines[i].trimmed().toUtf8()) != decoded(urls[i].toEncoded())) return false;
  return true;
}

// The user's text on the clipboard, if any.
bool HoldsText(const QMimeData* data) {
  return data && data->hasText() && !TextIsTheUrlList(*data);
}

}  // namespace

QtClipboard::QtClipboard() {
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
    if (onChange_) onChange_();
  });
}

bool QtClipboard::HasText() const {
  return HoldsText(Data());
}

std::string QtClipboard::GetText() const {
  const QMimeData* data = Data();
  return HoldsText(data) ? data->text().toStdString() : std::string();
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

std::optional<TClipboardBlock> QtClipboard::GetBlock() const {
  const QMimeData* data = Data();
  if (!data || !data->hasFormat(kBlockMimeType)) return std::nullopt;
  const QByteArray block = data->data(kBlockMimeType);
  if (block.isEmpty()) return std::nullopt;
  return TClipboardBlock{static_cast<unsigned char>(block[0]),
                         std::string(block.constData() + 1, block.size() - 1)};
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
    if (url.isLocalFile()) files.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
  return files;
}
