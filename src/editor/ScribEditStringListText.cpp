// The buffer as one text: joining, splitting, loading and saving.
#include <algorithm>
#include <bit>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <istream>
#include <limits>
#include <new>
#include <ostream>
#include <stdexcept>

#include "editor/ScribEditFileWriter.h"
#include "editor/ScribEditStringList.h"
#include "support/Utf8.h"

namespace {

// The kinds of line break, as bits, so that the kinds a text holds are one mask.
enum BreakKind : unsigned { kLoneCr = 1, kLoneLf = 2, kCrLf = 4 };

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
    const bool cr = position_ < bytes_.size() && bytes_[position_] == '\r';
    if (cr) ++position_;
    const bool lf = position_ < bytes_.size() && bytes_[position_] == '\n';
    if (lf) ++position_;
    if (cr || lf) breakKinds_ |= cr && lf ? kCrLf : cr ? kLoneCr : kLoneLf;
    return true;
  }

  unsigned BreakKinds() const { return breakKinds_; }

 private:
  std::size_t Find(char c) const {
    const std::size_t found = bytes_.find(c, position_);
    return found == std::string_view::npos ? bytes_.size() : found;
  }

  std::string_view bytes_;
  std::size_t position_ = 0;
  std::size_t nextCr_;
  std::size_t nextLf_;
  unsigned breakKinds_ = 0;
};

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

// End of the complete lines in `pending`: just after its last line break,
// but never between a CR and an LF that may follow in the next piece.
// Breaks before `searchFrom` are known to be absent.
std::size_t CompleteLinesEnd(std::string_view pending, std::size_t searchFrom) {
  std::size_t limit = pending.size();
  if (limit > 0 && pending[limit - 1] == '\r') --limit;
  for (std::size_t i = limit; i > searchFrom; --i)
    if (pending[i - 1] == '\r' || pending[i - 1] == '\n') return i;
  return 0;
}

}  // namespace

class TScribEditStringList::LineCollector {
 public:
  explicit LineCollector(const TScribBufferOptions& options) : store(options.blocks) {}

  // Adds every line of `bytes`; the last one needs no break after it.
  void AddText(std::string_view bytes) {
    NoteBytes(bytes);
    AddLines(bytes);
  }

  // Adds the whole bytes of a file.
  void AddLoaded(std::string& bytes) {
    NoteBytes(bytes);
    TakeByteOrderMark(bytes, true);
    AddLines(bytes);
  }

  // Reads the stream from its start in pieces, so that the whole file and
  // all its lines are never held at once.
  // Reads to the end of the stream, or `maxBytes` at most.
  void AddStream(std::istream& stream, std::size_t pieceSize, std::uintmax_t maxBytes) {
    stream.clear();
    if (!stream.seekg(0, std::ios::beg)) stream.clear();  // not seekable: read what comes
    std::string pending;
    for (bool last = false; !last;) {
      const std::size_t kept = pending.size();
      const auto wanted = static_cast<std::size_t>(std::min<std::uintmax_t>(pieceSize, maxBytes));
      pending.resize(kept + wanted);
      stream.read(pending.data() + kept, static_cast<std::streamsize>(wanted));
      if (stream.bad()) throw EScribEditFileError("Cannot read the stream.");
      const auto got = static_cast<std::size_t>(stream.gcount());
      pending.resize(kept + got);
      maxBytes -= got;
      last = got < wanted || maxBytes == 0;
      NoteBytes(std::string_view(pending).substr(kept));
      const bool markWasChecked = markChecked_;
      TakeByteOrderMark(pending, last);
      // No line leaves before the start is known to hold a mark or not.
      if (!markChecked_) continue;
      const std::size_t searchFrom = markWasChecked ? kept : 0;
      const std::string_view view(pending);
      const std::size_t end =
          last ? view.size() : CompleteLinesEnd(view, searchFrom > 0 ? searchFrom - 1 : 0);
      AddLines(view.substr(0, end));
      pending.erase(0, end);
    }
  }

