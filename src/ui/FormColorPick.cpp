#include "ui/FormColorPick.h"

#include <QDrag>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>

#include "tools/ColorPickCode.h"
#include "ui/CodePageText.h"
#include "ui/DialogUnits.h"
#include "ui/FormColorPickWidgets.h"
#include "ui/QtColors.h"

namespace {

// Where the controls sit, in pixels of the 499 x 318 client area.
const QRect kGradientPanelBounds(8, 8, 214, 183);
constexpr int kImageBevel = 2;
const QRect kPickColorBounds(230, 4, 261, 108);
const QRect kUserColorsBounds(230, 116, 261, 75);
const QRect kBlendBounds(8, 196, 483, 78);
const QRect kBlendPanelBounds(51, 20, kBlendWidth + 2 * kImageBevel,
                              kBlendHeight + 2 * kImageBevel);
constexpr int kChannelRowTop = 20;
constexpr int kChannelRowStep = 28;
// User colour swatch `index` (0..15) inside the "User Colors" group: two rows
// of eight, 28 x 21 pixels, 30 pixels apart.
QRect UserSwatchBounds(int index) {
  return QRect((index % 8) * 30 + 9, index < 8 ? 20 : 45, 28, 21);
}
const char* const kChannelLetters[] = {"R", "G", "B"};
const char* const kChannelEditNames[] = {"Red_Edit", "Green_Edit", "Blue_Edit"};
const char* const kChannelPanelNames[] = {"Red_Panel", "Green_Panel", "Blue_Panel"};
constexpr TSwatch kChannelSwatches[] = {swRed, swGreen, swBlue};

QImage PictureOf(const std::vector<TColor>& pixels, int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const TColor c = pixels[static_cast<std::size_t>(y * width + x)];
      line[x] = qRgb(RedOf(c), GreenOf(c), BlueOf(c));
    }
  }
  return picture;
}

QLabel* AddLabel(QWidget* parent, const QString& text, QRect bounds) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(bounds);
  return label;
}

QLabel* AddTextPanel(QWidget* parent, const char* name, const QString& text, QRect bounds) {
  QLabel* panel = AddLabel(parent, text, bounds);
  panel->setObjectName(name);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setAlignment(Qt::AlignCenter);
  return panel;
}

// The character a key types as the edits' key filters see it. Keys that type
// nothing (arrows, Delete) and control characters other than Backspace are
// the edit's own business and pass unfiltered, so Enter still reaches OK.
std::optional<char> TypedCharacter(const QKeyEvent* key) {
  const QString text = key->text();
  if (text.isEmpty()) return std::nullopt;
  const char16_t first = text.front().unicode();
  if (first == '\b') return '\b';
  if (first < 32 || first == 127) return std::nullopt;
  return ToCodePage(text.left(1)).front();
}

QPoint InsideImage(TPickImage image, QPoint at) {
  const int width = image == TPickImage::Gradient ? kGradientWidth : kBlendWidth;
  const int height = image == TPickImage::Gradient ? kGradientHeight : kBlendHeight;
  return {std::clamp(at.x(), 0, width - 1), std::clamp(at.y(), 0, height - 1)};
}

}  // namespace

TFormColorPick::TFormColorPick(QWidget* owner, Registry& store)
    : QDialog(owner), store_(store), model_(store) {
  setObjectName("FormColorPick");
  setWindowTitle("Pick Color Dialog");
  QFont formFont("Tahoma");
  formFont.setPointSize(8);
  setFont(formFont);
  setFixedSize(499, 318);
  BuildGradient();
  BuildPickColorGroup();
  BuildBlendGroup();
  BuildUserColorsGroup();
  BuildButtons();
  DrawGradient();
  ShowModel();
}

void TFormColorPick::BuildGradient() {
  auto* panel = new QFrame(this);
  panel->setObjectName("Gradient_Panel");
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(kImageBevel);
  panel->setGeometry(kGradientPanelBounds);
  gradient_ = new TPickImageView(panel, TPickImage::Gradient, *this);
  gradient_->setObjectName("Gradient_Img");
  gradient_->setGeometry(kImageBevel, kImageBevel, kGradientWidth, kGradientHeight);
}

