#include "shell/SearchCommands.h"

#include "editor/CustomScribEdit.h"
#include "platform/Dialogs.h"
#include "support/Utf8.h"
#include "tools/JoinedLines.h"

namespace {

// The document as one text without copying it; valid until the next edit.
TJoinedLines JoinedLinesOf(const TCustomScribEdit& editor) {
  const TScribEditStringList& lines = editor.Lines();
  return TJoinedLines(lines.Count(), [&lines](std::int64_t lineIndex) -> std::string_view {
    return lines.Get(static_cast<int>(lineIndex));
  });
}

// What a search looks for in the editor's document: FindString in the
// document's encoding (none when the encoding cannot hold it), and the
// check boxes' options with that encoding.
struct TDocumentSearch {
  std::optional<std::string> text;
  TSearchOptions options;
};

TDocumentSearch SearchIn(const TCustomScribEdit& editor, const TSearchState& state) {
  TDocumentSearch search{std::nullopt, state.options};
  search.options.encoding = editor.Lines().Encoding();
  search.text = TextInEncoding(state.FindString, search.options.encoding);
  return search;
}

std::optional<TTextRange> NextOccurrence(const TCustomScribEdit& editor,
                                         const TDocumentSearch& search, std::int64_t start) {
  if (!search.text) return std::nullopt;
  TJoinedLines text = JoinedLinesOf(editor);
  return FindNextOccurrence(text, *search.text, start, search.options);
}

void ShowNotice(Dialogs& dialogs, const TSearchNotice& notice) {
  dialogs.MessageBox(notice.text, notice.caption, TMsgIcon::Information, TMsgButtons::Ok);
}

void Select(TCustomScribEdit& editor, TTextRange range) {
  editor.SetSelStart(range.start);
  editor.SetSelLength(range.length);
}

TReplaceAnswer AskToReplace(Dialogs& dialogs, const TSearchState& state) {
  switch (dialogs.MessageBox(ConfirmReplaceText(state.FindString, state.ReplaceString), "Confirm",
                             TMsgIcon::Question, TMsgButtons::YesNoNoToAllYesToAll)) {
    case TMsgResult::Yes:
      return TReplaceAnswer::Yes;
    case TMsgResult::No:
      return TReplaceAnswer::No;
    case TMsgResult::NoToAll:
      return TReplaceAnswer::NoToAll;
    case TMsgResult::YesToAll:
      return TReplaceAnswer::YesToAll;
    case TMsgResult::Ok:
    case TMsgResult::Cancel:
      break;
  }
  return TReplaceAnswer::Dismissed;
}

// Yes to All: the rest of the document from the occurrence found at `start`
// is replaced in one step (one undo block).
void ReplaceRest(TCustomScribEdit& editor, TSearchState& state, const TDocumentSearch& search,
                 std::string_view replacement, std::int64_t start) {
  const TReplaceAllResult all =
      ReplaceAllFrom(editor.Text(), *search.text, replacement, start, search.options);
  if (all.occurrence == 0) return;
  const TCustomScribEdit::Transaction edit(editor);
  // An unchanged tail would only cost an undo step and set the modified flag.
  if (all.count > 0) {
    editor.SetSelStart(all.occurrence - 1);
    editor.SetSelLength(editor.TextLength() - (all.occurrence - 1));
    editor.SetSelText(all.replacedTail);
    state.replacedCounter += all.count;
  }
  editor.SetSelStart(all.caretIndex);
}

}  // namespace

std::int64_t EditorCursorStart(const TCustomScribEdit& editor) {
  return CursorStartPosition(editor.SelStart(), editor.SelLength());
}

void DoSearch(TCustomScribEdit& editor, TSearchState& state, Dialogs& dialogs, std::int64_t start) {
  const TFindResult result = TallyFind(NextOccurrence(editor, SearchIn(editor, state), start),
                                       state.FindString, state.foundCounter);
  if (result.selection)
    Select(editor, *result.selection);
  else
    ShowNotice(dialogs, result.notice);
}

void DoReplace(TCustomScribEdit& editor, TSearchState& state, Dialogs& dialogs,
               std::int64_t start) {
  const std::optional<std::string> replacement =
      TextInEncoding(state.ReplaceString, editor.Lines().Encoding());
  if (!replacement) {
    ShowNotice(dialogs, UnencodableReplacementNotice(state.ReplaceString));
    return;
  }
  const TDocumentSearch search = SearchIn(editor, state);
  for (;;) {
    const std::optional<TTextRange> occurrence = NextOccurrence(editor, search, start);
    if (!occurrence) {
      ShowNotice(dialogs, NotFoundNotice(state.FindString));
      return;
    }
    Select(editor, *occurrence);
    const TReplaceAnswer answer = AskToReplace(dialogs, state);
    if (answer == TReplaceAnswer::YesToAll) {
      ReplaceRest(editor, state, search, *replacement, start);
      return;
    }
    const TReplaceStep step =
        StepForAnswer(answer, *occurrence, static_cast<std::int64_t>(replacement->size()));
    if (step.replaceSelection) {
      editor.SetSelText(*replacement);
      ++state.replacedCounter;
    }
    if (step.caretIndex) editor.SetSelStart(*step.caretIndex);
    if (!step.nextStart) return;
    start = *step.nextStart;
  }
}

void ReplaceAndReport(TCustomScribEdit& editor, TSearchState& state, Dialogs& dialogs,
                      std::int64_t start) {
  DoReplace(editor, state, dialogs, start);
  if (state.replacedCounter > 0) {
    ShowNotice(dialogs, ReplacedNotice(state.replacedCounter, state.FindString));
    state.replacedCounter = 0;
  }
}

void ShowCount(const TCustomScribEdit& editor, const TSearchState& state, Dialogs& dialogs,
               std::int64_t start) {
  const TDocumentSearch search = SearchIn(editor, state);
  std::int64_t count = 0;
  if (search.text) {
    TJoinedLines text = JoinedLinesOf(editor);
    count = CountOccurrences(text, *search.text, start, search.options);
  }
  ShowNotice(dialogs, CountNotice(count, state.FindString));
}

void FindNext_Cmd(TCustomScribEdit& editor, TSearchState& state, Dialogs& dialogs) {
  DoSearch(editor, state, dialogs, EditorCursorStart(editor));
}

bool FindNextEnabled(const TSearchState& state) {
  return !state.FindString.empty();
}

TFindDialogSeed FindDialogSeed(const TCustomScribEdit& editor) {
  TFindDialogSeed seed;
  // The find box holds UTF-8, whatever the document's encoding.
  if (editor.SelAvail()) {
    const std::string selected = editor.SelText();
    seed.findText = FindTextFromSelection(
        IsUtf8(editor.Lines().Encoding()) ? selected : utf8::FromWindows1252(selected));
  }
  seed.fromCursor = editor.SelStart() != 0;
  return seed;
}
