// Find, Count, Yes to All and the section list on ~100 MB generated documents.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "Bench.h"
#include "BenchServices.h"
#include "Generate.h"
#include "editor/CustomScribEdit.h"
#include "shell/SearchCommands.h"
#include "tools/FindReplace.h"
#include "tools/JoinedLines.h"
#include "tools/SearchText.h"
#include "tools/SectionList.h"

namespace {

constexpr std::size_t kLineCount = 1000000;
constexpr std::uint32_t kSeed = 4711;
constexpr std::string_view kNeedle = "needle";  // never produced by the generator

const std::string& PlainDocument() {
  static const std::string text = GenerateSourceText(kLineCount, kSeed);
  return text;
}

// The plain document with the needle put into the middle of every line.
const std::string& NeedleDocument() {
  static const std::string text = [] {
    const std::string& plain = PlainDocument();
    std::string out;
    out.reserve(plain.size() + kLineCount * (kNeedle.size() + 1));
    for (std::size_t begin = 0; begin < plain.size();) {
      const std::size_t end = plain.find("\r\n", begin) + 2;
      const std::size_t middle = begin + (end - begin) / 2;
      out.append(plain, begin, middle - begin).append(kNeedle).append(" ");
      out.append(plain, middle, end - middle);
      begin = end;
    }
    return out;
  }();
  return text;
}

void Expect(bool condition, const char* what) {
  if (!condition) std::fprintf(stderr, "bench workload went wrong: %s\n", what);
}

// The plain document with one marker near its end, and the marker's index.
const std::string& MarkedDocument(std::size_t& markerIndex) {
  static std::size_t at = 0;
  static const std::string text = [] {
    std::string marked = PlainDocument();
    at = marked.size() - marked.size() / 100;
    return marked.insert(at, " QuokkaMarker ");
  }();
  markerIndex = at + 1;
  return text;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  lines.reserve(kLineCount + 1);
  for (std::size_t begin = 0;;) {
    const std::size_t end = text.find("\r\n", begin);
    lines.push_back(text.substr(begin, end - begin));
    if (end == std::string_view::npos) return lines;
    begin = end + 2;
  }
}

double FindNextMilliseconds() {
  std::size_t markerIndex = 0;
  const std::string& text = MarkedDocument(markerIndex);
  std::optional<TTextRange> found;
  const double ms = MillisecondsOf([&] {
    found = FindNextOccurrence(text, "quokkamarker", 1, {false, false});
  });
  Expect(found && found->start == static_cast<std::int64_t>(markerIndex), "find_next position");
  return ms;
}

// The same search read from the lines, as the editor keeps them.
double FindNextInLinesMilliseconds() {
  std::size_t markerIndex = 0;
  const std::vector<std::string_view> lines = SplitLines(MarkedDocument(markerIndex));
  TJoinedLines joined(static_cast<std::int64_t>(lines.size()),
                      [&lines](std::int64_t index) { return lines[index]; });
  std::optional<TTextRange> found;
  const double ms = MillisecondsOf([&] {
    found = FindNextOccurrence(joined, "quokkamarker", 1, {false, false});
  });
  Expect(found && found->start == static_cast<std::int64_t>(markerIndex), "find_next_lines");
  return ms;
}

double CountMilliseconds() {
  const std::string& text = NeedleDocument();
  std::int64_t count = 0;
  const double ms = MillisecondsOf([&] { count = CountText(text, kNeedle, 1, false, false); });
  Expect(count == static_cast<std::int64_t>(kLineCount), "count");
  return ms;
}

// Match case off in the mixed UTF-8 document. The "s" of the word keeps it off
// the ASCII fast path: the long s folds to it too.
double CountNoCaseUtf8Milliseconds() {
  const std::string& text = MixedUtf8Document();
  std::int64_t expected = 0;
  for (auto at = text.find("const"); at != std::string::npos; at = text.find("const", at + 1))
    ++expected;
  std::int64_t count = 0;
  const double ms = MillisecondsOf([&] { count = CountUtf8Text(text, "CONST", 1, false, false); });
  Expect(count == expected && count > 0, "count_nocase_utf8");
  return ms;
}

// Yes to All from the start through the editor, and the one undo step that
// takes it back; measured together, reported as two figures.
struct ReplaceAllTimes {
  double replaceMs = 0;
  double undoMs = 0;
};

const ReplaceAllTimes& ReplaceAllThroughTheEditor() {
  static const ReplaceAllTimes times = [] {
    TCustomScribEdit editor;
    editor.SetText(NeedleDocument());
    const std::int64_t length = editor.TextLength();
    BenchDialogs dialogs;
    dialogs.answer = TMsgResult::YesToAll;
    TSearchState state;
    state.FindString = kNeedle;
    state.ReplaceString = "thread";
    ReplaceAllTimes result;
    result.replaceMs = MillisecondsOf([&] { DoReplace(editor, state, dialogs, 1); });
    Expect(state.replacedCounter == static_cast<std::int64_t>(kLineCount), "replace_all count");
    result.undoMs = MillisecondsOf([&] { editor.Undo(); });
    Expect(editor.TextLength() == length, "replace_all undone in one step");
    return result;
  }();
  return times;
}

double ReplaceAllMilliseconds() {
  return ReplaceAllThroughTheEditor().replaceMs;
}
double ReplaceAllUndoMilliseconds() {
  return ReplaceAllThroughTheEditor().undoMs;
}

double SectionListMilliseconds() {
  constexpr std::size_t kBannerEvery = kLineCount / 10000;
  std::vector<std::string> banner{"------------------------------", "", "------"};
  const std::string& plain = PlainDocument();
  std::vector<std::string_view> lines;
  lines.reserve(kLineCount);
  std::vector<std::string> names;
  names.reserve(kLineCount / kBannerEvery);
  for (std::size_t begin = 0; begin < plain.size() && lines.size() < kLineCount;) {
    const std::size_t end = plain.find("\r\n", begin);
    const std::size_t index = lines.size();
    if (index % kBannerEvery == 1) {
      names.push_back("-- Section " + std::to_string(index) + " --");
      lines.insert(lines.end(), {banner[0], names.back(), banner[2]});
    }
    lines.push_back(std::string_view(plain).substr(begin, end - begin));
    begin = end + 2;
  }
  lines.resize(kLineCount);
  std::vector<TSectionItem> items;
  const double ms = MillisecondsOf([&] {
    items = BuildSectionList(static_cast<std::int64_t>(lines.size()),
                             [&lines](std::int64_t index) { return lines[index]; });
  });
  Expect(items.size() == 10000 + 2, "section count");
  return ms;
}

}  // namespace

SCRIBANT_BENCH_FIGURE("find_next_ms", "ms", FindNextMilliseconds);
SCRIBANT_BENCH_FIGURE("find_next_lines_ms", "ms", FindNextInLinesMilliseconds);
SCRIBANT_BENCH_FIGURE("count_ms", "ms", CountMilliseconds);
SCRIBANT_BENCH_FIGURE("count_nocase_utf8_ms", "ms", CountNoCaseUtf8Milliseconds);
SCRIBANT_BENCH_FIGURE("replace_all_ms", "ms", ReplaceAllMilliseconds);
SCRIBANT_BENCH_FIGURE("replace_all_undo_ms", "ms", ReplaceAllUndoMilliseconds);
SCRIBANT_BENCH_FIGURE("section_list_ms", "ms", SectionListMilliseconds);