TColorSwatch* TFormColorPick::AddSwatch(QWidget* parent, TSwatch id, const char* name,
                                        QRect bounds) {
  auto* swatch = new TColorSwatch(parent, id, *this);
  swatch->setObjectName(name);
  swatch->setGeometry(bounds);
  swatches_[id] = swatch;
  return swatch;
}

QLineEdit* TFormColorPick::AddEdit(QWidget* parent, const char* name, int maxLength, QRect bounds) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  edit->setGeometry(bounds);
  edit->installEventFilter(this);
  return edit;
}

void TFormColorPick::BuildPickColorGroup() {
  auto* group = new QGroupBox("Pick Color", this);
  group->setObjectName("PickColor_Grp");
  group->setGeometry(kPickColorBounds);
  AddLabel(group, "Old Color", QRect(8, 16, 60, 14));
  AddSwatch(group, swOldColor, "OldColor_Panel", QRect(8, 31, 56, 40));
  AddLabel(group, "New Color", QRect(70, 16, 60, 14));
  AddSwatch(group, swNewColor, "NewColor_Panel", QRect(70, 31, 56, 40));
  AddLabel(group, "Hex Code:", QRect(8, 79, 60, 21));
  hex_ = AddEdit(group, "Hex_Edit", kHexEditMaxLength, QRect(70, 79, 56, 21));
  connect(hex_, &QLineEdit::textChanged, this, &TFormColorPick::Hex_Edit_Change);
  for (int i = 0; i < 3; ++i) {
    const int top = kChannelRowTop + i * kChannelRowStep;
    AddLabel(group, kChannelLetters[i], QRect(138, top, 12, 21));
    channels_[i] =
        AddEdit(group, kChannelEditNames[i], kChannelEditMaxLength, QRect(152, top, 40, 21));
    const auto channel = static_cast<TChannel>(i);
    connect(channels_[i], &QLineEdit::textChanged, this,
            [this, channel](const QString& text) { RGB_Edit_Change(channel, text); });
    AddSwatch(group, kChannelSwatches[i], kChannelPanelNames[i], QRect(198, top, 52, 21));
  }
}

void TFormColorPick::BuildBlendGroup() {
  auto* group = new QGroupBox("Blend", this);
  group->setObjectName("Blend_Grp");
  group->setGeometry(kBlendBounds);
  const int stripTop = kBlendPanelBounds.top();
  const int stripHeight = kBlendPanelBounds.height();
  AddSwatch(group, swBlendA, "BlendA_Panel", QRect(14, stripTop, 30, stripHeight));
  auto* panel = new QFrame(group);
  panel->setObjectName("Blend_Panel");
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(kImageBevel);
  panel->setGeometry(kBlendPanelBounds);
  blend_ = new TPickImageView(panel, TPickImage::Blend, *this);
  blend_->setObjectName("Blend_Img");
  blend_->setGeometry(kImageBevel, kImageBevel, kBlendWidth, kBlendHeight);
  AddSwatch(group, swBlendB, "BlendB_Panel",
            QRect(kBlendPanelBounds.right() + 7, stripTop, 30, stripHeight));

  const int rowTop = stripTop + stripHeight + 4;
  AddSwatch(group, swBlendHover, "BlendHover_Panel", QRect(14, rowTop, 30, 21));
  hoverHex_ = AddTextPanel(group, "HoverHex_Panel", "n/a", QRect(51, rowTop, 140, 21));
  hoverPct_ = AddTextPanel(group, "HoverPct_Panel", "n/a", QRect(197, rowTop, 150, 21));
  AddSwatch(group, swBlendHalfColor, "BlendHalfColor_Panel", QRect(395, rowTop, 30, 21));
  AddTextPanel(group, "BlendHalf_Panel", "50%", QRect(431, rowTop, 38, 21));
}

void TFormColorPick::BuildUserColorsGroup() {
  auto* group = new QGroupBox("User Colors", this);
  group->setObjectName("UserColors_Grp");
  group->setGeometry(kUserColorsBounds);
  for (int i = 0; i < 16; ++i) {
    const QByteArray name = "UserColor" + QByteArray::number(i) + "_Panel";
    AddSwatch(group, static_cast<TSwatch>(swUser0 + i), name.constData(), UserSwatchBounds(i));
  }
}

