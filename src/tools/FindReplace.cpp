#include "tools/FindReplace.h"

#include "support/OvLib.h"
#include "support/Utf8.h"
#include "tools/SearchText.h"

namespace {

// The search string may hold NUL bytes, so notices are assembled rather than
// formatted with %s.
std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  quoted.append(text).append("\"");
  return quoted;
}

std::optional<TTextRange> RangeOf(TTextMatch match) {
  if (match.position == 0) return std::nullopt;
  return TTextRange{match.position - 1, match.length};
}

template <typename Text>
TTextMatch FirstMatch(Text& text, std::string_view search, std::int64_t start,
                      TSearchOptions options) {
  if (IsUtf8(options.encoding))
    return SearchUtf8Text(text, search, start, options.matchCase, options.wholeWord);
  const std::int64_t position =
      SearchText(text, search, start, options.matchCase, options.wholeWord);
  return {position, position == 0 ? 0 : static_cast<std::int64_t>(search.size())};
}

}  // namespace

std::int64_t CursorStartPosition(std::int64_t selectionStart, std::int64_t selectionLength) {
  return selectionStart + 1 + (selectionLength > 0 ? 1 : 0);
}

std::string FindTextFromSelection(std::string selected) {
  StringReplaceAll(selected, "\t", "\\t");
  StringReplaceAll(selected, "\r\n", "\\n");
  return selected;
}

std::optional<std::string> TextInEncoding(std::string_view text, TTextEncoding encoding) {
  if (IsUtf8(encoding)) return std::string(text);
  std::size_t lost = 0;
  std::string bytes = utf8::ToWindows1252(text, &lost);
  if (lost > 0) return std::nullopt;
  return bytes;
}

std::optional<TTextRange> FindNextOccurrence(std::string_view text, std::string_view search,
                                             std::int64_t start, TSearchOptions options) {
  return RangeOf(FirstMatch(text, search, start, options));
}

std::optional<TTextRange> FindNextOccurrence(TJoinedLines& text, std::string_view search,
                                             std::int64_t start, TSearchOptions options) {
  return RangeOf(FirstMatch(text, search, start, options));
}

std::int64_t CountOccurrences(TJoinedLines& text, std::string_view search, std::int64_t start,
                              TSearchOptions options) {
  if (IsUtf8(options.encoding))
    return CountUtf8Text(text, search, start, options.matchCase, options.wholeWord);
  return CountText(text, search, start, options.matchCase, options.wholeWord);
}

TFindResult TallyFind(std::optional<TTextRange> selection, std::string_view search,
                      int& foundCounter) {
  TFindResult result;
  result.selection = selection;
  if (selection) {
    ++foundCounter;
    return result;
  }
  result.notice =
      foundCounter != 0 ? NoMoreOccurrencesNotice(foundCounter, search) : NotFoundNotice(search);
  foundCounter = 0;
  return result;
}

TFindResult FindAndTally(std::string_view text, std::string_view search, std::int64_t start,
                         TSearchOptions options, int& foundCounter) {
  return TallyFind(FindNextOccurrence(text, search, start, options), search, foundCounter);
}

TFindResult FindAndTally(TJoinedLines& text, std::string_view search, std::int64_t start,
                         TSearchOptions options, int& foundCounter) {
  return TallyFind(FindNextOccurrence(text, search, start, options), search, foundCounter);
}

TReplaceAllResult ReplaceAllFrom(std::string_view text, std::string_view search,
                                 std::string_view replacement, std::int64_t start,
                                 TSearchOptions options) {
  TReplaceAllResult result;
  result.occurrence = FirstMatch(text, search, start, options).position;
  if (result.occurrence == 0) return result;
  // The rest of the text is replaced as a string of its own, so the byte
  // before the occurrence plays no part in the whole-word test.
  const auto replaced = IsUtf8(options.encoding) ? ReplacedUtf8Text : ReplacedText;
  result.replacedTail = replaced(text.substr(result.occurrence - 1), search, replacement, 1, 0,
                                 options.matchCase, options.wholeWord, result.count);
  result.caretIndex = start;
  return result;
}

TReplaceStep StepForAnswer(TReplaceAnswer answer, TTextRange occurrence,
                           std::int64_t replacementLength) {
  TReplaceStep step;
  switch (answer) {
    case TReplaceAnswer::Yes:
      step.replaceSelection = true;
      step.caretIndex = occurrence.start + replacementLength;
      break;
    case TReplaceAnswer::No:
      step.caretIndex = occurrence.start + occurrence.length;
      break;
    case TReplaceAnswer::NoToAll:
      step.caretIndex = occurrence.start;
      return step;
    case TReplaceAnswer::YesToAll:
    case TReplaceAnswer::Dismissed:
      return step;
  }
  // The next pass starts just after the inserted or skipped text.
  step.nextStart = *step.caretIndex + 1;
  return step;
}

TSearchNotice NotFoundNotice(std::string_view search) {
  return {"The following text string was not found.\r\n\r\n" + Quoted(search), "Phrase Not Found"};
}

TSearchNotice NoMoreOccurrencesNotice(int foundCounter, std::string_view search) {
  return {"No more occurrences found.\r\n\r\nThe following text string was found " +
              std::to_string(foundCounter) + " times.\r\n\r\n" + Quoted(search),
          "Search Result"};
}

TSearchNotice CountNotice(std::int64_t count, std::string_view search) {
  return {"The following string was found in the text " + std::to_string(count) +
              " times.\r\n\r\n" + Quoted(search),
          "String Count Result"};
}

TSearchNotice ReplacedNotice(std::int64_t count, std::string_view search) {
  return {"The following text string was replaced " + std::to_string(count) + " times.\r\n\r\n" +
              Quoted(search),
          "Search Result"};
}

TSearchNotice UnencodableReplacementNotice(std::string_view replacement) {
  return {
      "The replace text holds characters that Windows-1252 cannot store, so nothing was "
      "replaced.\r\n\r\n" +
          Quoted(replacement),
      "Search Result"};
}

std::string ConfirmReplaceText(std::string_view search, std::string_view replacement) {
  return "Do you want to replace the selected text: \r\n" + Quoted(search) +
         "\r\n\r\nWith the following string of text:\r\n" + Quoted(replacement);
}
