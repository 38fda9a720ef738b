#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "editor/CustomScribEdit.h"
#include "shell/SearchCommands.h"

namespace {

const std::string kNotFoundCaption = "Phrase Not Found";
const std::string kResultCaption = "Search Result";

class SearchCommandsTest : public ::testing::Test {
 protected:
  void Load(const std::string& text) {
    editor.SetOptions(OptionBit(eoScrollPastEol) | OptionBit(eoGroupUndo));
    editor.SetText(text);
    editor.SetCaretXY({1, 1});
  }
  // As from the find window: a new text resets the found counter.
  void Search(const std::string& findString) {
    if (findString != state.FindString) state.foundCounter = 0;
    state.FindString = findString;
    FindNext_Cmd(editor, state, dialogs);
  }
  void Answer(std::initializer_list<TMsgResult> answers) {
    dialogs.messageAnswers.assign(answers.begin(), answers.end());
  }
  void Replace(const std::string& findString, const std::string& replaceString,
               std::int64_t start = 1) {
    state.FindString = findString;
    state.ReplaceString = replaceString;
    ReplaceAndReport(editor, state, dialogs, start);
  }
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const ShownMessage& message : dialogs.messages) captions.push_back(message.caption);
    return captions;
  }

  TCustomScribEdit editor;
  TSearchState state;
  FakeDialogs dialogs;
};

TEST_F(SearchCommandsTest, FindNextNeverWrapsAndReportsTheCountThenNotFound) {
  Load("cat dog\r\ncat");
  Search("cat");
  EXPECT_EQ(editor.SelStart(), 0);
  EXPECT_EQ(editor.SelLength(), 3);
  FindNext_Cmd(editor, state, dialogs);
  EXPECT_EQ(editor.SelStart(), 9);
  EXPECT_EQ(state.foundCounter, 2);
  EXPECT_TRUE(dialogs.messages.empty());

  FindNext_Cmd(editor, state, dialogs);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "No more occurrences found.\r\n\r\nThe following text string was found 2 "
            "times.\r\n\r\n\"cat\"");
  EXPECT_EQ(dialogs.messages[0].caption, kResultCaption);
  EXPECT_EQ(dialogs.messages[0].icon, TMsgIcon::Information);
  EXPECT_EQ(dialogs.messages[0].buttons, TMsgButtons::Ok);
  EXPECT_EQ(editor.SelStart(), 9) << "a failed search leaves the selection";
  EXPECT_EQ(editor.SelLength(), 3);
  EXPECT_EQ(state.foundCounter, 0);

  FindNext_Cmd(editor, state, dialogs);
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].text, "The following text string was not found.\r\n\r\n\"cat\"");
  EXPECT_EQ(dialogs.messages[1].caption, kNotFoundCaption);
  EXPECT_EQ(editor.SelStart(), 9);
}

TEST_F(SearchCommandsTest, OverlappingOccurrencesAreFoundOneAfterAnother) {
  Load("aaaa");
  Search("aa");
  std::vector<std::int64_t> starts{editor.SelStart()};
  for (int i = 0; i < 2; ++i) {
    FindNext_Cmd(editor, state, dialogs);
    starts.push_back(editor.SelStart());
  }
  EXPECT_EQ(starts, (std::vector<std::int64_t>{0, 1, 2}));
  EXPECT_TRUE(dialogs.messages.empty());
  ShowCount(editor, state, dialogs, 1);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "The following string was found in the text 3 times.\r\n\r\n\"aa\"");
  EXPECT_EQ(dialogs.messages[0].caption, "String Count Result");
  EXPECT_EQ(editor.SelStart(), 2) << "Count leaves the selection";
  EXPECT_EQ(state.foundCounter, 3) << "Count leaves the found counter";
}

TEST_F(SearchCommandsTest, WholeWordTakesDigitsAndUnderscoreAsBoundaries) {
  Load("cats bobcat\r\ncat_1 x.cat9\r\ncat\xE9");
  state.options.wholeWord = true;
  Search("cat");
  EXPECT_EQ(editor.SelStart(), 13);
  FindNext_Cmd(editor, state, dialogs);
  EXPECT_EQ(editor.SelStart(), 21);
  FindNext_Cmd(editor, state, dialogs);
  ASSERT_EQ(dialogs.messages.size(), 1u) << "an accented letter blocks the last one";
  EXPECT_EQ(dialogs.messages[0].caption, kResultCaption);
}

TEST_F(SearchCommandsTest, CaseInsensitiveSearchSelectsTheDocumentsOwnLetters) {
  Load("x Hello HELLO \xE9t\xC9");
  Search("hello");
  EXPECT_EQ(editor.SelText(), "Hello");
  FindNext_Cmd(editor, state, dialogs);
  EXPECT_EQ(editor.SelText(), "HELLO");
  Search("\xC9T\xE9");
  EXPECT_EQ(editor.SelText(), "\xE9t\xC9") << "accented letters fold through the code page";

  state.options.matchCase = true;
  editor.SetSelStart(0);
  Search("hello");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].caption, kNotFoundCaption);
}

