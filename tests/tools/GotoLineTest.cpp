#include <gtest/gtest.h>

#include "tools/GotoLine.h"

TEST(InitialJumpTexts, ShowsTheCaretAndTheDocumentSize) {
  const TJumpDialogTexts empty = InitialJumpTexts(0, 0, 1, 0);
  EXPECT_EQ(empty.lineMaxLabel, "/ 0");
  EXPECT_EQ(empty.charMaxLabel, "/ 0");
  EXPECT_EQ(empty.lineEdit, "1");
  EXPECT_EQ(empty.charEdit, "0");
  EXPECT_EQ(empty.percentEdit, "0");

  const TJumpDialogTexts texts = InitialJumpTexts(7, 120, 5, 64);
  EXPECT_EQ(texts.lineMaxLabel, "/ 7");
  EXPECT_EQ(texts.charMaxLabel, "/ 120");
  EXPECT_EQ(texts.charEdit, "64");
  EXPECT_EQ(texts.percentEdit, "71") << "500 / 7 truncated";
}

TEST(ReadJumpValue, AcceptsSignedDecimalsOnly) {
  EXPECT_EQ(ReadJumpValue("42"), 42);
  EXPECT_EQ(ReadJumpValue("+42"), 42);
  EXPECT_EQ(ReadJumpValue("-7"), -7);
  for (const char* bad : {"", "+", "-", "abc", "4a", " 4", "1+2", "+-3", "--3", "0x10",
                          "2147483648", "99999999999999999999"})
    EXPECT_EQ(ReadJumpValue(bad), 0) << bad;
  EXPECT_EQ(ReadJumpValue("-2147483648"), -2147483648LL);
}

TEST(SeekTarget, ReadsTheCheckedBox) {
  EXPECT_FALSE(SeekTarget(std::nullopt, "5", 10)) << "no radio button checked";

  auto target = SeekTarget(TJumpBox::Line, "12", 10);
  ASSERT_TRUE(target);
  EXPECT_EQ(target->kind, TJumpTarget::TKind::CaretLine);
  EXPECT_EQ(target->value, 12) << "out-of-range lines go to the editor as they are";

  target = SeekTarget(TJumpBox::Character, "x", 10);
  EXPECT_EQ(target->kind, TJumpTarget::TKind::SelectionStart);
  EXPECT_EQ(target->value, 0);

  target = SeekTarget(TJumpBox::Percent, "50", 7);
  EXPECT_EQ(target->kind, TJumpTarget::TKind::CaretLine);
  EXPECT_EQ(target->value, 3);
  EXPECT_EQ(SeekTarget(TJumpBox::Percent, "2147483647", 3000000)->value,
            2147483647LL * 3000000 / 100)
      << "no overflow";
}

TEST(SeekEnabled, FollowsTheChangedBox) {
  EXPECT_TRUE(SeekEnabled("12"));
  EXPECT_TRUE(SeekEnabled("+-"));
  EXPECT_FALSE(SeekEnabled(""));
  EXPECT_FALSE(SeekEnabled("12a"));
  EXPECT_FALSE(SeekEnabled(" 1"));
}

TEST(SteppedBoxText, PlusAndMinusStepAndOtherKeysPass) {
  EXPECT_EQ(SteppedBoxText("abc", '+'), "1");
  EXPECT_EQ(SteppedBoxText("", '-'), "-1");
  EXPECT_EQ(SteppedBoxText("41", '+'), "42");
  EXPECT_EQ(SteppedBoxText("2147483647", '+'), "2147483647") << "saturates";
  EXPECT_FALSE(SteppedBoxText("41", '5'));
}

TEST(BoxAfterKey, ArrowsCycleThroughTheBoxes) {
  constexpr int kUp = 0x26, kDown = 0x28;
  EXPECT_EQ(BoxAfterKey(TJumpBox::Line, kDown), TJumpBox::Character);
  EXPECT_EQ(BoxAfterKey(TJumpBox::Character, kDown), TJumpBox::Percent);
  EXPECT_EQ(BoxAfterKey(TJumpBox::Percent, kDown), TJumpBox::Line);
  EXPECT_EQ(BoxAfterKey(TJumpBox::Line, kUp), TJumpBox::Percent);
  EXPECT_EQ(BoxAfterKey(TJumpBox::Character, kUp), TJumpBox::Line);
  EXPECT_EQ(BoxAfterKey(TJumpBox::Percent, kUp), TJumpBox::Character);
  EXPECT_FALSE(BoxAfterKey(TJumpBox::Line, 0x0D));
}
