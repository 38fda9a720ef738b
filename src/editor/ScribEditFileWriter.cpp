#include "editor/ScribEditFileWriter.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "editor/ScribEditStringList.h"

std::string FileErrorMessage(std::string_view action, const std::string& fileName) {
  const int error = errno;
  std::string message(action);
  message += " file \"" + fileName + "\".";
  if (error != 0) message += " " + std::generic_category().message(error);
  return message;
}

TScribEditFileWriter::TScribEditFileWriter(std::string fileName)
    : TScribEditFiler(std::move(fileName)) {
  errno = 0;
  file_.open(fileName_, std::ios::binary | std::ios::out | std::ios::trunc);
  if (!file_) throw EScribEditFileError(FileErrorMessage("Cannot create", fileName_));
}

TScribEditFileWriter::~TScribEditFileWriter() {
  if (!file_.is_open()) return;
  if (pending_ > 0) file_.write(buffer_.data(), static_cast<std::streamsize>(pending_));
  file_.close();
}

void TScribEditFileWriter::WriteLine(std::string_view line, std::string_view lineBreak) {
  const std::size_t needed = line.size() + lineBreak.size();
  if (pending_ + needed > buffer_.size()) Flush();
  if (needed > buffer_.size()) buffer_.resize(needed);
  Append(line);
  Append(lineBreak);
}

void TScribEditFileWriter::Append(std::string_view bytes) {
  if (bytes.empty()) return;
  std::memcpy(buffer_.data() + pending_, bytes.data(), bytes.size());
  pending_ += bytes.size();
}

void TScribEditFileWriter::Flush() {
  if (pending_ == 0) return;
  errno = 0;
  file_.write(buffer_.data(), static_cast<std::streamsize>(pending_));
  pending_ = 0;
  if (!file_) throw EScribEditFileError(FileErrorMessage("Cannot write", fileName_));
}

void TScribEditFileWriter::Close() {
  Flush();
  errno = 0;
  file_.close();
  if (!file_) throw EScribEditFileError(FileErrorMessage("Cannot write", fileName_));
}
