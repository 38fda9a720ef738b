// TFormColorPick, the "Pick Color Dialog": a hue gradient, a blend strip,
// sixteen user colours kept in the registry service, and hexadecimal and
// channel edits. Everything it shows comes from TColorPickModel; the form
// forwards each event to the model and then shows the model again.
#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "support/OvLib.h"
#include "tools/ColorPickModel.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QMimeData;
class QPushButton;
class TColorSwatch;
class TPickImageView;

class TFormColorPick : public QDialog {
  Q_OBJECT

 public:
  // `store` keeps the user colours: read here, written when the dialog closes.
  TFormColorPick(QWidget* owner, Registry& store);

  // Before showing.
  void SetInitialColor(TColor colour) { initial_ = colour; }
  TColor NewColor() const { return model_.NewColor(); }
  const TColorPickModel& Model() const { return model_; }

  // Events of the swatches and images.
  void Gradient_MouseDown(TPickImageView& view, Qt::MouseButton button, QPoint at);
  void Gradient_MouseMove(TPickImageView& view, QPoint at);
  void Gradient_MouseUp(TPickImageView& view);
  void Gradient_DblClick(TPickImageView& view, QPoint at);
  // A left-button drag from an image carries the colour its panel took.
  void BeginImageDrag(TPickImageView& view);
  void Color_Img_DragDrop(const QMimeData* data);
  void Blend_Img_DragDrop(const QMimeData* data, int x);
  // The left button went down on a swatch and the pointer moved off: its drag begins.
  void Panels_MouseDown(TColorSwatch& swatch);
  void Panels_DblClick(TColorSwatch& swatch);
  bool Panels_DragOver(const QMimeData* data) const;
  void Panels_DragDrop(TColorSwatch& target, const QMimeData* data);

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildGradient();
  void BuildPickColorGroup();
  void BuildBlendGroup();
  void BuildUserColorsGroup();
  void BuildButtons();
  TColorSwatch* AddSwatch(QWidget* parent, TSwatch id, const char* name, QRect bounds);
  QLineEdit* AddEdit(QWidget* parent, const char* name, int maxLength, QRect bounds);

  void FormShow();
  void FormCloseQuery();
  void DrawGradient();
  void DrawBlend();
  // Writes every colour and text of the model into the controls.
  void ShowModel();
  void StartDrag(QWidget* source, TSwatch swatch);

  void Hex_Edit_Change(const QString& text);
  bool Hex_Edit_KeyPress(QKeyEvent* key);
  void RGB_Edit_Change(TChannel channel, const QString& text);
  bool RGB_Edit_KeyPress(TChannel channel, QKeyEvent* key);
  void RGB_Edit_Exit(TChannel channel);
  std::optional<TChannel> ChannelOf(const QObject* edit) const;

  Registry& store_;
  TColorPickModel model_;
  TColor initial_ = 0;
  bool shown_ = false;
  std::array<TColorSwatch*, swCount> swatches_{};  // none for the two image panels
  TPickImageView* gradient_ = nullptr;
  TPickImageView* blend_ = nullptr;
  QLineEdit* hex_ = nullptr;
  std::array<QLineEdit*, 3> channels_{};
  QLabel* hoverHex_ = nullptr;
  QLabel* hoverPct_ = nullptr;
};

// Shows the dialog modally with `colour`; the chosen colour, or nothing on Cancel.
std::optional<TColor> ShowColorPicker(QWidget* owner, Registry& store, TColor colour);

// The main window's ColorPicker_Cmd: `selectedText` is the editor's selection,
// `charBefore` the character just before the selection start (nothing at the
// very start of the text). Returns the text to put in place of the selection,
// nothing when the user cancelled.
std::optional<std::string> PickColorForSelection(QWidget* owner, Registry& store,
                                                 TRandomGenerator& random,
                                                 const std::string& selectedText,
                                                 std::optional<char> charBefore);
