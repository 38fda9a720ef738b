// The line store behind the editor: the document as a sequence of lines,
// each with a highlighter range, a cached tab-expanded width and an object.
// The lines live in blocks (TScribLineStore), so adding or removing lines
// costs the same in a short and in a very long document.
//
// Invariants:
//  - line indexes are 0-based (the editor's line numbers are index + 1);
//  - Count() <= Capacity(); Capacity() follows the growth rules of a record
//    array, though the blocks allocate by their own;
//  - a line's cached width is either unknown or its exact tab-expanded length;
//  - indexOfLongestLine_ is -1 or the first line of the greatest expanded width.
//
// Every change runs inside the update bracket and fires its event; the buffer
// knows nothing of who listens.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "editor/ScribEditTabExpansion.h"
#include "editor/ScribLineStore.h"
#include "support/TextEncoding.h"

// An index outside the range an operation allows: "Invalid stringlist index %d".
class EScribEditStringList : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that cannot be opened, read, created or written.
class EScribEditFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The line break written when saving; found by loading.
enum class TScribLineBreakStyle : std::uint8_t { CrLf, Lf, Cr };

struct TScribBufferOptions {
  // Bytes read at a time when loading a stream.
  std::size_t loadPieceBytes = std::size_t{1} << 20;
  // How many lines and bytes a block of lines holds.
  TScribBlockLimits blocks;
};

class TScribEditStringList {
 public:
  using TNotifyEvent = std::function<void(TScribEditStringList& sender)>;
  using TLinesEvent = std::function<void(TScribEditStringList& sender, int index, int count)>;

  static constexpr std::int32_t NullRange = -1;

  explicit TScribEditStringList(TScribBufferOptions options = {});
  TScribEditStringList(const TScribEditStringList&) = delete;
  TScribEditStringList& operator=(const TScribEditStringList&) = delete;

  // Reading: an index outside 0..Count()-1 gives an empty or zero value, never an error.
  int Count() const { return store_.Count(); }
  int Capacity() const { return capacity_; }
  // The line's text; valid until the buffer changes.
  std::string_view Get(int index) const;
  void* Objects(int index) const;
  std::int32_t Ranges(int index) const;
  std::string ExpandedStrings(int index);
  int ExpandedStringLengths(int index);
  int LengthOfLongestLine();
  // All lines joined with CR LF, whatever LineBreakStyle() says.
  std::string Text() const;

  // Character indexes into Text(), each line break counting two. All O(1)
  // amortised or O(log Count()).
  std::int64_t CharCount() const { return store_.CharCount(); }
  // The characters of Text() as a reader counts them: in a UTF-8 document the
  // bytes of a character count once, else CharCount(). Kept as lines change.
  std::int64_t CharacterCount() const {
    return IsUtf8(encoding_) ? store_.Utf8CharCount() : CharCount();
  }
  // Index of the first character of `lineIndex`, 0 <= lineIndex <= Count();
  // Count() gives CharCount() + 2 (as if a break followed the last line).
  // Raises EScribEditStringList outside that range.
  std::int64_t LineStartCharIndex(int lineIndex) const;
  // The line holding `charIndex` (a line owns the break after it), clamped to
  // 0..Count()-1; 0 for an empty buffer.
  int LineOfCharIndex(std::int64_t charIndex) const { return store_.LineOfChar(charIndex); }

  // Changing. Out-of-range indexes raise EScribEditStringList and change nothing.
  void SetCapacity(int capacity);
  int Add(std::string text);
  void Insert(int index, std::string text);
  void Put(int index, std::string text);  // index == Count() appends
  // Replaces `count` bytes of line `index` from byte `at` (clamped to the
  // line) with `text`, which must not point into this buffer; fires OnPutted.
  void PutBytes(int index, std::size_t at, std::size_t count, std::string_view text);
  void Delete(int index);
  void Clear();
  void Exchange(int index1, int index2);
  void AddStrings(const std::vector<std::string>& lines);
  void AddStrings(const TScribEditStringList& other);
  void InsertLines(int index, int numLines);
  // Lines with these texts before `index`, with one OnInserted; the texts
  // must not point into this buffer.
  void InsertTexts(int index, const std::vector<std::string_view>& texts);
  void DeleteLines(int index, int numLines);
  void PutObject(int index, void* object);
  void PutRange(int index, std::int32_t range);
  // Stores a highlighter state computed from the text without announcing a
  // change: the text is what it was.
  void CacheRange(int index, std::int32_t range);
  // Replaces everything; splits at CR LF, CR and LF; a final break adds no line.
  void SetText(std::string_view text);

