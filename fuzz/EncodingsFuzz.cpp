// Any byte string through the encodings of the Miscellaneous Functions
// dialog, both directions: no crash or sanitizer report, and every method that
// is meant to be reversible gives the text back.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tools/MiscFunctions.h"

namespace {

void Expect(bool condition) {
  if (!condition) std::abort();
}

bool DecodesAsBinary(std::string_view text) {
  return text.find_first_not_of("01 ") == std::string_view::npos;
}

bool DecodesAsHexadecimal(std::string_view text) {
  return text.find_first_not_of("0123456789ABCDEFabcdef ") == std::string_view::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);

  Expect(Rot13(Rot13(text)) == text);
  Expect(Backwards(Backwards(text)) == text);
  Expect(XorInvert(XorInvert(text)) == text);

  std::string binary = BinaryCode(text);
  if (DecodesAsBinary(text)) {
    Expect(binary.size() * 8 <= text.size());
  } else {
    Expect(binary.size() == text.size() * 8 && BinaryCode(binary) == text);
  }
  std::string hexadecimal = HexadecimalCode(text);
  if (DecodesAsHexadecimal(text)) {
    Expect(hexadecimal.size() * 2 <= text.size());
  } else {
    Expect(hexadecimal.size() == text.size() * 2 && HexadecimalCode(hexadecimal) == text);
  }
  Expect(IntArrayToStr(text).size() <= text.size());

  // The other text functions take the same kind of input.
  unsigned flags = size > 0 ? data[0] : 0;
  TMinimiseOptions options{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0, (flags & 8) != 0};
  Minimise(text, options);
  ApplyLineTemplate(text, text.substr(0, 16));
  return 0;
}
