#include <gtest/gtest.h>

#include <random>

#include "EditorTestSupport.h"
#include "MemoryClipboard.h"

TEST(EditorUndo, GroupUndoMergesRunsOfTheSameKind) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "");
  Type(edit, "abc");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "");
  EXPECT_FALSE(edit.CanUndo());
  Exec(edit, ecRedo);
  EXPECT_EQ(edit.Text(), "abc");
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{4, 1}));

  edit.SetText("");
  Type(edit, "abc");
  Exec(edit, ecLineBreak);
  Type(edit, "def");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "abc\r\n");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "abc");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "");
  Exec(edit, ecRedo);
  Exec(edit, ecRedo);
  Exec(edit, ecRedo);
  EXPECT_EQ(edit.Text(), "abc\r\ndef");
}

TEST(EditorUndo, WithoutGroupUndoEachActionIsOneStep) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "");
  edit.SetOptions(edit.Options() & ~OptionBit(eoGroupUndo));
  Type(edit, "ab");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "a");
}

TEST(EditorUndo, ModifiedFollowsTheSavedState) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "");
  std::vector<TScribStatusChanges> reports;
  edit.OnStatusChange = [&](TCustomScribEdit&, TScribStatusChanges changes) {
    reports.push_back(changes);
  };
  EXPECT_FALSE(edit.Modified());
  Type(edit, "ab");
  EXPECT_TRUE(edit.Modified());
  edit.SetModified(false);
  Type(edit, "x");
  EXPECT_TRUE(edit.Modified());
  Exec(edit, ecUndo);
  EXPECT_FALSE(edit.Modified()) << "the group break keeps x apart from the saved text";
  EXPECT_EQ(edit.Text(), "ab");
  Exec(edit, ecUndo);
  EXPECT_TRUE(edit.Modified());
  EXPECT_EQ(edit.Text(), "");
  Exec(edit, ecRedo);
  EXPECT_FALSE(edit.Modified());
  Exec(edit, ecRedo);
  EXPECT_TRUE(edit.Modified());
  bool reportedModified = false;
  for (auto changes : reports) reportedModified |= (changes & stModified) != 0;
  EXPECT_TRUE(reportedModified);
}

TEST(EditorUndo, NewChangeClearsRedoAndReadOnlyBlocksUndo) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "");
  Type(edit, "ab");
  Exec(edit, ecUndo);
  EXPECT_TRUE(edit.CanRedo());
  Type(edit, "c");
  EXPECT_FALSE(edit.CanRedo());
  edit.SetReadOnly(true);
  EXPECT_FALSE(edit.CanUndo());
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "c");
}

TEST(EditorUndo, LimitedUndoNeverClaimsTheSavedState) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "");
  edit.SetOptions(edit.Options() & ~OptionBit(eoGroupUndo));
  edit.SetMaxUndo(2);
  Type(edit, "abc");
  Exec(edit, ecUndo);
  Exec(edit, ecUndo);
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "a") << "only the last two changes can be undone";
  EXPECT_TRUE(edit.Modified()) << "the first change is still there";
}

TEST(EditorUndo, MaxUndoZeroRecordsNothingButStillMarksModified) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abc");
  edit.SetMaxUndo(0);
  Type(edit, "x");
  EXPECT_EQ(edit.Text(), "xabc");
  EXPECT_TRUE(edit.Modified());
  EXPECT_FALSE(edit.CanUndo());
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "xabc");
  edit.SetModified(false);
  Exec(edit, ecDeleteChar);
  EXPECT_TRUE(edit.Modified());
}

TEST(EditorUndo, OnChangeFiresOncePerAction) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abc\r\ndef");
  int changes = 0;
  edit.OnChange = [&](TCustomScribEdit&) { ++changes; };
  edit.SelectAll();
  edit.SetSelText("one\r\ntwo");
  EXPECT_EQ(changes, 1);
  Exec(edit, ecLineBreak);
  EXPECT_EQ(changes, 2);
}

