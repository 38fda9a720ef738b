#include "tools/MiscFunctions.h"

#include "support/OvLib.h"

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineBreak(char c) {
  return c == '\r' || c == '\n';
}

// Joins lines with CR LF after each. A text that had no break at its end gets
// none back; a lone empty line then leaves nothing, so minimising a few blanks
// never turns them into a line break.
class LineJoiner {
 public:
  LineJoiner(std::size_t capacity, bool sourceEndsWithBreak)
      : keepFinalBreak_(sourceEndsWithBreak) {
    text_.reserve(capacity);
  }
  void Add(std::string_view line) {
    text_.append(line);
    text_ += "\r\n";
  }
  std::string Finish() {
    if (!keepFinalBreak_ && !text_.empty()) text_.resize(text_.size() - 2);
    return std::move(text_);
  }

 private:
  std::string text_;
  bool keepFinalBreak_;
};

std::string_view TrimLine(std::string_view line, const TMinimiseOptions& options) {
  if (options.trimLeading) {
    std::size_t first = 0;
    while (first < line.size() && IsBlank(line[first])) ++first;
    if (first < line.size()) line.remove_prefix(first);  // a blank line keeps its blanks here
  }
  if (options.trimTrailing) {
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  }
  return line;
}

}  // namespace

TSplitLines SplitLines(std::string_view text) {
  TSplitLines split;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsLineBreak(text[i])) continue;
    split.lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) split.lines.push_back(text.substr(start));
  split.endsWithBreak = !text.empty() && IsLineBreak(text.back());
  return split;
}

std::string Minimise(std::string_view text, const TMinimiseOptions& options) {
  if (options.trimNewLines) {
    while (!text.empty() && IsLineBreak(text.back())) text.remove_suffix(1);
  }
  TSplitLines split = SplitLines(text);
  LineJoiner joiner(text.size() + split.lines.size(), split.endsWithBreak);
  for (std::string_view line : split.lines) {
    line = TrimLine(line, options);
    if (!(options.trimEmptyLines && line.empty())) joiner.Add(line);
  }
  return joiner.Finish();
}

std::string MinimiseSavingText(std::size_t lengthBefore, std::size_t lengthAfter) {
  auto saved = static_cast<long long>(lengthBefore) - static_cast<long long>(lengthAfter);
  return std::to_string(saved) + " chars";
}

std::string ApplyLineTemplate(std::string_view text, std::string_view lineTemplate) {
  TSplitLines split = SplitLines(text);
  LineJoiner joiner(text.size() + split.lines.size() * (lineTemplate.size() + 2),
                    split.endsWithBreak);
  const std::string pattern(lineTemplate);
  for (std::size_t index = 0; index < split.lines.size(); ++index) {
    std::string_view line = split.lines[index];
    auto letter = [line, index](char c, bool) -> std::string {
      switch (c) {
        case 'l':
          return std::string(line);
        case 'i':
          return std::to_string(index);
        case 'n':
          return std::to_string(index + 1);
        default:
          return {};
      }
    };
    joiner.Add(ExpandTemplate(pattern, '%', letter, false));
  }
  return joiner.Finish();
}

bool IsMiscFunctionAvailable(const TMiscFuncRequest& request) {
  return !(request.page == TMiscPage::Encryption && request.method == TEncMethod::BitShifting);
}

TMiscFuncOutcome DoMiscFunction(const TMiscFuncRequest& request, std::string_view text) {
  TMiscFuncOutcome outcome;
  switch (request.page) {
    case TMiscPage::Minimise:
      outcome.result = Minimise(text, request.minimise);
      outcome.testPanelText = MinimiseSavingText(text.size(), outcome.result.size());
      break;
    case TMiscPage::Encryption: {
      std::optional<std::string> encoded = ApplyEncoding(request.method, text, request.utf8);
      outcome.notImplemented = !encoded;
      if (encoded) outcome.result = std::move(*encoded);
      break;
    }
    case TMiscPage::Lines:
      outcome.result = ApplyLineTemplate(text, request.lineTemplate);
      break;
  }
  return outcome;
}

TMiscSelection SelectionAfterMiscFunction(std::size_t oldStart, std::size_t oldLength,
                                          std::size_t resultLength) {
  return {oldStart, oldLength != 0 ? resultLength : 0};
}
