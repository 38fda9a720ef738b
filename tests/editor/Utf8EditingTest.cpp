// Editing UTF-8 text: whatever the commands, the caret and the selection lie
// on character boundaries and the text stays UTF-8.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "EditorTestSupport.h"
#include "MemoryClipboard.h"
#include "highlight/ScribHighlighterOrvane.h"
#include "support/Utf8.h"

namespace {

const std::string kPieces[] = {
    "ab",        " ",    "\t",  "\xC3\xA9", "\xE4\xB8\xAD\xE6\x96\x87", "\xF0\x9F\x98\x80",
    "e\xCC\x81", "\r\n", "x_1", "."};

// A caret stop of the line: not inside a character, nor between a letter and
// its combining mark. Positions past the line end are fine.
bool OnBoundary(const TCustomScribEdit& edit, TBufferCoord at) {
  const std::string_view line = edit.Lines().Get(at.Line - 1);
  const auto offset = static_cast<std::size_t>(at.Char - 1);
  if (offset >= line.size()) return true;
  return utf8::PreviousCaretStop(line, utf8::NextCaretStop(line, offset)) == offset;
}

TEST(Utf8Editing, EveryCommandKeepsPositionsOnCharacterBoundariesAndTheTextUtf8) {
  const TScribEditorCommand commands[] = {
      ecLeft,        ecRight,          ecUp,         ecDown,           ecWordLeft,  ecWordRight,
      ecLineStart,   ecLineEnd,        ecSelLeft,    ecSelRight,       ecSelUp,     ecSelDown,
      ecSelWordLeft, ecSelWordRight,   ecColSelLeft, ecColSelRight,    ecColSelUp,  ecColSelDown,
      ecDeleteChar,  ecDeleteLastChar, ecDeleteWord, ecDeleteLastWord, ecLineBreak, ecTab,
      ecUpperCase,   ecLowerCase,      ecToggleCase, ecTitleCase,      ecPaste,     ecCut,
      ecUndo,        ecRedo,           ecToggleMode, ecSelectAll};
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    std::mt19937 random(seed);
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    std::string text;
    for (int i = 0; i < 30; ++i) text += kPieces[pick(std::size(kPieces))];
    MemoryClipboard clipboard;
    TCustomScribEdit edit;
    edit.SetClipboard(&clipboard);
    edit.Lines().SetOptions({.blocks = {.blockLines = 2, .blockBytes = 16}});
    edit.Lines().SetEncoding(TTextEncoding::Utf8);
    SetUpLikeMainWindow(edit, text);
    if (seed % 2 == 0) {
      edit.SetCharsInWindow(7);
      edit.SetWordWrap(true);
    }
    for (int step = 0; step < 300; ++step) {
      const std::string before = edit.Text();
      std::string done;
      switch (pick(5)) {
        case 0: {
          const std::string typed = kPieces[pick(std::size(kPieces))];
          Exec(edit, ecImeStr, '\0', &typed);
          done = "typed " + typed;
          break;
        }
        case 1: {
          const auto offset = static_cast<std::int64_t>(pick(edit.TextLength() + 1));
          edit.SetSelStart(offset);  // a host's offset may fall inside a character
          done = "offset " + std::to_string(offset);
          break;
        }
        case 2:
          clipboard.SetText(kPieces[pick(std::size(kPieces))]);
          [[fallthrough]];
        default: {
          const TScribEditorCommand command = commands[pick(std::size(commands))];
          Exec(edit, command);
          done = "command " + std::to_string(command);
        }
      }
      const std::string context = "seed " + std::to_string(seed) + " step " + std::to_string(step) +
                                  " " + done + " after " + testing::PrintToString(before);
      ASSERT_TRUE(utf8::IsValid(edit.Text())) << context;
      ASSERT_TRUE(OnBoundary(edit, edit.CaretXY())) << context;
      if (edit.SelAvail() && edit.ActiveSelectionMode() == smNormal) {
        ASSERT_TRUE(OnBoundary(edit, edit.BlockBegin())) << context;
        ASSERT_TRUE(OnBoundary(edit, edit.BlockEnd())) << context;
      }
    }
  }
}