TEST(EditorUndo, ClearAllAndTextResetUndoAndBookmarks) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abc\r\ndef");
  Type(edit, "x");
  edit.SetBookMark(1, {1, 2});
  Exec(edit, ecClearAll);
  EXPECT_EQ(edit.Text(), "");
  EXPECT_FALSE(edit.CanUndo());
  EXPECT_FALSE(edit.Modified());
  TBufferCoord mark;
  EXPECT_FALSE(edit.GetBookMark(1, mark));
  Type(edit, "y");
  edit.SetText("new");
  EXPECT_FALSE(edit.CanUndo());
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{1, 1}));
}

TEST(EditorUndo, CaretAndSelectionRecordsSwapBackAndForth) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abcdef\r\nghi");
  edit.SetCaretXY({5, 1});
  edit.UndoList().AddChange(urCaret, {2, 2}, {2, 2}, "", smNormal);
  edit.SetCaretXY({1, 1});
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{2, 2}));
  Exec(edit, ecRedo);
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{1, 1})) << "redo returns to where undo left from";

  edit.UndoList().AddChange(urSelection, {2, 1}, {4, 1}, "", smNormal);
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.SelText(), "bc");
  EXPECT_EQ(edit.CaretXY(), (TBufferCoord{4, 1}));
}

namespace {

// One random edit through the editor's public operations.
void RandomEdit(TCustomScribEdit& edit, std::mt19937& random, MemoryClipboard& clipboard) {
  const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const int lines = std::max(1, edit.Lines().Count());
  const TBufferCoord a{1 + pick(12), 1 + pick(lines + 1)};
  const TBufferCoord b{1 + pick(12), 1 + pick(lines + 1)};
  static const TScribSelectionMode modes[] = {smNormal, smNormal, smLine, smColumn};
  edit.SetSelectionMode(modes[pick(4)]);
  edit.SetCaretAndSelection(b, a, b);
  static const TScribEditorCommand commands[] = {ecDeleteLastChar,
                                                 ecDeleteChar,
                                                 ecLineBreak,
                                                 ecInsertLine,
                                                 ecTab,
                                                 ecShiftTab,
                                                 ecDeleteWord,
                                                 ecDeleteLastWord,
                                                 ecDeleteBOL,
                                                 ecDeleteEOL,
                                                 ecDeleteLine,
                                                 ecBlockIndent,
                                                 ecBlockUnindent,
                                                 ecUpperCase,
                                                 ecToggleCaseBlock,
                                                 ecCut,
                                                 ecPaste,
                                                 ecCopy};
  static const char* texts[] = {"x", "\r\n", "ab\ncd", "\t q\r\rz", ""};
  switch (pick(4)) {
    case 0:
      edit.SetSelText(texts[pick(5)]);
      break;
    case 1:
      Exec(edit, ecChar, static_cast<char>('a' + pick(26)));
      break;
    case 2:
      if (pick(2)) Exec(edit, ecToggleMode);
      Exec(edit, ecChar, ' ');
      break;
    default:
      if (pick(5) == 0) clipboard.SetText("ext\r\nlines");
      Exec(edit, commands[pick(static_cast<int>(std::size(commands)))]);
  }
}

// The text joined from the lines one by one.
std::string NaiveText(const TCustomScribEdit& edit) {
  std::string text;
  for (int line = 0; line < edit.Lines().Count(); ++line)
    text.append(line > 0 ? "\r\n" : "").append(edit.Lines().Get(line));
  return text;
}

// The character index of a position, counted line by line.
std::int64_t NaiveCharIndex(const TCustomScribEdit& edit, TBufferCoord position) {
  std::int64_t index = 0;
  for (int line = 1; line < position.Line; ++line) index += edit.Lines().Get(line - 1).size() + 2;
  const auto length = static_cast<int>(edit.Lines().Get(position.Line - 1).size());
  return index + std::min(position.Char - 1, length);
}

}  // namespace

