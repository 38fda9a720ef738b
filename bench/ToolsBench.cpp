// Text analysis, the encodings and Minimise on generated documents.
#include <algorithm>
#include <string>

#include "Bench.h"
#include "Generate.h"
#include "tools/MiscFunctions.h"
#include "tools/TextAnalysis.h"

namespace {

// A generated document cut to exactly `bytes` bytes (lines are ~100 bytes).
std::string DocumentOfSize(std::size_t bytes) {
  std::string text = GenerateSourceText(bytes / 90 + 1, 7);
  text.resize(bytes);
  return text;
}

// Everything the Text Analyse window computes for one source.
double AnalyseMilliseconds(const std::string& text, bool utf8) {
  std::size_t shown = 0;
  double ms = MillisecondsOf([&] {
    TTextStatistics statistics = AnalyseText(text, utf8);
    shown += StatisticsRows(statistics)[0].value.size();
    std::vector<TCharRow> rows = CharacterRows(statistics, '.');
    TCharSortState().Sort(rows);
    shown += rows.size();
  });
  return shown != 0 ? ms : -1;
}

// The slowest method over 10 MB, both directions where a method has two.
double EncodeMilliseconds() {
  const std::string text = DocumentOfSize(10'000'000);
  std::vector<std::string> sources = {text, HexadecimalCode(DocumentOfSize(5'000'000)),
                                      BinaryCode(DocumentOfSize(1'250'000))};
  double slowest = 0;
  for (std::size_t m = 0; m < kEncMethodNames.size(); ++m) {
    for (const std::string& source : sources) {
      std::optional<std::string> result;
      double ms =
          MillisecondsOf([&] { result = ApplyEncoding(static_cast<TEncMethod>(m), source); });
      if (result) slowest = std::max(slowest, ms);
    }
  }
  return slowest;
}

double MinimiseMilliseconds() {
  const std::string text = GenerateSourceText(1'000'000, 11);
  std::string result;
  double ms = MillisecondsOf([&] {
    result = Minimise(text, TMinimiseOptions{true, true, true, true});
  });
  return result.empty() ? -1 : ms;
}

}  // namespace

SCRIBANT_BENCH_FIGURE("analyse_ms", "ms",
                      [] { return AnalyseMilliseconds(DocumentOfSize(100'000'000), false); });
// The mixed UTF-8 document `load_utf8_ms` loads.
SCRIBANT_BENCH_FIGURE("analyse_utf8_ms", "ms",
                      [] { return AnalyseMilliseconds(MixedUtf8Document(), true); });
SCRIBANT_BENCH_FIGURE("encode_ms", "ms", EncodeMilliseconds);
SCRIBANT_BENCH_FIGURE("minimise_ms", "ms", MinimiseMilliseconds);
