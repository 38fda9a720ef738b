#include "support/Utf8.h"

#include <utf8proc.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "support/CodePage.h"
#include "support/WordBytes.h"

namespace utf8 {

namespace {

unsigned char ByteAt(std::string_view text, std::size_t at) {
  return static_cast<unsigned char>(text[at]);
}

// Length a lead byte announces, or 0 for a byte no sequence starts with.
int LeadLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead < 0xC2) return 0;  // continuation bytes and overlong two-byte leads
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  if (lead < 0xF5) return 4;
  return 0;
}

// The second byte is where overlong forms, surrogates and code points past
// U+10FFFF show.
bool SecondByteFits(unsigned char lead, unsigned char second) {
  switch (lead) {
    case 0xE0:
      return second >= 0xA0 && second <= 0xBF;
    case 0xED:
      return second >= 0x80 && second <= 0x9F;
    case 0xF0:
      return second >= 0x90 && second <= 0xBF;
    case 0xF4:
      return second >= 0x80 && second <= 0x8F;
    default:
      return (second & 0xC0) == 0x80;
  }
}

// The bytes [at, end) begin a well-formed sequence that the text cuts short.
bool IsCutShortSequence(std::string_view text, std::size_t at) {
  const unsigned char lead = ByteAt(text, at);
  const std::size_t available = text.size() - at;
  const int length = LeadLength(lead);
  if (length < 2 || available >= static_cast<std::size_t>(length)) return false;
  if (available >= 2 && !SecondByteFits(lead, ByteAt(text, at + 1))) return false;
  for (std::size_t k = 2; k < available; ++k)
    if ((ByteAt(text, at + k) & 0xC0) != 0x80) return false;
  return true;
}

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// The first byte at or after `at` that is not ASCII, or the text's size;
// sixteen bytes at a time while they are all ASCII.
std::size_t SkipAscii(std::string_view text, std::size_t at) {
  while (at + 16 <= text.size()) {
    std::uint64_t words[2];
    std::memcpy(words, text.data() + at, sizeof words);
    if (((words[0] | words[1]) & kHighBits) != 0) break;
    at += 16;
  }
  while (at < text.size() && ByteAt(text, at) < 0x80) ++at;
  return at;
}

// Validates from `at`; returns the position where validation stopped: the
// text's size when all was well-formed, else the first byte that is not.
std::size_t ValidPrefixEnd(std::string_view text, std::size_t at) {
  while ((at = SkipAscii(text, at)) < text.size()) {
    const int length = SequenceLength(text, at);
    if (length == 0) return at;
    at += static_cast<std::size_t>(length);
  }
  return at;
}

}  // namespace

namespace {

bool IsZeroWidthAt(std::string_view text, std::size_t at) {
  return ByteAt(text, at) >= 0x80 && SequenceLength(text, at) > 0 && Cells(Decode(text, at)) == 0;
}

}  // namespace

std::size_t PreviousCharStart(std::string_view text, std::size_t at) {
  std::size_t start = at - 1;
  while (start > 0 && at - start < 4 && (ByteAt(text, start) & 0xC0) == 0x80) --start;
  return CharLength(text, start) == at - start ? start : at - 1;
}

bool IsCharBoundary(std::string_view text, std::size_t at) {
  if (at == 0 || at >= text.size() || (ByteAt(text, at) & 0xC0) != 0x80) return true;
  // The nearest byte before that is not a continuation byte decides.
  for (std::size_t back = 1; back <= 3 && back <= at; ++back) {
    if ((ByteAt(text, at - back) & 0xC0) != 0x80)
      return SequenceLength(text, at - back) <= static_cast<int>(back);
  }
  return true;
}

bool IsCaretStop(std::string_view text, std::size_t at) {
  if (at == 0 || at >= text.size()) return true;
  return IsCharBoundary(text, at) && !IsZeroWidthAt(text, at);
}

bool IsWordCharacter(char32_t codePoint) {
  switch (utf8proc_category(static_cast<utf8proc_int32_t>(codePoint))) {
    case UTF8PROC_CATEGORY_LU:
    case UTF8PROC_CATEGORY_LL:
    case UTF8PROC_CATEGORY_LT:
    case UTF8PROC_CATEGORY_LM:
    case UTF8PROC_CATEGORY_LO:
    case UTF8PROC_CATEGORY_MN:
    case UTF8PROC_CATEGORY_MC:
    case UTF8PROC_CATEGORY_ME:
    case UTF8PROC_CATEGORY_ND:
    case UTF8PROC_CATEGORY_NL:
    case UTF8PROC_CATEGORY_NO:
      return true;
    default:
      return false;
  }
}