TEST(Utf8Editing, ArrowsDeleteAndBackspaceTakeWholeCharactersButNotInLegacyText) {
  TCustomScribEdit edit;
  edit.Lines().SetEncoding(TTextEncoding::Utf8);
  SetUpLikeMainWindow(edit,
                      "a\xE4\xB8\xAD"
                      "e\xCC\x81z");
  Exec(edit, ecRight);
  Exec(edit, ecRight);
  EXPECT_EQ(edit.CaretX(), 5) << "over the three bytes of a wide character";
  EXPECT_EQ(edit.DisplayX(), 4) << "which takes two columns";
  Exec(edit, ecDeleteChar);
  EXPECT_EQ(edit.Text(), "a\xE4\xB8\xADz") << "a letter goes with its accent";
  Exec(edit, ecDeleteLastChar);
  EXPECT_EQ(edit.Text(), "az");
  edit.Lines().SetEncoding(TTextEncoding::Windows1252);
  edit.SetText("a\xC3\xA9");
  edit.SetCaretXY({4, 1});
  Exec(edit, ecDeleteLastChar);
  EXPECT_EQ(edit.Text(), "a\xC3") << "a byte is a character there";
}

TEST(Utf8Editing, CaseCommandsMapCharactersAndPlacePositionsBeforeTheSameCharacters) {
  TCustomScribEdit edit;
  edit.Lines().SetEncoding(TTextEncoding::Utf8);
  // Dotless i upper-cases from two bytes to one; e acute keeps its two.
  SetUpLikeMainWindow(edit, "ab \xC4\xB1x\xC4\xB1\xC3\xA9 cd\r\n\xC4\xB1\xC4\xB1z");
  edit.SetCaretXY({7, 1});  // after "ab \xC4\xB1x"
  Exec(edit, ecUpperCase);
  EXPECT_EQ(edit.Lines().Get(0), "ab IXI\xC3\x89 cd") << "the word at the caret";
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{6, 1})) << "still after the X";

  edit.SetCaretAndSelection({5, 2}, {4, 1}, {5, 2});  // from the first I to the middle of line 2
  Exec(edit, ecTitleCase);
  EXPECT_EQ(edit.Text(), "ab Ixi\xC3\xA9 Cd\r\nI\xC4\xB1z");
  EXPECT_EQ(edit.SelText(), "Ixi\xC3\xA9 Cd\r\nI\xC4\xB1") << "the selection covers the change";
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{4, 2}));

  edit.SetSelectionMode(smColumn);
  edit.SetCaretAndSelection({4, 2}, {1, 1}, {4, 2});  // two columns of both lines
  Exec(edit, ecUpperCaseBlock);
  EXPECT_EQ(edit.Text(), "AB Ixi\xC3\xA9 Cd\r\nIIz");
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{3, 2})) << "column 3 again";
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "ab Ixi\xC3\xA9 Cd\r\nI\xC4\xB1z") << "one undo step";
}

TEST(Utf8Editing, WordWrapKeepsWideCharactersWholeOnTheirRow) {
  TCustomScribEdit edit;
  edit.Lines().SetEncoding(TTextEncoding::Utf8);
  SetUpLikeMainWindow(edit, "a\xE4\xB8\xAD\xE4\xB8\xAD\xE4\xB8\xAD\xE4\xB8\xAD\xE4\xB8\xAD");
  edit.SetCharsInWindow(4);
  edit.SetWordWrap(true);
  for (int charIndex = 2; charIndex <= 14; charIndex += 3) {
    const TDisplayCoord at = edit.BufferToDisplayPos({charIndex, 1});
    EXPECT_LE(at.Column + 1, 4) << "the wide character at byte " << charIndex << " fits its row";
  }
  EXPECT_EQ(edit.BufferToDisplayPos({14, 1}).Row, 3) << "rows of a and one, two, two wide ones";
}

}  // namespace

TEST(Utf8Editing, TheHighlighterFollowsTheDocumentsEncoding) {
  TCustomScribEdit edit;
  TScribOrvane highlighter;
  edit.Lines().LoadFromBytes("caf\xC3\xA9");
  edit.SetHighlighter(&highlighter);
  EXPECT_TRUE(highlighter.Utf8Text());
  edit.Lines().LoadFromBytes("caf\xE9");
  EXPECT_FALSE(highlighter.Utf8Text()) << "a legacy file loaded into the same editor";
  edit.SetHighlighter(nullptr);
}
