// Any byte string as a selected expression: evaluation must end without a
// crash, hang or sanitizer report, and a result must read back as itself.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "tools/OvCalc.h"

namespace {

void CheckRoundTrip(long double value, char separator) {
  std::string text = FormatCalcNumber(value, separator);
  long double again = 0;
  // Near the end of the range the 18-digit rounding may overflow on reading.
  bool representable = std::fabs(value) < 1e4900L;
  if (!CalcExpression(text, again, separator)) {
    if (representable) std::abort();
    return;
  }
  if (FormatCalcNumber(again, separator) != text) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view typed(reinterpret_cast<const char*>(data), size);
  for (char separator : {'.', ','}) {
    long double value = 0;
    if (CalcExpression(typed, value, separator)) {
      if (!std::isfinite(value)) std::abort();
      CheckRoundTrip(value, separator);
    }
    auto replacement = CalculateSelection(typed, separator);
    if (replacement && replacement->compare(0, typed.size(), typed) != 0) std::abort();
  }
  return 0;
}