int SequenceLength(std::string_view text, std::size_t at) {
  const unsigned char lead = ByteAt(text, at);
  const int length = LeadLength(lead);
  if (length <= 1) return length;
  if (text.size() - at < static_cast<std::size_t>(length)) return 0;
  if (!SecondByteFits(lead, ByteAt(text, at + 1))) return 0;
  for (int k = 2; k < length; ++k)
    if ((ByteAt(text, at + k) & 0xC0) != 0x80) return 0;
  return length;
}

std::size_t NextNonAscii(std::string_view text, std::size_t at) {
  return SkipAscii(text, at);
}

bool IsAscii(std::string_view text) {
  return SkipAscii(text, 0) == text.size();
}

std::size_t CharCount(std::string_view text) {
  // Every byte but the continuation bytes (10xxxxxx) starts a character.
  std::size_t continuations = 0;
  std::size_t at = 0;
  for (; at + 8 <= text.size(); at += 8) {
    const std::uint64_t word = word_bytes::Load(text.data() + at);
    // One bit per continuation byte, summed into the top byte.
    const std::uint64_t marks = (word & ~(word << 1) & word_bytes::kHighBits) >> 7;
    continuations += static_cast<std::size_t>((marks * word_bytes::kOnes) >> 56);
  }
  for (; at < text.size(); ++at) continuations += (ByteAt(text, at) & 0xC0) == 0x80;
  return text.size() - continuations;
}

bool IsValid(std::string_view text) {
  return ValidPrefixEnd(text, 0) == text.size();
}

void TValidator::Feed(std::string_view piece) {
  if (!valid_ || piece.empty()) return;
  std::size_t start = 0;
  if (pendingSize_ > 0) {
    // The cut sequence, completed by the first bytes of this piece.
    char joined[8];
    std::memcpy(joined, pending_, pendingSize_);
    const std::size_t taken = std::min<std::size_t>(piece.size(), 4);
    std::memcpy(joined + pendingSize_, piece.data(), taken);
    const std::string_view sequence(joined, pendingSize_ + taken);
    const int length = SequenceLength(sequence, 0);
    if (length > 0) {
      start = static_cast<std::size_t>(length) - pendingSize_;
      pendingSize_ = 0;
    } else if (taken == piece.size() && IsCutShortSequence(sequence, 0)) {
      std::memcpy(pending_, joined, sequence.size());
      pendingSize_ = sequence.size();
      return;
    } else {
      valid_ = false;
      return;
    }
  }
  const std::size_t end = ValidPrefixEnd(piece, start);
  if (end == piece.size()) return;
  if (IsCutShortSequence(piece, end)) {
    pendingSize_ = piece.size() - end;
    std::memcpy(pending_, piece.data() + end, pendingSize_);
  } else {
    valid_ = false;
  }
}

namespace {

// The code point of the sequence of `length` bytes at `at`, known well-formed.
char32_t DecodeSequence(std::string_view text, std::size_t at, int length) {
  static constexpr unsigned char kLeadMask[] = {0, 0, 0x1F, 0x0F, 0x07};
  char32_t codePoint = ByteAt(text, at) & kLeadMask[length];
  for (int k = 1; k < length; ++k) codePoint = (codePoint << 6) | (ByteAt(text, at + k) & 0x3F);
  return codePoint;
}

}  // namespace

char32_t Decode(std::string_view text, std::size_t at) {
  const int length = SequenceLength(text, at);
  return length <= 1 ? ByteAt(text, at) : DecodeSequence(text, at, length);
}

void Append(std::string& out, char32_t codePoint) {
  utf8proc_uint8_t bytes[4];
  const utf8proc_ssize_t length =
      utf8proc_encode_char(static_cast<utf8proc_int32_t>(codePoint), bytes);
  out.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
}

int Cells(char32_t codePoint) {
  // Control characters keep the one cell they always had.
  if (codePoint < 0xA0) return 1;
  // Lines are measured on every caret move: the plane nearly all text lives
  // in is looked up once.
  static const std::vector<std::int8_t> basicPlane = [] {
    std::vector<std::int8_t> widths(0x10000);
    for (utf8proc_int32_t c = 0; c < 0x10000; ++c)
      widths[static_cast<std::size_t>(c)] = static_cast<std::int8_t>(utf8proc_charwidth(c));
    return widths;
  }();
  if (codePoint < 0x10000) return basicPlane[codePoint];
  return utf8proc_charwidth(static_cast<utf8proc_int32_t>(codePoint));
}