TEST_F(SearchCommandsTest, SearchesAcrossLineBreaksAndForAnEmptyStringFindsNothing) {
  Load("ab\r\ncd");
  Search("b\r\nc");
  EXPECT_EQ(editor.SelStart(), 1);
  EXPECT_EQ(editor.SelText(), "b\r\nc");
  Search("");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "The following text string was not found.\r\n\r\n\"\"");
}

TEST_F(SearchCommandsTest, FindNextIsEnabledByANonEmptySearchString) {
  EXPECT_FALSE(FindNextEnabled(state));
  state.FindString = "x";
  EXPECT_TRUE(FindNextEnabled(state));
}

TEST_F(SearchCommandsTest, YesToEachOccurrenceStopsAfterTheLastOriginalOne) {
  Load("a-a\r\nb");
  Answer({TMsgResult::Yes, TMsgResult::Yes});
  Replace("a", "aa");
  EXPECT_EQ(editor.Text(), "aa-aa\r\nb");
  ASSERT_EQ(dialogs.messages.size(), 4u);
  EXPECT_EQ(dialogs.messages[0].text,
            "Do you want to replace the selected text: \r\n\"a\"\r\n\r\nWith the following string "
            "of text:\r\n\"aa\"");
  EXPECT_EQ(dialogs.messages[0].buttons, TMsgButtons::YesNoNoToAllYesToAll);
  EXPECT_EQ(dialogs.messages[2].caption, kNotFoundCaption);
  EXPECT_EQ(dialogs.messages[3].text,
            "The following text string was replaced 2 times.\r\n\r\n\"a\"");
  EXPECT_EQ(dialogs.messages[3].caption, kResultCaption);
  EXPECT_EQ(state.replacedCounter, 0);
}

TEST_F(SearchCommandsTest, NoSkipsAnOccurrenceAndNoToAllEndsAtTheNextOne) {
  Load("one two one two one");
  Answer({TMsgResult::No, TMsgResult::Yes, TMsgResult::NoToAll});
  Replace("one", "1");
  EXPECT_EQ(editor.Text(), "one two 1 two one");
  EXPECT_EQ(editor.SelStart(), 14) << "the caret goes to the start of the declined occurrence";
  EXPECT_EQ(editor.SelLength(), 0);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Confirm", "Confirm", "Confirm", kResultCaption}))
      << "No to All ends without the not-found box";
}

TEST_F(SearchCommandsTest, NoLeavesTheCaretAfterTheOccurrenceAndReportsNothingReplaced) {
  Load("ab ab");
  Answer({TMsgResult::No, TMsgResult::No});
  Replace("ab", "x");
  EXPECT_EQ(editor.Text(), "ab ab");
  EXPECT_EQ(editor.SelStart(), 5);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Confirm", "Confirm", kNotFoundCaption}));
}

TEST_F(SearchCommandsTest, DismissingTheQuestionEndsWithTheOccurrenceSelected) {
  Load("x ab ab");
  Answer({TMsgResult::Cancel});
  Replace("ab", "x");
  EXPECT_EQ(editor.Text(), "x ab ab");
  EXPECT_EQ(editor.SelStart(), 2);
  EXPECT_EQ(editor.SelLength(), 2);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(SearchCommandsTest, YesToAllReplacesTheRestAsOneUndoStepWithAsciiWordRules) {
  const std::string original = "cat dog\r\ncat cat\xE9 cats";
  Load(original);
  state.options.wholeWord = true;
  Answer({TMsgResult::No, TMsgResult::YesToAll});
  Replace("cat", "dog", 1);
  EXPECT_EQ(editor.Text(), "cat dog\r\ndog dog\xE9 cats")
      << "0xE9 blocks Find's whole-word test but not Yes to All's";
  EXPECT_EQ(editor.SelStart(), 4) << "the caret goes to the pass's start taken as an index";
  EXPECT_EQ(editor.SelLength(), 0);
  ASSERT_EQ(dialogs.messages.size(), 3u);
  EXPECT_EQ(dialogs.messages[2].text,
            "The following text string was replaced 2 times.\r\n\r\n\"cat\"");
  editor.Undo();
  EXPECT_EQ(editor.Text(), original);
}

TEST_F(SearchCommandsTest, YesToAllFromTheFirstOccurrenceWithEmptyReplacementDeletes) {
  Load("xaXbxc\r\nxx");
  Answer({TMsgResult::YesToAll});
  Replace("x", "");
  EXPECT_EQ(editor.Text(), "abc\r\n");
  EXPECT_EQ(dialogs.messages.back().text,
            "The following text string was replaced 5 times.\r\n\r\n\"x\"");
}

TEST_F(SearchCommandsTest, ReplacementWithLineBreaksContinuesAfterTheInsertedText) {
  Load("a;b;c");
  Answer({TMsgResult::Yes, TMsgResult::No, TMsgResult::Yes});
  Replace(";", "\r\n");
  // There are two occurrences: the third answer is never asked for.
  EXPECT_EQ(editor.Text(), "a\r\nb;c");
  EXPECT_EQ(editor.SelStart(), 5);
  EXPECT_EQ(Captions(),
            (std::vector<std::string>{"Confirm", "Confirm", kNotFoundCaption, kResultCaption}));
}

TEST_F(SearchCommandsTest, ReplaceWithNothingToFindShowsOnlyNotFound) {
  Load("abc");
  Replace("z", "y");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].caption, kNotFoundCaption);
}