TEST(EditorUndo, RandomEditsUndoToTheOriginalAndRedoToTheFinalBytes) {
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    std::mt19937 random(seed);
    MemoryClipboard clipboard;
    TCustomScribEdit edit;
    edit.SetClipboard(&clipboard);
    // Blocks of a few lines and bytes in groups of a few blocks, so that edits
    // split, merge and cross both.
    edit.Lines().SetOptions({.blocks = {.blockLines = 2 + static_cast<int>(seed % 3),
                                        .blockBytes = 4 + seed % 20,
                                        .groupBlocks = 1 + static_cast<int>(seed % 2)}});
    SetUpLikeMainWindow(edit, "int main()\r\n{\r\n\tif (a) {\r\n    b = 1;\r\n\t}\r\n}\r\n");
    edit.Lines().Add("");
    const std::string original = edit.Text();
    edit.SetMaxUndo(100000);
    edit.SetOptions(edit.Options() & ~OptionBit(eoGroupUndo));
    for (int step = 0; step < 60; ++step) {
      const std::string before = edit.Text();
      const int records = edit.UndoList().ItemCount();
      RandomEdit(edit, random, clipboard);
      ASSERT_EQ(edit.TextLength(), static_cast<std::int64_t>(edit.Text().size()));
      ASSERT_EQ(edit.Text(), NaiveText(edit));
      ASSERT_EQ(edit.SelStart(),
                NaiveCharIndex(edit, edit.SelAvail() ? edit.BlockBegin() : edit.CaretXY()));
      if (records == edit.UndoList().ItemCount()) continue;  // nothing was recorded
      // Every single action undoes and redoes exactly.
      const std::string after = edit.Text();
      Exec(edit, ecUndo);
      ASSERT_EQ(edit.Text(), before) << "seed " << seed << " step " << step;
      Exec(edit, ecRedo);
      ASSERT_EQ(edit.Text(), after) << "seed " << seed << " step " << step;
    }
    const std::string final = edit.Text();
    while (edit.CanUndo()) Exec(edit, ecUndo);
    ASSERT_EQ(edit.Text(), original) << "seed " << seed;
    EXPECT_FALSE(edit.Modified()) << "seed " << seed;
    while (edit.CanRedo()) Exec(edit, ecRedo);
    ASSERT_EQ(edit.Text(), final) << "seed " << seed;
    // Grouping merges steps but must reach the same bytes.
    edit.SetOptions(edit.Options() | OptionBit(eoGroupUndo));
    while (edit.CanUndo()) Exec(edit, ecUndo);
    ASSERT_EQ(edit.Text(), original) << "grouped, seed " << seed;
    while (edit.CanRedo()) Exec(edit, ecRedo);
    ASSERT_EQ(edit.Text(), final) << "grouped, seed " << seed;
  }
}

TEST(EditorUndo, AnExceptionInsideATransactionLeavesTheEditorUsable) {
  TCustomScribEdit edit;
  SetUpLikeMainWindow(edit, "abc");
  int reports = 0;
  edit.OnStatusChange = [&](TCustomScribEdit&, TScribStatusChanges) { ++reports; };
  EXPECT_THROW(
      {
        const TCustomScribEdit::Transaction transaction(edit);
        edit.SelectAll();
        edit.SetSelText("X");
        edit.SetSelText("Y");
        throw std::runtime_error("failed half-way");
      },
      std::runtime_error);
  EXPECT_EQ(edit.PaintLock(), 0);
  EXPECT_GT(reports, 0) << "the unwound transaction still reports its changes";

  // Later edits are undo steps of their own again.
  Exec(edit, ecLineBreak);
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "XY");
  Exec(edit, ecUndo);
  EXPECT_EQ(edit.Text(), "abc") << "the transaction's changes undo as one step";
  reports = 0;
  Type(edit, "z");
  EXPECT_GT(reports, 0) << "status changes are reported at once";
}