int CellsAt(std::string_view text, std::size_t at) {
  return ExtentAt(text, at).cells;
}

TCharExtent ExtentAt(std::string_view text, std::size_t at) {
  // Two-byte characters (Latin, Greek, Cyrillic, Hebrew, Arabic) first.
  const unsigned char lead = ByteAt(text, at);
  if (lead >= 0xC2 && lead < 0xE0 && at + 1 < text.size() && (ByteAt(text, at + 1) & 0xC0) == 0x80)
    return {Cells(static_cast<char32_t>((lead & 0x1F) << 6 | (ByteAt(text, at + 1) & 0x3F))), 2};
  const int length = SequenceLength(text, at);
  if (length <= 1) return {1, 1};
  return {Cells(DecodeSequence(text, at, length)), length};
}

TRunExtent NonAsciiRunAt(std::string_view text, std::size_t at) {
  TRunExtent run{0, 0};
  while (at + run.bytes < text.size() && ByteAt(text, at + run.bytes) >= 0x80) {
    const TCharExtent extent = ExtentAt(text, at + run.bytes);
    run.cells += extent.cells;
    run.bytes += static_cast<std::size_t>(extent.bytes);
  }
  return run;
}

std::size_t NextCaretStop(std::string_view text, std::size_t at) {
  at += CharLength(text, at);
  while (at < text.size() && IsZeroWidthAt(text, at)) at += CharLength(text, at);
  return at;
}

std::size_t PreviousCaretStop(std::string_view text, std::size_t at) {
  if (at == 0) return 0;
  std::size_t start = PreviousCharStart(text, at);
  while (start > 0 && IsZeroWidthAt(text, start)) start = PreviousCharStart(text, start);
  return start;
}

std::string FromWindows1252(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80)
      text += c;
    else
      Append(text, codepage::ToUnicode(byte));
  }
  return text;
}

std::string ToWindows1252(std::string_view text, std::size_t* lost) {
  std::string bytes;
  bytes.reserve(text.size());
  std::size_t missing = 0;
  for (std::size_t at = 0; at < text.size(); at += CharLength(text, at)) {
    const std::size_t asciiEnd = SkipAscii(text, at);
    bytes.append(text, at, asciiEnd - at);
    if ((at = asciiEnd) == text.size()) break;
    const char32_t codePoint = Decode(text, at);
    if (SequenceLength(text, at) == 0) {
      bytes += text[at];  // an invalid byte stays the byte it is
      continue;
    }
    const unsigned char byte = codepage::FromUnicode(codePoint);
    if (byte == '?' && codePoint != U'?') ++missing;
    bytes += static_cast<char>(byte);
  }
  if (lost) *lost = missing;
  return bytes;
}

std::string FromUtf16(std::string_view bytes, bool bigEndian) {
  const std::size_t units = bytes.size() / 2;
  const auto unitAt = [&](std::size_t i) {
    const auto first = static_cast<char32_t>(ByteAt(bytes, 2 * i));
    const auto second = static_cast<char32_t>(ByteAt(bytes, 2 * i + 1));
    return bigEndian ? (first << 8) | second : (second << 8) | first;
  };
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < units; ++i) {
    char32_t unit = unitAt(i);
    const bool lead = unit >= 0xD800 && unit <= 0xDBFF;
    const bool trail = unit >= 0xDC00 && unit <= 0xDFFF;
    if (lead && i + 1 < units && unitAt(i + 1) >= 0xDC00 && unitAt(i + 1) <= 0xDFFF) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00);
      ++i;
    } else if (lead || trail) {
      unit = 0xFFFD;
    }
    Append(text, unit);
  }
  return text;
}

std::size_t CaretStopAt(std::string_view text, std::size_t at) {
  if (at >= text.size()) return at;
  // Back to the byte that starts the character holding `at`.
  if ((ByteAt(text, at) & 0xC0) == 0x80)
    for (std::size_t back = 1; back <= 3 && back <= at; ++back)
      if (SequenceLength(text, at - back) > static_cast<int>(back)) {
        at -= back;
        break;
      }
  return PreviousCaretStop(text, NextCaretStop(text, at));
}

}  // namespace utf8
