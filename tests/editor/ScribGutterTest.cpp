#include <gtest/gtest.h>

#include "editor/ScribGutter.h"

namespace {

// The main window's gutter: numbers shown, 3 digits, offsets 2 and 3.
TScribGutter MainWindowGutter() {
  TScribGutter gutter;
  gutter.SetShowLineNumbers(true);
  gutter.SetDigitCount(3);
  gutter.SetLeftOffset(2);
  gutter.SetRightOffset(3);
  gutter.SetWidth(60);
  return gutter;
}

TEST(ScribGutter, AutoSizeWidensAtTheThousandthLine) {
  TScribGutter gutter = MainWindowGutter();
  EXPECT_FALSE(gutter.UpdateAutoSizeDigitCount(999));
  EXPECT_EQ(gutter.AutoSizeDigitCount(), 3);
  EXPECT_EQ(gutter.RealWidth(8), 2 + 3 + 3 * 8 + 2);
  EXPECT_TRUE(gutter.UpdateAutoSizeDigitCount(1000));
  EXPECT_EQ(gutter.AutoSizeDigitCount(), 4);
  EXPECT_EQ(gutter.RealWidth(8), 2 + 3 + 4 * 8 + 2);
  EXPECT_FALSE(gutter.UpdateAutoSizeDigitCount(1000));
  EXPECT_TRUE(gutter.UpdateAutoSizeDigitCount(12));
  EXPECT_EQ(gutter.AutoSizeDigitCount(), 3);
}

TEST(ScribGutter, DigitCountFollowsNumberingStart) {
  TScribGutter gutter = MainWindowGutter();
  gutter.SetZeroStart(true);
  gutter.UpdateAutoSizeDigitCount(1000);  // numbers run 0..999
  EXPECT_EQ(gutter.AutoSizeDigitCount(), 3);
  gutter.SetZeroStart(false);  // numbers run 1..1000 again
  EXPECT_EQ(gutter.AutoSizeDigitCount(), 4);
  gutter.SetLineNumberStart(9001);
  gutter.UpdateAutoSizeDigitCount(1000);  // last number 10000
  EXPECT_EQ(gutter.AutoSizeDigitCount(), 5);
}

TEST(ScribGutter, WithoutAutoSizeTheDigitCountIsFixed) {
  TScribGutter gutter = MainWindowGutter();
  gutter.SetAutoSize(false);
  EXPECT_FALSE(gutter.UpdateAutoSizeDigitCount(123456));
  EXPECT_EQ(gutter.AutoSizeDigitCount(), 3);
  EXPECT_EQ(gutter.LineNumberText(123456), "123456");
}

TEST(ScribGutter, WidthFollowsVisibilityAndLineNumbers) {
  TScribGutter gutter = MainWindowGutter();
  gutter.SetShowLineNumbers(false);
  EXPECT_EQ(gutter.RealWidth(8), 60);
  gutter.SetVisible(false);
  EXPECT_EQ(gutter.RealWidth(8), 0);
  gutter.SetVisible(true);
  gutter.SetShowLineNumbers(true);
  EXPECT_EQ(gutter.NumberRight(10), gutter.RealWidth(10) - 3 - 2);
}

TEST(ScribGutter, LineNumberTexts) {
  TScribGutter gutter = MainWindowGutter();
  EXPECT_EQ(gutter.LineNumberText(7), "  7");
  gutter.SetLeadingZeros(true);
  EXPECT_EQ(gutter.LineNumberText(7), "007");
  gutter.SetZeroStart(true);
  EXPECT_EQ(gutter.LineNumberText(1), "000");
  gutter.SetZeroStart(false);
  gutter.SetLineNumberStart(-5);
  EXPECT_EQ(gutter.LineNumberText(1), "-05");
  gutter.SetLeadingZeros(false);
  EXPECT_EQ(gutter.LineNumberText(1), " -5");
}

TEST(ScribGutter, ChangesNotifyOnlyWhenTheValueChanges) {
  TScribGutter gutter;
  int changes = 0;
  gutter.OnChange = [&] { ++changes; };
  gutter.SetShowLineNumbers(true);
  gutter.SetShowLineNumbers(true);
  gutter.SetRightOffset(2);
  gutter.SetLeftOffset(3);
  EXPECT_EQ(changes, 2);
}

}  // namespace
