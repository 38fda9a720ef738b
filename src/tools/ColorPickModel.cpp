#include "tools/ColorPickModel.h"

#include <algorithm>
#include <cstdio>

#include "tools/ColorPickCode.h"

namespace {

constexpr char kBackspace = 8;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kRed = 0x0000FF;

bool IsDecimalDigit(char c) {
  return c >= '0' && c <= '9';
}

// Channel text as a number; empty is 0 and values are kept to 0..255 so a
// channel never spills into its neighbour.
int ChannelValue(const std::string& text) {
  int value = 0;
  for (char c : text) {
    if (!IsDecimalDigit(c)) return 0;
    value = std::min(value * 10 + (c - '0'), 255);
  }
  return value;
}

}  // namespace

TColorPickModel::TColorPickModel(const Registry& store) {
  TCustomColors user{};
  LoadCustomColors(store, user);
  std::copy(user.begin(), user.end(), swatches_.begin() + swUser0);
}

TCustomColors TColorPickModel::UserColors() const {
  TCustomColors user{};
  std::copy(swatches_.begin() + swUser0, swatches_.end(), user.begin());
  return user;
}

void TColorPickModel::FormShow(TColor initial) {
  swatches_[swOldColor] = initial;
  SetNewColor(0, initial);
  swatches_[swBlendA] = initial;
  swatches_[swBlendB] = initial ^ kWhite;
  RedrawBlend();
  PointerOnImage(TPickImage::Blend, kBlendWidth / 2, kBlendHeight / 2);
}

void TColorPickModel::FormCloseQuery(Registry& store) const {
  SaveCustomColors(store, UserColors());
}

const std::string& TColorPickModel::ChannelText(TChannel channel) const {
  return channelTexts_[static_cast<int>(channel)];
}

TColor TColorPickModel::HexFontColor() const {
  return hexText_.size() == 7 ? kRed : kBlue;
}

void TColorPickModel::SetNewColor(int mode, TColor colour) {
  swatches_[swNewColor] = colour;
  updating_ = true;
  swatches_[swRed] = MakeColor(RedOf(colour), 0, 0);
  swatches_[swGreen] = MakeColor(0, GreenOf(colour), 0);
  swatches_[swBlue] = MakeColor(0, 0, BlueOf(colour));
  if (mode != 2) {
    channelTexts_ = {std::to_string(RedOf(colour)), std::to_string(GreenOf(colour)),
                     std::to_string(BlueOf(colour))};
  }
  if (mode != 3) hexText_ = ColorCodeText("", colour);
  updating_ = false;
}

TColor TColorPickModel::ImagePixel(TPickImage image, int x, int y) const {
  if (image == TPickImage::Gradient) {
    return GradientPixel(std::clamp(x, 0, kGradientWidth - 1),
                         std::clamp(y, 0, kGradientHeight - 1), kGradientHeight, gradientBase_);
  }
  return BlendStripColor(Color(swBlendA), Color(swBlendB), std::clamp(x, 0, kBlendWidth - 1),
                         kBlendWidth);
}

TMarkerMove TColorPickModel::PointerOnImage(TPickImage image, int x, int y) {
  TColor colour = ImagePixel(image, x, y);
  if (image == TPickImage::Gradient) {
    SetNewColor(1, colour);
  } else {
    swatches_[swBlendHover] = colour;
    char text[64];
    std::snprintf(text, sizeof text, "Percentage: %.3f%%",
                  static_cast<double>(std::clamp(x, 0, kBlendWidth - 1)) / (kBlendWidth - 1) * 100);
    hoverPct_ = text;
    hoverHex_ = "Hex Code: #" + ColorCodeText("", colour);
  }
  TPickPoint& marker = markers_[static_cast<int>(image)];
  TMarkerMove move{marker, {x, y}};
  marker = {x, y};
  return move;
}

TSwatch TColorPickModel::BeginImageDrag(TPickImage image, int x, int y) {
  TSwatch panel = image == TPickImage::Gradient ? swGradientPanel : swBlendPanel;
  swatches_[panel] = ImagePixel(image, x, y);
  return panel;
}

bool TColorPickModel::Panels_DragDrop(TSwatch target, TSwatch source) {
  swatches_[target] = Color(source);
  if (target == swNewColor) SetNewColor(0, Color(source));
  if (target != swBlendA && target != swBlendB) return false;
  RedrawBlend();
  return true;
}

void TColorPickModel::Color_Img_DragDrop(TSwatch source) {
  gradientBase_ = Color(source);
  ImageRepainted(TPickImage::Gradient);
}

void TColorPickModel::Blend_Img_DragDrop(TSwatch source, int x) {
  swatches_[x * 100 / kBlendWidth >= 50 ? swBlendB : swBlendA] = Color(source);
  RedrawBlend();
}

void TColorPickModel::RedrawBlend() {
  swatches_[swBlendHalfColor] = BlendColors(Color(swBlendA), Color(swBlendB), 127);
  ImageRepainted(TPickImage::Blend);
}

std::optional<char> TColorPickModel::Hex_Edit_KeyPress(char key, bool ctrlHeld) {
  if (ctrlHeld || key == kBackspace || IsDecimalDigit(key) || (key >= 'A' && key <= 'F'))
    return key;
  if (key >= 'a' && key <= 'f') return static_cast<char>(key - 32);
  return std::nullopt;
}

void TColorPickModel::Hex_Edit_Change(const std::string& text) {
  hexText_ = text;
  if (updating_ || text.empty()) return;
  // Pasted text may hold anything; only a readable code changes the colour.
  if (std::optional<std::uint32_t> value = ReadHexNumber(text)) SetNewColor(3, SwapRB(*value));
}

std::optional<char> TColorPickModel::RGB_Edit_KeyPress(TChannel channel, char key, bool shiftHeld) {
  std::string& text = channelTexts_[static_cast<int>(channel)];
  if ((key == '+' || key == '-') && !text.empty()) {
    int step = shiftHeld ? 8 : 1;
    int value = ChannelValue(text) + (key == '+' ? step : -step);
    if (value > 255) value = 0;
    if (value < 0) value = 255;
    text = std::to_string(value);
    ChannelsChanged();
  }
  if (key == kBackspace || IsDecimalDigit(key)) return key;
  return std::nullopt;
}

void TColorPickModel::RGB_Edit_Change(TChannel channel, const std::string& text) {
  channelTexts_[static_cast<int>(channel)] = text;
  ChannelsChanged();
}

void TColorPickModel::RGB_Edit_Exit(TChannel channel) {
  if (!ChannelText(channel).empty()) return;
  RGB_Edit_Change(channel, "0");
}

void TColorPickModel::ChannelsChanged() {
  if (updating_) return;
  SetNewColor(2, MakeColor(ChannelValue(channelTexts_[0]), ChannelValue(channelTexts_[1]),
                           ChannelValue(channelTexts_[2])));
}