  int TabWidth() const { return tabWidth_; }
  // How the lines' bytes become cells on screen: the tab width and the encoding.
  TScribCellRules CellRules() const { return {tabWidth_, IsUtf8(encoding_)}; }
  void SetTabWidth(int tabWidth);
  TScribLineBreakStyle LineBreakStyle() const { return lineBreakStyle_; }
  void SetLineBreakStyle(TScribLineBreakStyle style) { lineBreakStyle_ = style; }
  // True when the last load met more than one kind of line break (CR LF, CR,
  // LF): saving then writes bytes the file did not hold.
  bool LoadedMixedLineBreaks() const { return loadedMixedLineBreaks_; }

  // Found by loading: UTF-8 (with or without its byte-order mark, which is
  // not part of the text and is written back by saving) when every byte is
  // well-formed UTF-8, else Windows-1252. Other changes keep it; a buffer
  // starts as Windows-1252, the host sets what its new documents are.
  TTextEncoding Encoding() const { return encoding_; }
  void SetEncoding(TTextEncoding encoding);

  // The outermost BeginUpdate fires OnChanging, the matching EndUpdate OnChange.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // Loading replaces the lines only after all bytes were read, and sets
  // LineBreakStyle() from the breaks seen. A final break adds an empty line,
  // so load-then-save gives back the same bytes for uniform breaks. The bytes
  // are read in `encoding` when one is given, else in the one they suggest.
  void LoadFromFile(const std::string& fileName, std::optional<TTextEncoding> encoding = {});
  void LoadFromStream(std::istream& stream);
  void LoadFromStream(std::istream& stream, std::uintmax_t maxBytes,
                      std::optional<TTextEncoding> encoding = {});
  void LoadFromBytes(std::string bytes);
  // Lines separated by the LineBreakStyle() break, none after the last.
  void SaveToFile(const std::string& fileName) const;
  void SaveToStream(std::ostream& stream) const;
  std::string SaveToString() const;
  const TScribBufferOptions& Options() const { return options_; }
  // New block limits apply to the blocks made or changed from now on.
  void SetOptions(const TScribBufferOptions& options);

  // Events, each with the buffer as sender. Index and Count name the lines
  // affected; SetText and loading report all new lines with one OnInserted
  // (0, Count()) after OnCleared.
  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;
  TNotifyEvent OnCleared;
  TLinesEvent OnInserted;
  TLinesEvent OnDeleted;
  TLinesEvent OnPutted;

  // Opens the update bracket for one operation and closes it on every path.
  class UpdateScope {
   public:
    explicit UpdateScope(TScribEditStringList& list) : list_(list) { list_.BeginUpdate(); }
    ~UpdateScope() { list_.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

   private:
    TScribEditStringList& list_;
  };

 private:
  // A cached width: bit 31 says the line holds a TAB, the rest is the width.
  static constexpr std::uint32_t kHasTabs = 0x80000000;
  static constexpr std::uint32_t kWidthBits = 0x7FFFFFFF;

  [[noreturn]] static void RaiseIndexError(int index);
  void CheckIndex(int index, int upperBound) const;
  bool InRange(int index) const { return index >= 0 && index < Count(); }
  void GrowForOneMore();
  void InsertLine(int index, std::string_view text);
  // Appends `count` lines with texts textOf(i) and, from `objectSource`, the
  // objects of its first lines; fires one OnInserted.
  void AppendLines(int count, const std::function<std::string(int)>& textOf,
                   const TScribEditStringList* objectSource);
  // Gathers the lines of a text or stream before they replace the buffer's.
  class LineCollector;
  void Adopt(LineCollector& collected);
  void AdoptLoaded(LineCollector& collected, std::optional<TTextEncoding> encoding);
  std::string Join(std::string_view prefix, std::string_view lineBreak) const;
  std::string_view ByteOrderMark() const;
  void Fire(const TLinesEvent& event, int index, int count);
  void Fire(const TNotifyEvent& event);

  void ForgetWidths();
  // The cached width of line `index`, computed first when unknown.
  std::uint32_t WidthOf(int index);
  // Keeps a known longest line exact after line `index` alone changed or arrived.
  void ConsiderForLongest(int index);

  TScribBufferOptions options_;
  TScribLineStore store_;
  int capacity_ = 0;
  TScribLineBreakStyle lineBreakStyle_ = TScribLineBreakStyle::CrLf;
  bool loadedMixedLineBreaks_ = false;
  TTextEncoding encoding_ = TTextEncoding::Windows1252;
  int tabWidth_ = 8;
  int indexOfLongestLine_ = -1;
  int updateCount_ = 0;
};
