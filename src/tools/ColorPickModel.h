// The state behind the colour picker dialog (TFormColorPick): every swatch's
// colour, the edit texts, the gradient base, the hover texts and the two
// cross-hair markers. The Qt dialog forwards each event to the handler of the
// same name here and then shows what changed; it draws nothing this class has
// not computed.
//
// Edits: when the dialog writes HexText() or ChannelText() into its edits it
// must not report that as a user change (the updating flag of SetNewColor
// covers the change handlers here, signals there are the dialog's business).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/Canvas.h"
#include "platform/Registry.h"
#include "tools/ColorPickMath.h"
#include "tools/CustomColors.h"

// Every coloured panel of the dialog; the sixteen user colours follow swUser0.
enum TSwatch : int {
  swOldColor,
  swNewColor,
  swRed,
  swGreen,
  swBlue,
  swBlendA,
  swBlendB,
  swBlendHover,
  swBlendHalfColor,
  swGradientPanel,  // the panels around the two images: drag sources only
  swBlendPanel,
  swUser0,
  swCount = swUser0 + 16
};

// How many characters the hex and channel edits take.
inline constexpr int kHexEditMaxLength = 7;
inline constexpr int kChannelEditMaxLength = 3;

enum class TPickImage { Gradient = 0, Blend = 1 };
enum class TChannel { Red = 0, Green = 1, Blue = 2 };

struct TPickPoint {
  int x = -15;
  int y = -15;
  bool operator==(const TPickPoint&) const = default;
};

// Where a cross-hair was (to erase it with XOR) and where it is now.
struct TMarkerMove {
  TPickPoint erase;
  TPickPoint draw;
};

class TColorPickModel {
 public:
  // FormCreate: user colours from the store, gradient base black.
  explicit TColorPickModel(const Registry& store);

  // FormShow: old and new colour, blend ends, the hover panels for the strip's centre.
  void FormShow(TColor initial);
  // FormCloseQuery, on OK and Cancel alike: the user colours go back to the store.
  void FormCloseQuery(Registry& store) const;
  TColor NewColor() const { return Color(swNewColor); }

  TColor Color(TSwatch swatch) const { return swatches_[swatch]; }
  TCustomColors UserColors() const;
  TColor GradientBase() const { return gradientBase_; }
  const std::string& HexText() const { return hexText_; }
  const std::string& ChannelText(TChannel channel) const;
  // The hex edit's font: blue while the text is not 7 characters, else red.
  TColor HexFontColor() const;
  const std::string& HoverHexText() const { return hoverHex_; }
  const std::string& HoverPctText() const { return hoverPct_; }

  // Mode 0: swatches and start, 1: gradient, 2: channel edits, 3: hex edit.
  void SetNewColor(int mode, TColor colour);

  // The colour under a point of an image (clamped to the image).
  TColor ImagePixel(TPickImage image, int x, int y) const;
  // Gradient_MouseMove with a button held (and Gradient_DblClick).
  TMarkerMove PointerOnImage(TPickImage image, int x, int y);
  // After the dialog repainted an image its marker is gone.
  void ImageRepainted(TPickImage image) { markers_[static_cast<int>(image)] = TPickPoint{}; }
  // Gradient_MouseDown with the left button: the image's panel takes the
  // colour under the pointer; the drag then starts from that panel.
  TSwatch BeginImageDrag(TPickImage image, int x, int y);

  // Swatch drops; each returns true when the blend strip must be redrawn.
  bool Panels_DragDrop(TSwatch target, TSwatch source);
  void Panels_DblClick(TSwatch swatch) { SetNewColor(0, Color(swatch)); }
  void Color_Img_DragDrop(TSwatch source);         // on the gradient: new base
  void Blend_Img_DragDrop(TSwatch source, int x);  // on the strip: nearer end

  // Key filters: the key to let through (possibly changed), or nothing.
  static std::optional<char> Hex_Edit_KeyPress(char key, bool ctrlHeld);
  void Hex_Edit_Change(const std::string& text);
  std::optional<char> RGB_Edit_KeyPress(TChannel channel, char key, bool shiftHeld);
  void RGB_Edit_Change(TChannel channel, const std::string& text);
  void RGB_Edit_Exit(TChannel channel);

 private:
  void RedrawBlend();
  void ChannelsChanged();

  std::array<TColor, swCount> swatches_{};
  TColor gradientBase_ = 0;
  bool updating_ = false;
  std::string hexText_;
  std::array<std::string, 3> channelTexts_;
  std::string hoverHex_ = "n/a";
  std::string hoverPct_ = "n/a";
  std::array<TPickPoint, 2> markers_{};
};