void TFormColorPick::BuildButtons() {
  auto* ok = new QPushButton("&Ok", this);
  ok->setObjectName("Ok_Btn");
  ok->setDefault(true);
  ok->setGeometry(330, 283, 75, 25);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* cancel = new QPushButton("&Cancel", this);
  cancel->setObjectName("Cancel_Btn");
  cancel->setGeometry(414, 283, 75, 25);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormColorPick::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    CentreOnScreen(this, parentWidget());
    FormShow();
  }
  QDialog::showEvent(event);
}

void TFormColorPick::done(int result) {
  FormCloseQuery();
  QDialog::done(result);
}

void TFormColorPick::FormShow() {
  model_.FormShow(initial_);
  DrawBlend();
  // The model has just taken the hover colours at the strip's centre.
  blend_->SetMarker({kBlendWidth / 2, kBlendHeight / 2});
  ShowModel();
}

void TFormColorPick::FormCloseQuery() {
  model_.FormCloseQuery(store_);
}

void TFormColorPick::DrawGradient() {
  gradient_->SetPicture(
      PictureOf(GradientPixels(model_.GradientBase()), kGradientWidth, kGradientHeight));
}

void TFormColorPick::DrawBlend() {
  const std::vector<TColor> columns =
      BlendStripColumns(model_.Color(swBlendA), model_.Color(swBlendB), kBlendWidth);
  std::vector<TColor> pixels;
  pixels.reserve(columns.size() * kBlendHeight);
  for (int y = 0; y < kBlendHeight; ++y)
    pixels.insert(pixels.end(), columns.begin(), columns.end());
  blend_->SetPicture(PictureOf(pixels, kBlendWidth, kBlendHeight));
}

void TFormColorPick::ShowModel() {
  for (TColorSwatch* swatch : swatches_)
    if (swatch) swatch->SetColor(model_.Color(swatch->Id()));
  auto write = [](QLineEdit* edit, const std::string& text) {
    const QString shown = FromCoreText(text);
    if (edit->text() == shown) return;
    const QSignalBlocker quiet(edit);
    edit->setText(shown);
  };
  write(hex_, model_.HexText());
  for (int i = 0; i < 3; ++i) write(channels_[i], model_.ChannelText(static_cast<TChannel>(i)));
  QPalette palette = hex_->palette();
  palette.setColor(QPalette::Text, ToQColor(model_.HexFontColor()));
  hex_->setPalette(palette);
  hoverHex_->setText(FromCoreText(model_.HoverHexText()));
  hoverPct_->setText(FromCoreText(model_.HoverPctText()));
}

void TFormColorPick::StartDrag(QWidget* source, TSwatch swatch) {
  auto* drag = new QDrag(source);
  drag->setMimeData(NewSwatchMimeData(this, swatch));
  QPixmap chip(16, 16);
  chip.fill(ToQColor(model_.Color(swatch)));
  drag->setPixmap(chip);
  drag->exec(Qt::CopyAction);
}

void TFormColorPick::Gradient_MouseDown(TPickImageView& view, Qt::MouseButton button, QPoint at) {
  if (button == Qt::LeftButton) {
    const QPoint inside = InsideImage(view.Image(), at);
    model_.BeginImageDrag(view.Image(), inside.x(), inside.y());
  } else if (button == Qt::RightButton) {
    // Keeps the pointer's events while the right button picks colours.
    view.grabMouse();
  }
}

void TFormColorPick::Gradient_MouseMove(TPickImageView& view, QPoint at) {
  const QPoint inside = InsideImage(view.Image(), at);
  const TMarkerMove move = model_.PointerOnImage(view.Image(), inside.x(), inside.y());
  view.SetMarker(move.draw);
  ShowModel();
}

void TFormColorPick::Gradient_MouseUp(TPickImageView& view) {
  view.releaseMouse();
}

void TFormColorPick::Gradient_DblClick(TPickImageView& view, QPoint at) {
  Gradient_MouseMove(view, at);
}

