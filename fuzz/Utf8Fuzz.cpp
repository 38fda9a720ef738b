// UTF-8 decoding and the encoding decision: validation agrees with the
// Unicode library's own decoder, whole or in pieces; caret stops are the same
// forward and backward and never inside a character; the conversions from
// Windows-1252 and UTF-16 give UTF-8, and Windows-1252 comes back unchanged.
#include <fuzzer/FuzzedDataProvider.h>
#include <utf8proc.h>

#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "support/Utf8.h"

namespace {

// Whether the library decodes the whole text, and how many characters it finds.
bool LibraryAccepts(const std::string& text, std::size_t& characters) {
  characters = 0;
  const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data());
  auto remaining = static_cast<utf8proc_ssize_t>(text.size());
  while (remaining > 0) {
    utf8proc_int32_t codePoint = 0;
    const utf8proc_ssize_t length = utf8proc_iterate(bytes, remaining, &codePoint);
    if (length <= 0 || codePoint < 0) return false;
    bytes += length;
    remaining -= length;
    ++characters;
  }
  return true;
}

void ExpectCaretStops(const std::string& text) {
  std::vector<std::size_t> stops{0};
  while (stops.back() < text.size()) {
    const std::size_t next = utf8::NextCaretStop(text, stops.back());
    Expect(next > stops.back() && next <= text.size(), "a caret stop moves forward");
    stops.push_back(next);
  }
  for (std::size_t k = stops.size() - 1; k > 0; --k) {
    Expect(utf8::PreviousCaretStop(text, stops[k]) == stops[k - 1],
           "caret stops are the same backward");
    Expect(stops[k] == text.size() || (static_cast<unsigned char>(text[stops[k]]) & 0xC0) != 0x80 ||
               utf8::SequenceLength(text, stops[k]) == 0,
           "no caret stop inside a character");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto pieceSize = input.ConsumeIntegralInRange<std::size_t>(1, 8);
  const std::string text = input.ConsumeRemainingBytesAsString();

  const bool valid = utf8::IsValid(text);
  std::size_t characters = 0;
  Expect(valid == LibraryAccepts(text, characters), "validation agrees with the library");
  Expect(!valid || utf8::CharCount(text) == characters, "characters counted as the library does");
  utf8::TValidator pieces;
  for (std::size_t at = 0; at < text.size(); at += pieceSize)
    pieces.Feed(std::string_view(text).substr(at, pieceSize));
  Expect(pieces.Valid() == valid, "validation in pieces agrees");

  ExpectCaretStops(text);

  const std::string fromLegacy = utf8::FromWindows1252(text);
  Expect(utf8::IsValid(fromLegacy), "Windows-1252 converts to UTF-8");
  Expect(utf8::ToWindows1252(fromLegacy) == text, "Windows-1252 comes back unchanged");
  Expect(utf8::IsValid(utf8::FromUtf16(text, false)), "UTF-16 LE converts to UTF-8");
  Expect(utf8::IsValid(utf8::FromUtf16(text, true)), "UTF-16 BE converts to UTF-8");
  return 0;
}
