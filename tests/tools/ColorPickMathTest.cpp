#include <gtest/gtest.h>

#include "tools/ColorPickMath.h"

namespace {

TEST(ColorPickMath, SwapRBExchangesRedAndBlueAndDropsTheTopByte) {
  EXPECT_EQ(SwapRB(0x123456), 0x563412u);
  EXPECT_EQ(SwapRB(0x1FFFFFFF), 0xFFFFFFu);
  EXPECT_EQ(SwapRB(SwapRB(0xABCDEF)), 0xABCDEFu);
}

TEST(ColorPickMath, BlendTruncatesTowardZeroPerChannel) {
  TColor a = MakeColor(10, 0, 255);
  TColor b = MakeColor(0, 10, 0);
  EXPECT_EQ(BlendColors(a, b, 0), a);
  EXPECT_EQ(BlendColors(a, b, 255), b);
  // 10 - 1280/255 = 10 - 5 (not 10 - 6), 0 + 1280/255 = 5, 255 - 128 = 127
  EXPECT_EQ(BlendColors(a, b, 128), MakeColor(5, 5, 127));
  EXPECT_EQ(BlendColors(MakeColor(255, 255, 255), 0, 1), MakeColor(254, 254, 254));
  EXPECT_EQ(BlendColors(0xFF000000, 0xFF000000, 100), 0u) << "the top byte is 0";
}

TEST(ColorPickMath, GradientRunsThroughTheHuesAndFadesToTheBase) {
  const TColor base = MakeColor(10, 20, 30);
  EXPECT_EQ(GradientPixel(0, 0, kGradientHeight, base), MakeColor(255, 0, 0));
  EXPECT_EQ(GradientPixel(34, 0, kGradientHeight, base), MakeColor(255, 247, 0));
  EXPECT_EQ(GradientPixel(35, 0, kGradientHeight, base), MakeColor(255, 255, 0));
  EXPECT_EQ(GradientPixel(70, 0, kGradientHeight, base), MakeColor(0, 255, 0));
  EXPECT_EQ(GradientPixel(175, 0, kGradientHeight, base), MakeColor(255, 0, 255));
  EXPECT_EQ(GradientPixel(209, 0, kGradientHeight, base), MakeColor(255, 0, 8));
  for (int x : {0, 35, 100, 209})
    EXPECT_EQ(GradientPixel(x, kGradientHeight - 1, kGradientHeight, base), base) << x;
  // Row 89 of 179 fades by 89 * 255 / 178 = 127.
  EXPECT_EQ(GradientPixel(0, 89, kGradientHeight, 0), MakeColor(128, 0, 0));

  std::vector<TColor> pixels = GradientPixels(base);
  ASSERT_EQ(pixels.size(), static_cast<std::size_t>(kGradientWidth * kGradientHeight));
  EXPECT_EQ(pixels[35], MakeColor(255, 255, 0));
  EXPECT_EQ(pixels[kGradientWidth * 89], BlendColors(0x0000FF, base, 127));
  EXPECT_EQ(pixels.back(), base);
}

TEST(ColorPickMath, BlendStripDividesByItsWidth) {
  const TColor a = 0;
  const TColor b = 0xFFFFFF;
  std::vector<TColor> columns = BlendStripColumns(a, b, kBlendWidth);
  ASSERT_EQ(columns.size(), static_cast<std::size_t>(kBlendWidth));
  EXPECT_EQ(columns.front(), a);
  EXPECT_EQ(columns.back(), MakeColor(254, 254, 254)) << "376 * 255 / 377, never quite B";
  EXPECT_EQ(columns[188], MakeColor(127, 127, 127));
  EXPECT_EQ(BlendStripColor(MakeColor(200, 0, 0), MakeColor(100, 0, 0), 100, kBlendWidth),
            MakeColor(174, 0, 0))
      << "f = 67, 200 - 6700 / 255";
}

}  // namespace