  // Loading keeps the empty line after a final break, so that saving restores it.
  void AddEmptyLineAfterFinalBreak() {
    if (lastByte_ == '\r' || lastByte_ == '\n') store.Append({});
  }

  // CR only gives Cr, LF only gives Lf, both or neither CrLf.
  TScribLineBreakStyle Style() const {
    if (sawCr_ && !sawLf_) return TScribLineBreakStyle::Cr;
    if (sawLf_ && !sawCr_) return TScribLineBreakStyle::Lf;
    return TScribLineBreakStyle::CrLf;
  }

  // More than one kind of break: saving cannot give the same bytes back.
  bool MixedBreaks() const { return std::popcount(breakKinds_) > 1; }

  // The `wanted` encoding, or the one found: UTF-8 when every byte read is
  // (behind its mark, when it has one), otherwise the legacy code page. A
  // mark taken off is text again in any encoding but UTF-8 with BOM.
  TTextEncoding SettleEncoding(std::optional<TTextEncoding> wanted) {
    TTextEncoding found = TTextEncoding::Windows1252;
    if (utf8_.Valid()) found = hadByteOrderMark_ ? TTextEncoding::Utf8Bom : TTextEncoding::Utf8;
    const TTextEncoding encoding = wanted.value_or(found);
    if (hadByteOrderMark_ && encoding != TTextEncoding::Utf8Bom) {
      if (store.Count() == 0) store.Append({});
      store.Replace(0, std::string(kUtf8ByteOrderMark) + std::string(store.Text(0)));
    }
    return encoding;
  }

  TScribLineStore store;

 private:
  // The lines are packed into blocks a batch at a time; the views point into
  // `bytes`, so every batch is stored before this returns.
  void AddLines(std::string_view bytes) {
    constexpr std::size_t kBatch = 1 << 16;
    LineSplitter splitter(bytes);
    std::string_view line;
    while (splitter.Next(line)) {
      batch_.push_back(line);
      if (batch_.size() == kBatch) StoreBatch();
    }
    StoreBatch();
    breakKinds_ |= splitter.BreakKinds();
  }
  void StoreBatch() {
    store.AppendPacked(batch_);
    batch_.clear();
  }
  // Takes a UTF-8 byte-order mark off the start of the data, once its first
  // three bytes (or all of a shorter file) are in.
  void TakeByteOrderMark(std::string& pending, bool last) {
    if (markChecked_ || (pending.size() < kUtf8ByteOrderMark.size() && !last)) return;
    markChecked_ = true;
    hadByteOrderMark_ = pending.starts_with(kUtf8ByteOrderMark);
    if (hadByteOrderMark_) pending.erase(0, kUtf8ByteOrderMark.size());
  }
  void NoteBytes(std::string_view bytes) {
    utf8_.Feed(bytes);
    if (bytes.empty()) return;
    sawCr_ = sawCr_ || bytes.find('\r') != std::string_view::npos;
    sawLf_ = sawLf_ || bytes.find('\n') != std::string_view::npos;
    lastByte_ = bytes.back();
  }

  std::vector<std::string_view> batch_;
  bool sawCr_ = false;
  bool sawLf_ = false;
  char lastByte_ = 0;
  unsigned breakKinds_ = 0;
  utf8::TValidator utf8_;
  bool markChecked_ = false;
  bool hadByteOrderMark_ = false;
};

void TScribEditStringList::Adopt(LineCollector& collected) {
  UpdateScope update(*this);
  Clear();
  store_ = std::move(collected.store);
  capacity_ = Count();
  indexOfLongestLine_ = -1;
  if (Count() > 0) Fire(OnInserted, 0, Count());
}

void TScribEditStringList::SetText(std::string_view text) {
  LineCollector collected(options_);
  collected.AddText(text);
  Adopt(collected);
}

std::string TScribEditStringList::Text() const {
  return Join({}, "\r\n");
}

std::string TScribEditStringList::SaveToString() const {
  return Join(ByteOrderMark(), BreakOf(lineBreakStyle_));
}

std::string_view TScribEditStringList::ByteOrderMark() const {
  return encoding_ == TTextEncoding::Utf8Bom ? kUtf8ByteOrderMark : std::string_view();
}

