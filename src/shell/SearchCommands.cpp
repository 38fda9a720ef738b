#include "shell/SearchCommands.h"

#include "editor/CustomScribEdit.h"
#include "platform/Dialogs.h"
#include "tools/JoinedLines.h"
#include "tools/SearchText.h"

namespace {

// The document as one text without copying it; valid until the next edit.
TJoinedLines JoinedLinesOf(const TCustomScribEdit& editor) {
  const TScribEditStringList& lines = editor.Lines();
  return TJoinedLines(lines.Count(), [&lines](std::int64_t lineIndex) -> std::string_view {
    return lines.Get(static_cast<int>(lineIndex));
  });
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
void ReplaceRest(TCustomScribEdit& editor, TSearchState& state, std::int64_t start) {
  const TReplaceAllResult all =
      ReplaceAllFrom(editor.Text(), state.FindString, state.ReplaceString, start, state.options);
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
  TFindResult result;
  {
    TJoinedLines text = JoinedLinesOf(editor);
    result = FindAndTally(text, state.FindString, start, state.options, state.foundCounter);
  }
  if (result.selection)
    Select(editor, *result.selection);
  else
    ShowNotice(dialogs, result.notice);
}

void DoReplace(TCustomScribEdit& editor, TSearchState& state, Dialogs& dialogs,
               std::int64_t start) {
  for (;;) {
    std::optional<TTextRange> occurrence;
    {
      TJoinedLines text = JoinedLinesOf(editor);
      occurrence = FindNextOccurrence(text, state.FindString, start, state.options);
    }
    if (!occurrence) {
      ShowNotice(dialogs, NotFoundNotice(state.FindString));
      return;
    }
    Select(editor, *occurrence);
    const TReplaceAnswer answer = AskToReplace(dialogs, state);
    if (answer == TReplaceAnswer::YesToAll) {
      ReplaceRest(editor, state, start);
      return;
    }
    const TReplaceStep step =
        StepForAnswer(answer, *occurrence, static_cast<std::int64_t>(state.ReplaceString.size()));
    if (step.replaceSelection) {
      editor.SetSelText(state.ReplaceString);
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
  std::int64_t count = 0;
  {
    TJoinedLines text = JoinedLinesOf(editor);
    count =
        CountText(text, state.FindString, start, state.options.matchCase, state.options.wholeWord);
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
  if (editor.SelAvail()) seed.findText = FindTextFromSelection(editor.SelText());
  seed.fromCursor = editor.SelStart() != 0;
  return seed;
}