TEST_F(SearchCommandsTest, CountFromTheCursorAfterTheLastOccurrenceReportsZero) {
  Load("ab ab x");
  state.FindString = "ab";
  editor.SetSelStart(5);
  ShowCount(editor, state, dialogs, EditorCursorStart(editor));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "The following string was found in the text 0 times.\r\n\r\n\"ab\"");
}

TEST_F(SearchCommandsTest, FindDialogSeedEscapesTheSelectionAndPicksTheOrigin) {
  Load("a\tb\r\nc\\d\r\nrest");
  EXPECT_FALSE(FindDialogSeed(editor).findText);
  EXPECT_FALSE(FindDialogSeed(editor).fromCursor);
  editor.SetSelStart(0);
  editor.SetSelLength(8);
  TFindDialogSeed seed = FindDialogSeed(editor);
  EXPECT_EQ(seed.findText, "a\\tb\\nc\\d") << "backslashes are not doubled";
  EXPECT_FALSE(seed.fromCursor) << "a selection at the very start searches from the start";
  editor.SetSelStart(2);
  editor.SetSelLength(1);
  seed = FindDialogSeed(editor);
  EXPECT_EQ(seed.findText, "b");
  EXPECT_TRUE(seed.fromCursor);
}

}  // namespace

TEST_F(SearchCommandsTest, Utf8DocumentFoldsUnicodeLettersAndReplacesAllInOneStep) {
  editor.Lines().SetEncoding(TTextEncoding::Utf8);
  const std::string original = "caf\xC3\xA9 CAF\xC3\x89 \xE2\x84\xAA=k \xD0\x96\xD0\xB6";
  Load(original);
  Search("CAF\xC3\x89");
  EXPECT_EQ(editor.SelText(), "caf\xC3\xA9");
  FindNext_Cmd(editor, state, dialogs);
  EXPECT_EQ(editor.SelText(), "CAF\xC3\x89");
  Search("k");
  EXPECT_EQ(editor.SelText(), "\xE2\x84\xAA") << "the Kelvin sign, three bytes for one";
  editor.SetSelStart(0);
  state.FindString = "\xD0\xB6";
  ShowCount(editor, state, dialogs, 1);
  EXPECT_EQ(dialogs.messages.back().text,
            "The following string was found in the text 2 times.\r\n\r\n\"\xD0\xB6\"");

  Answer({TMsgResult::YesToAll});
  Replace("K", "q", 1);
  EXPECT_EQ(editor.Text(), "caf\xC3\xA9 CAF\xC3\x89 q=q \xD0\x96\xD0\xB6");
  editor.Undo();
  EXPECT_EQ(editor.Text(), original);
}

TEST_F(SearchCommandsTest, LegacyDocumentTakesTheTextsInItsCodePage) {
  Load("caf\xE9 x");
  Search("\xC3\xA9");
  EXPECT_EQ(editor.SelText(), "\xE9");
  EXPECT_EQ(FindDialogSeed(editor).findText, "\xC3\xA9") << "the find box shows UTF-8";

  Search("caf\xE4\xB8\xAD");
  ASSERT_EQ(dialogs.messages.size(), 1u) << "a character the code page lacks is never found";
  EXPECT_EQ(dialogs.messages[0].caption, kNotFoundCaption);

  Answer({TMsgResult::YesToAll});
  Replace("x", "\xE4\xB8\xAD");
  EXPECT_EQ(editor.Text(), "caf\xE9 x") << "nothing turns into a question mark";
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].caption, kResultCaption);
}

TEST_F(SearchCommandsTest, Utf8FindOfALoneCombiningMarkSelectsOnlyAMarkWithoutALetter) {
  editor.Lines().SetEncoding(TTextEncoding::Utf8);
  Load("ae\xCC\x81 x\r\n\xCC\x81y");
  Search("\xCC\x81");
  EXPECT_EQ(editor.SelStart(), 8) << "not the mark of a letter";
  EXPECT_EQ(editor.SelText(), "\xCC\x81");
}
