// The logic of the find and replace commands below the dialogs and the
// editor: where a search starts, what one Find selects or reports, what Yes
// to All turns the rest of the document into, and the texts of every notice.
// Positions in the text are 1-based; character indices (selection start) are
// 0-based. Nothing here wraps around the end of the text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "support/TextEncoding.h"

class TJoinedLines;

struct TSearchOptions {
  bool matchCase = false;
  bool wholeWord = false;
  // The document's, taken afresh for each search: in UTF-8 the search
  // compares characters (see SearchUtf8Text), else bytes (SearchText).
  TTextEncoding encoding = TTextEncoding::Windows1252;
};

// The find and replace texts are kept as typed, in UTF-8; a search takes them
// in the document's encoding. None when the document's encoding lacks one of
// their characters (such a find text is never found). Bytes that are not
// UTF-8 are taken as they are.
std::optional<std::string> TextInEncoding(std::string_view text, TTextEncoding encoding);

// A stretch of the whole text as the editor selects it.
struct TTextRange {
  std::int64_t start = 0;  // 0-based character index
  std::int64_t length = 0;
};

// A message box the caller shows with the information icon.
struct TSearchNotice {
  std::string text;
  std::string caption;
};

// Where a search "from the cursor" begins (1-based): at the caret, or at the
// selection's second character so overlapping occurrences are found one
// after another.
std::int64_t CursorStartPosition(std::int64_t selectionStart, std::int64_t selectionLength);

// The Find box's text for a selected text: TAB becomes "\t" and CR LF "\n";
// backslashes are not doubled and a lone CR or LF stays.
std::string FindTextFromSelection(std::string selected);

// The next accepted occurrence at or after `start`, as the selection to make.
std::optional<TTextRange> FindNextOccurrence(std::string_view text, std::string_view search,
                                             std::int64_t start, TSearchOptions options);
// The same over the document's lines, without joining them.
std::optional<TTextRange> FindNextOccurrence(TJoinedLines& text, std::string_view search,
                                             std::int64_t start, TSearchOptions options);

// How many accepted occurrences there are at or after `start`.
std::int64_t CountOccurrences(TJoinedLines& text, std::string_view search, std::int64_t start,
                              TSearchOptions options);

// One Find or Find Next: either the occurrence to select (the found counter
// grows) or the notice to show (the counter drops to 0 afterwards, and the
// selection is left alone).
struct TFindResult {
  std::optional<TTextRange> selection;
  TSearchNotice notice;  // empty when something was found
};
TFindResult TallyFind(std::optional<TTextRange> selection, std::string_view search,
                      int& foundCounter);
TFindResult FindAndTally(std::string_view text, std::string_view search, std::int64_t start,
                         TSearchOptions options, int& foundCounter);
TFindResult FindAndTally(TJoinedLines& text, std::string_view search, std::int64_t start,
                         TSearchOptions options, int& foundCounter);

// Yes to All in a pass that started at `start`: the occurrence Find's rule
// finds there, the rest of the text from it replaced by ReplaceText's rule,
// and where the caret goes afterwards.
struct TReplaceAllResult {
  std::int64_t occurrence = 0;  // 1-based; 0 when nothing is found (nothing changes)
  std::string replacedTail;     // replaces the text from `occurrence` to the end
  std::int64_t count = 0;
  std::int64_t caretIndex = 0;  // the pass's 1-based start taken as a 0-based index
};
TReplaceAllResult ReplaceAllFrom(std::string_view text, std::string_view search,
                                 std::string_view replacement, std::int64_t start,
                                 TSearchOptions options);

// The answers to the replace question; Dismissed is any other way of closing it.
enum class TReplaceAnswer { Yes, No, NoToAll, YesToAll, Dismissed };

// What one answered pass of a replace does, except Yes to All (ReplaceAllFrom).
struct TReplaceStep {
  bool replaceSelection = false;           // replace the selected occurrence first
  std::optional<std::int64_t> caretIndex;  // then move the caret here; none keeps the selection
  std::optional<std::int64_t> nextStart;   // start of the next pass; none ends the operation
};
TReplaceStep StepForAnswer(TReplaceAnswer answer, TTextRange occurrence,
                           std::int64_t replacementLength);

TSearchNotice NotFoundNotice(std::string_view search);
TSearchNotice NoMoreOccurrencesNotice(int foundCounter, std::string_view search);
TSearchNotice CountNotice(std::int64_t count, std::string_view search);
TSearchNotice ReplacedNotice(std::int64_t count, std::string_view search);
// A replace text the document's encoding cannot hold replaces nothing.
TSearchNotice UnencodableReplacementNotice(std::string_view replacement);
// Text of the Yes / No / No to All / Yes to All question before a replacement.
std::string ConfirmReplaceText(std::string_view search, std::string_view replacement);
