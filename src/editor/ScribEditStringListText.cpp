// The buffer as one text: joining, splitting, loading and saving.
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>

#include "editor/ScribEditFileWriter.h"
#include "editor/ScribEditStringList.h"

namespace {

// Cuts bytes into lines in place: a line ends at CR LF, a lone CR or a lone LF.
// Each break character is searched with one forward scan over the whole data.
class LineSplitter {
 public:
  explicit LineSplitter(std::string_view bytes)
      : bytes_(bytes), nextCr_(Find('\r')), nextLf_(Find('\n')) {}

  bool Next(std::string_view& line) {
    if (position_ >= bytes_.size()) return false;
    if (nextCr_ < position_) nextCr_ = Find('\r');
    if (nextLf_ < position_) nextLf_ = Find('\n');
    const std::size_t end = std::min(nextCr_, nextLf_);
    line = bytes_.substr(position_, end - position_);
    position_ = end;
    if (position_ < bytes_.size() && bytes_[position_] == '\r') ++position_;
    if (position_ < bytes_.size() && bytes_[position_] == '\n') ++position_;
    return true;
  }

 private:
  std::size_t Find(char c) const {
    const std::size_t found = bytes_.find(c, position_);
    return found == std::string_view::npos ? bytes_.size() : found;
  }

  std::string_view bytes_;
  std::size_t position_ = 0;
  std::size_t nextCr_;
  std::size_t nextLf_;
};

int CountLines(std::string_view bytes) {
  LineSplitter splitter(bytes);
  std::string_view line;
  int count = 0;
  while (splitter.Next(line)) ++count;
  return count;
}

TScribLineBreakStyle StyleOf(std::string_view bytes) {
  const bool sawCr = bytes.find('\r') != std::string_view::npos;
  const bool sawLf = bytes.find('\n') != std::string_view::npos;
  if (sawCr && !sawLf) return TScribLineBreakStyle::Cr;
  if (sawLf && !sawCr) return TScribLineBreakStyle::Lf;
  return TScribLineBreakStyle::CrLf;
}

std::string_view BreakOf(TScribLineBreakStyle style) {
  switch (style) {
    case TScribLineBreakStyle::Lf:
      return "\n";
    case TScribLineBreakStyle::Cr:
      return "\r";
    case TScribLineBreakStyle::CrLf:
      break;
  }
  return "\r\n";
}

std::string ReadWholeStream(std::istream& stream) {
  stream.clear();
  stream.seekg(0, std::ios::end);
  const std::streamoff size = stream.tellg();
  if (size < 0) {
    // Not seekable: take what the stream gives from where it stands.
    stream.clear();
    std::ostringstream copy;
    copy << stream.rdbuf();
    return std::move(copy).str();
  }
  stream.seekg(0, std::ios::beg);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  stream.read(bytes.data(), size);
  if (stream.bad()) throw EScribEditFileError("Cannot read the stream.");
  bytes.resize(static_cast<std::size_t>(stream.gcount()));
  return bytes;
}

}  // namespace

void TScribEditStringList::ReplaceBySplit(std::string_view bytes, bool finalBreakAddsLine) {
  UpdateScope update(*this);
  Clear();
  const bool addsEmptyLine =
      finalBreakAddsLine && !bytes.empty() && (bytes.back() == '\r' || bytes.back() == '\n');
  const int count = CountLines(bytes) + (addsEmptyLine ? 1 : 0);
  LineSplitter splitter(bytes);
  AppendLines(count, [&splitter](int, Record& record) {
    std::string_view line;
    if (splitter.Next(line)) record.text.assign(line);
  });
}

void TScribEditStringList::SetText(std::string_view text) {
  ReplaceBySplit(text, false);
}

std::string TScribEditStringList::Text() const {
  return Join("\r\n");
}

std::string TScribEditStringList::SaveToString() const {
  return Join(BreakOf(lineBreakStyle_));
}

std::string TScribEditStringList::Join(std::string_view lineBreak) const {
  if (records_.empty()) return {};
  // CharCount() counts two characters per break.
  const auto breaks = static_cast<std::int64_t>(records_.size() - 1);
  const std::int64_t size =
      CharCount() - breaks * (2 - static_cast<std::int64_t>(lineBreak.size()));
  std::string text;
  text.reserve(static_cast<std::size_t>(size));
  for (std::size_t i = 0; i < records_.size(); ++i) {
    if (i > 0) text.append(lineBreak);
    text.append(records_[i].text);
  }
  return text;
}

void TScribEditStringList::LoadFromBytes(std::string bytes) {
  ReplaceBySplit(bytes, true);
  lineBreakStyle_ = StyleOf(bytes);
}

void TScribEditStringList::LoadFromStream(std::istream& stream) {
  // Read first: a failed read must leave the buffer and its listeners alone.
  std::string bytes = ReadWholeStream(stream);
  UpdateScope update(*this);
  LoadFromBytes(std::move(bytes));
}

void TScribEditStringList::LoadFromFile(const std::string& fileName) {
  std::error_code ignored;
  if (std::filesystem::is_directory(fileName, ignored)) {
    errno = EISDIR;
    throw EScribEditFileError(FileErrorMessage("Cannot open", fileName));
  }
  errno = 0;
  std::ifstream file(fileName, std::ios::binary);
  if (!file) throw EScribEditFileError(FileErrorMessage("Cannot open", fileName));
  try {
    LoadFromStream(file);
  } catch (const EScribEditFileError&) {
    throw EScribEditFileError(FileErrorMessage("Cannot read", fileName));
  }
}

void TScribEditStringList::SaveToFile(const std::string& fileName) const {
  TScribEditFileWriter writer(fileName);
  const std::string_view lineBreak = BreakOf(lineBreakStyle_);
  for (std::size_t i = 0; i < records_.size(); ++i)
    writer.WriteLine(records_[i].text, i + 1 < records_.size() ? lineBreak : std::string_view());
  writer.Close();
}

void TScribEditStringList::SaveToStream(std::ostream& stream) const {
  const std::string bytes = SaveToString();
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!stream) throw EScribEditFileError("Cannot write the stream.");
}
