#include <gtest/gtest.h>

#include "shell/StatusTexts.h"

TEST(StatusTexts, PanelsShowCaretAndOffset) {
  EXPECT_EQ(LinePanelText(1), "Line: 1");
  EXPECT_EQ(ColumnPanelText(12), "Col: 12");
  EXPECT_EQ(PositionPanelText(0), "Pos: 0");
}

TEST(StatusTexts, SelectionInfoByLength) {
  EXPECT_EQ(SelectionInfoText(0, 0, 0, 1, "0x"), "\"0\" characters on \"1\" lines");
  EXPECT_EQ(SelectionInfoText(1, 'A', 0, 0, "0x"),
            "1 character selected: \"A\"  Dec: #65  Hex: 0x41  Bin: %01000001");
  EXPECT_EQ(SelectionInfoText(1, '\t', 0, 0, "0x"),
            "1 character selected: \"\t\"  Dec: #9  Hex: 0x9  Bin: %00001001");
  EXPECT_EQ(SelectionInfoText(1, 0xFF, 0, 0, "0x"),
            "1 character selected: \"\xFF\"  Dec: #255  Hex: 0xFF  Bin: %11111111");
  EXPECT_EQ(SelectionInfoText(2, 0, 0, 0, "0x"), "\"2\" characters selected");
}

TEST(StatusTexts, OneSelectedNulCharacterIsShownAsAByte) {
  const std::string text = SelectionInfoText(1, 0, 0, 0, "0x");
  EXPECT_EQ(text.substr(0, 24), std::string("1 character selected: \"\0", 24));
  EXPECT_NE(text.find("Dec: #0  Hex: 0x0  Bin: %00000000"), std::string::npos);
}