void TFormColorPick::BeginImageDrag(TPickImageView& view) {
  StartDrag(&view, view.Image() == TPickImage::Gradient ? swGradientPanel : swBlendPanel);
}

void TFormColorPick::Color_Img_DragDrop(const QMimeData* data) {
  const std::optional<TSwatch> source = SwatchOfDrag(data, this);
  if (!source) return;
  model_.Color_Img_DragDrop(*source);
  DrawGradient();
}

void TFormColorPick::Blend_Img_DragDrop(const QMimeData* data, int x) {
  const std::optional<TSwatch> source = SwatchOfDrag(data, this);
  if (!source) return;
  model_.Blend_Img_DragDrop(*source, std::clamp(x, 0, kBlendWidth - 1));
  DrawBlend();
  ShowModel();
}

void TFormColorPick::Panels_MouseDown(TColorSwatch& swatch) {
  StartDrag(&swatch, swatch.Id());
}

void TFormColorPick::Panels_DblClick(TColorSwatch& swatch) {
  model_.Panels_DblClick(swatch.Id());
  ShowModel();
}

bool TFormColorPick::Panels_DragOver(const QMimeData* data) const {
  return SwatchOfDrag(data, this).has_value();
}

void TFormColorPick::Panels_DragDrop(TColorSwatch& target, const QMimeData* data) {
  const std::optional<TSwatch> source = SwatchOfDrag(data, this);
  if (!source) return;
  if (model_.Panels_DragDrop(target.Id(), *source)) DrawBlend();
  ShowModel();
}

bool TFormColorPick::eventFilter(QObject* watched, QEvent* event) {
  const std::optional<TChannel> channel = ChannelOf(watched);
  if (watched != hex_ && !channel) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    return channel ? RGB_Edit_KeyPress(*channel, key) : Hex_Edit_KeyPress(key);
  }
  if (event->type() == QEvent::FocusOut && channel) RGB_Edit_Exit(*channel);
  return false;
}

std::optional<TChannel> TFormColorPick::ChannelOf(const QObject* edit) const {
  for (int i = 0; i < 3; ++i)
    if (channels_[i] == edit) return static_cast<TChannel>(i);
  return std::nullopt;
}

void TFormColorPick::Hex_Edit_Change(const QString& text) {
  model_.Hex_Edit_Change(ToCodePage(text));
  ShowModel();
}

bool TFormColorPick::Hex_Edit_KeyPress(QKeyEvent* key) {
  const std::optional<char> typed = TypedCharacter(key);
  if (!typed) return false;
  const std::optional<char> passed =
      TColorPickModel::Hex_Edit_KeyPress(*typed, key->modifiers() & Qt::ControlModifier);
  if (passed == typed) return false;
  // A lower-case digit goes in as its upper-case self.
  if (passed) hex_->insert(QString(QChar(*passed)));
  return true;
}

void TFormColorPick::RGB_Edit_Change(TChannel channel, const QString& text) {
  model_.RGB_Edit_Change(channel, ToCodePage(text));
  ShowModel();
}

bool TFormColorPick::RGB_Edit_KeyPress(TChannel channel, QKeyEvent* key) {
  const std::optional<char> typed = TypedCharacter(key);
  if (!typed) return false;
  const std::optional<char> passed =
      model_.RGB_Edit_KeyPress(channel, *typed, key->modifiers() & Qt::ShiftModifier);
  // "+" and "-" may have stepped the value.
  ShowModel();
  return !passed;
}

void TFormColorPick::RGB_Edit_Exit(TChannel channel) {
  model_.RGB_Edit_Exit(channel);
  ShowModel();
}

std::optional<TColor> ShowColorPicker(QWidget* owner, Registry& store, TColor colour) {
  TFormColorPick form(owner, store);
  form.SetInitialColor(colour);
  if (form.exec() != QDialog::Accepted) return std::nullopt;
  return form.NewColor();
}

std::optional<std::string> PickColorForSelection(QWidget* owner, Registry& store,
                                                 TRandomGenerator& random,
                                                 const std::string& selectedText,
                                                 std::optional<char> charBefore) {
  return ColorPickerReplacement(selectedText, charBefore, random, [&](TColor initial) {
    return ShowColorPicker(owner, store, initial);
  });
}