std::string TScribEditStringList::Join(std::string_view prefix, std::string_view lineBreak) const {
  if (Count() == 0) return std::string(prefix);
  // CharCount() counts two characters per break.
  const std::int64_t breaks = Count() - 1;
  const std::int64_t size =
      CharCount() - breaks * (2 - static_cast<std::int64_t>(lineBreak.size()));
  std::string text;
  text.reserve(prefix.size() + static_cast<std::size_t>(size));
  text.append(prefix);
  store_.ForEachText([&text, lineBreak, first = true](std::string_view line) mutable {
    if (!first) text.append(lineBreak);
    first = false;
    text.append(line);
  });
  return text;
}

void TScribEditStringList::LoadFromBytes(std::string bytes) {
  LineCollector collected(options_);
  collected.AddLoaded(bytes);
  bytes = std::string();
  AdoptLoaded(collected, std::nullopt);
}

void TScribEditStringList::LoadFromStream(std::istream& stream) {
  LoadFromStream(stream, std::numeric_limits<std::uintmax_t>::max());
}

void TScribEditStringList::LoadFromStream(std::istream& stream, std::uintmax_t maxBytes,
                                          std::optional<TTextEncoding> encoding) {
  // Everything is read before the buffer changes: a failed read leaves it
  // and its listeners alone.
  LineCollector collected(options_);
  collected.AddStream(stream, options_.loadPieceBytes, maxBytes);
  AdoptLoaded(collected, encoding);
}

// A loaded file's lines, encoding and line breaks.
void TScribEditStringList::AdoptLoaded(LineCollector& collected,
                                       std::optional<TTextEncoding> encoding) {
  collected.AddEmptyLineAfterFinalBreak();
  encoding_ = collected.SettleEncoding(encoding);
  Adopt(collected);
  lineBreakStyle_ = collected.Style();
  loadedMixedLineBreaks_ = collected.MixedBreaks();
}

void TScribEditStringList::LoadFromFile(const std::string& fileName,
                                        std::optional<TTextEncoding> encoding) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(fileName, error);
  if (std::filesystem::is_directory(status)) {
    errno = EISDIR;
    throw EScribEditFileError(FileErrorMessage("Cannot open", fileName));
  }
  // A pipe or a device would block the program or never end.
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    errno = 0;
    throw EScribEditFileError(FileErrorMessage("Cannot open", fileName) +
                              " It is not a regular file.");
  }
  errno = 0;
  std::ifstream file(fileName, std::ios::binary);
  if (!file) throw EScribEditFileError(FileErrorMessage("Cannot open", fileName));
  // A file that grows while it is read (a log) is read as it was at opening.
  const std::uintmax_t size = std::filesystem::file_size(fileName, error);
  try {
    LoadFromStream(file, error ? std::numeric_limits<std::uintmax_t>::max() : size, encoding);
  } catch (const EScribEditFileError&) {
    throw EScribEditFileError(FileErrorMessage("Cannot read", fileName));
  } catch (const std::bad_alloc&) {
    // The lines read so far are gone again; the buffer still holds what it had.
    errno = ENOMEM;
    throw EScribEditFileError(FileErrorMessage("Cannot read", fileName));
  } catch (const std::length_error&) {
    errno = EFBIG;
    throw EScribEditFileError(FileErrorMessage("Cannot read", fileName));
  }
}

void TScribEditStringList::SaveToFile(const std::string& fileName) const {
  TScribEditFileWriter writer(fileName);
  writer.WriteLine(ByteOrderMark(), {});
  const std::string_view lineBreak = BreakOf(lineBreakStyle_);
  int remaining = Count();
  store_.ForEachText([&writer, &remaining, lineBreak](std::string_view line) {
    writer.WriteLine(line, --remaining > 0 ? lineBreak : std::string_view());
  });
  writer.Close();
}

void TScribEditStringList::SaveToStream(std::ostream& stream) const {
  const std::string bytes = SaveToString();
  stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!stream) throw EScribEditFileError("Cannot write the stream.");
}
