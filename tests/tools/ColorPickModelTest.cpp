#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "desktop/FileRegistry.h"
#include "tools/ColorPickCode.h"
#include "tools/ColorPickModel.h"

namespace {

constexpr char kBackspace = 8;

class ColorPickModelTest : public ::testing::Test {
 protected:
  std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                 ("scribant-pick-" + std::to_string(std::random_device{}()));
  TFileRegistry store{TFileRegistry::StoreFileIn(folder)};

  void TearDown() override { std::filesystem::remove_all(folder); }
  void StoreUserColors(const std::vector<std::uint8_t>& bytes) {
    store.CreateKey(TRegistryRoot::CurrentUser, kCustomColorsKey);
    store.WriteBinary(TRegistryRoot::CurrentUser, kCustomColorsKey, kCustomColorsValue, bytes);
  }
};

TEST_F(ColorPickModelTest, ShowingFillsEveryPanelFromTheInitialColour) {
  TColorPickModel model(store);
  TColor initial = MakeColor(0xFF, 0x80, 0x00);
  model.FormShow(initial);
  EXPECT_EQ(model.Color(swOldColor), initial);
  EXPECT_EQ(model.NewColor(), initial);
  EXPECT_EQ(model.HexText(), "FF8000");
  EXPECT_EQ(model.ChannelText(TChannel::Red), "255");
  EXPECT_EQ(model.ChannelText(TChannel::Green), "128");
  EXPECT_EQ(model.ChannelText(TChannel::Blue), "0");
  EXPECT_EQ(model.Color(swGreen), MakeColor(0, 0x80, 0));
  EXPECT_EQ(model.Color(swBlendB), MakeColor(0x00, 0x7F, 0xFF));
  EXPECT_EQ(model.Color(swBlendHalfColor), BlendColors(initial, model.Color(swBlendB), 127));
  EXPECT_EQ(model.HoverPctText(), "Percentage: 50.000%");
  EXPECT_EQ(model.Color(swBlendHover), BlendColors(initial, model.Color(swBlendB), 127));
  EXPECT_EQ(model.HoverHexText(), "Hex Code: #" + ColorCodeText("", model.Color(swBlendHover)));
}

TEST_F(ColorPickModelTest, EachModeLeavesItsOwnEditAlone) {
  TColorPickModel model(store);
  model.FormShow(0);
  model.Hex_Edit_Change("0080f");
  EXPECT_EQ(model.NewColor(), MakeColor(0x00, 0x08, 0x0F));
  EXPECT_EQ(model.HexText(), "0080f") << "the hex edit keeps what was typed";
  EXPECT_EQ(model.ChannelText(TChannel::Blue), "15");
  model.RGB_Edit_Change(TChannel::Red, "");
  EXPECT_EQ(model.ChannelText(TChannel::Red), "") << "the channel edit keeps what was typed";
  EXPECT_EQ(model.NewColor(), MakeColor(0, 8, 15));
  EXPECT_EQ(model.HexText(), "00080F");
  model.RGB_Edit_Exit(TChannel::Red);
  EXPECT_EQ(model.ChannelText(TChannel::Red), "0");
  model.PointerOnImage(TPickImage::Gradient, 35, 0);
  EXPECT_EQ(model.HexText(), "FFFF00");
  EXPECT_EQ(model.ChannelText(TChannel::Green), "255");
}

TEST_F(ColorPickModelTest, HexEditFiltersKeysAndIgnoresUnreadableText) {
  EXPECT_EQ(TColorPickModel::Hex_Edit_KeyPress('a', false), 'A');
  EXPECT_EQ(TColorPickModel::Hex_Edit_KeyPress('F', false), 'F');
  EXPECT_EQ(TColorPickModel::Hex_Edit_KeyPress('9', false), '9');
  EXPECT_EQ(TColorPickModel::Hex_Edit_KeyPress(kBackspace, false), kBackspace);
  EXPECT_EQ(TColorPickModel::Hex_Edit_KeyPress('g', false), std::nullopt);
  EXPECT_EQ(TColorPickModel::Hex_Edit_KeyPress('#', false), std::nullopt);
  EXPECT_EQ(TColorPickModel::Hex_Edit_KeyPress('v', true), 'v') << "Ctrl+V and friends pass";

  TColorPickModel model(store);
  model.FormShow(MakeColor(1, 2, 3));
  for (const char* text : {"", "xyz", "12 34"}) {
    model.Hex_Edit_Change(text);
    EXPECT_EQ(model.NewColor(), MakeColor(1, 2, 3)) << text;
  }
  model.Hex_Edit_Change("ABCDEF");
  EXPECT_EQ(model.HexFontColor(), 0xFF0000u) << "blue while not 7 characters";
  model.Hex_Edit_Change("ABCDEF0");
  EXPECT_EQ(model.HexFontColor(), 0x0000FFu);
  EXPECT_EQ(model.NewColor(), MakeColor(0xBC, 0xDE, 0xF0));
}

TEST_F(ColorPickModelTest, ChannelStepsWrapAndValuesNeverSpill) {
  TColorPickModel model(store);
  model.FormShow(MakeColor(255, 0, 250));
  EXPECT_EQ(model.RGB_Edit_KeyPress(TChannel::Red, '+', false), std::nullopt);
  EXPECT_EQ(model.ChannelText(TChannel::Red), "0");
  model.RGB_Edit_KeyPress(TChannel::Green, '-', false);
  EXPECT_EQ(model.ChannelText(TChannel::Green), "255");
  model.RGB_Edit_KeyPress(TChannel::Blue, '+', true);
  EXPECT_EQ(model.ChannelText(TChannel::Blue), "0") << "250 + 8 wraps";
  EXPECT_EQ(model.NewColor(), MakeColor(0, 255, 0));
  EXPECT_EQ(model.HexText(), "00FF00");
  model.RGB_Edit_Change(TChannel::Blue, "5");
  model.RGB_Edit_KeyPress(TChannel::Blue, '-', true);
  EXPECT_EQ(model.ChannelText(TChannel::Blue), "255") << "5 - 8 wraps";

  model.RGB_Edit_Change(TChannel::Red, "");
  EXPECT_EQ(model.RGB_Edit_KeyPress(TChannel::Red, '+', false), std::nullopt);
  EXPECT_EQ(model.ChannelText(TChannel::Red), "") << "an empty box is not stepped";
  EXPECT_EQ(model.RGB_Edit_KeyPress(TChannel::Red, '7', false), '7');
  EXPECT_EQ(model.RGB_Edit_KeyPress(TChannel::Red, kBackspace, false), kBackspace);
  EXPECT_EQ(model.RGB_Edit_KeyPress(TChannel::Red, 'a', false), std::nullopt);

  model.RGB_Edit_Change(TChannel::Red, "999");
  EXPECT_EQ(model.NewColor(), MakeColor(255, 255, 255)) << "999 is kept to 255";
}

TEST_F(ColorPickModelTest, DragAndDropMovesColoursBetweenSwatchesAndImages) {
  TColorPickModel model(store);
  model.FormShow(0);
  EXPECT_EQ(model.BeginImageDrag(TPickImage::Gradient, 0, 0), swGradientPanel);
  EXPECT_EQ(model.Color(swGradientPanel), MakeColor(255, 0, 0));
  EXPECT_FALSE(model.Panels_DragDrop(TSwatch(swUser0 + 3), swGradientPanel));
  EXPECT_EQ(model.UserColors()[3], MakeColor(255, 0, 0));

  EXPECT_FALSE(model.Panels_DragDrop(swNewColor, TSwatch(swUser0 + 3)));
  EXPECT_EQ(model.HexText(), "FF0000");
  EXPECT_TRUE(model.Panels_DragDrop(swBlendA, swNewColor));
  EXPECT_EQ(model.Color(swBlendHalfColor), BlendColors(MakeColor(255, 0, 0), 0xFFFFFF, 127));

  model.Blend_Img_DragDrop(swOldColor, 188);  // 188 * 100 / 377 = 49: the left end
  EXPECT_EQ(model.Color(swBlendA), 0u);
  model.Blend_Img_DragDrop(swNewColor, 189);  // 50: the right end
  EXPECT_EQ(model.Color(swBlendB), MakeColor(255, 0, 0));

  model.Color_Img_DragDrop(swBlendB);
  EXPECT_EQ(model.GradientBase(), MakeColor(255, 0, 0));
  EXPECT_EQ(model.ImagePixel(TPickImage::Gradient, 100, kGradientHeight - 1), MakeColor(255, 0, 0));
  EXPECT_EQ(model.ImagePixel(TPickImage::Gradient, 5000, -30),
            model.ImagePixel(TPickImage::Gradient, kGradientWidth - 1, 0))
      << "points outside are clamped";

  model.Panels_DblClick(swBlendHalfColor);
  EXPECT_EQ(model.NewColor(), model.Color(swBlendHalfColor));
}

TEST_F(ColorPickModelTest, MarkersEraseTheirLastPositionUntilTheImageIsRepainted) {
  TColorPickModel model(store);
  model.FormShow(0);  // leaves the blend marker at the strip's centre
  TMarkerMove move = model.PointerOnImage(TPickImage::Blend, 10, 5);
  EXPECT_EQ(move.erase, (TPickPoint{kBlendWidth / 2, kBlendHeight / 2}));
  EXPECT_EQ(move.draw, (TPickPoint{10, 5}));
  EXPECT_EQ(model.PointerOnImage(TPickImage::Gradient, 3, 4).erase, TPickPoint{});
  model.ImageRepainted(TPickImage::Blend);
  EXPECT_EQ(model.PointerOnImage(TPickImage::Blend, 1, 1).erase, (TPickPoint{-15, -15}));
  EXPECT_EQ(model.PointerOnImage(TPickImage::Gradient, 0, 0).erase, (TPickPoint{3, 4}));
}

TEST_F(ColorPickModelTest, UserColoursComeFromTheStoreAndGoBackOnClose) {
  std::vector<std::uint8_t> bytes(64, 0);
  bytes[0] = 0x11;
  bytes[61] = 0x22;  // colour 15, green byte
  StoreUserColors(bytes);
  TColorPickModel model(store);
  EXPECT_EQ(model.UserColors()[0], 0x11u);
  EXPECT_EQ(model.UserColors()[15], 0x2200u);
  model.FormShow(MakeColor(1, 2, 3));
  model.Panels_DragDrop(TSwatch(swUser0 + 15), swOldColor);
  model.FormCloseQuery(store);
  TCustomColors saved{};
  LoadCustomColors(store, saved);
  EXPECT_EQ(saved[0], 0x11u);
  EXPECT_EQ(saved[15], MakeColor(1, 2, 3));
}

TEST_F(ColorPickModelTest, AMissingOrMisshapenStoreValueChangesNoColour) {
  TCustomColors colours;
  colours.fill(0xABCDEF);
  LoadCustomColors(store, colours);
  EXPECT_EQ(colours[7], 0xABCDEFu);
  StoreUserColors(std::vector<std::uint8_t>(63, 1));
  LoadCustomColors(store, colours);
  EXPECT_EQ(colours[0], 0xABCDEFu);
  StoreUserColors(std::vector<std::uint8_t>(65, 1));
  LoadCustomColors(store, colours);
  EXPECT_EQ(colours[15], 0xABCDEFu);
  EXPECT_TRUE(SaveCustomColors(store, colours));
  TCustomColors back{};
  LoadCustomColors(store, back);
  EXPECT_EQ(back, colours);
}

}  // namespace
