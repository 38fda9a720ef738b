#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "TempFolder.h"
#include "WidgetEvents.h"
#include "desktop/FileRegistry.h"
#include "ui/FormColorPick.h"
#include "ui/FormColorPickWidgets.h"

namespace {

class FormColorPickTest : public ::testing::Test {
 protected:
  void Show(TColor initial) {
    form_ = std::make_unique<TFormColorPick>(nullptr, registry_);
    form_->SetInitialColor(initial);
    form_->show();
    QApplication::processEvents();
  }
  template <typename Widget = QWidget>
  Widget* Find(const char* name) const {
    auto* widget = form_->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  QString Text(const char* name) const { return Find<QLineEdit>(name)->text(); }
  TColor SwatchColour(const char* name) const { return Find<TColorSwatch>(name)->Color(); }
  // A drag of `swatch` as this dialog's own swatches start it.
  std::unique_ptr<QMimeData> DragOf(TSwatch swatch) const {
    return std::unique_ptr<QMimeData>(NewSwatchMimeData(form_.get(), swatch));
  }

  TempFolder folder_;
  TFileRegistry registry_{TFileRegistry::StoreFileIn(folder_.Path())};
  std::unique_ptr<TFormColorPick> form_;
};

TCustomColors StoredColours(const Registry& registry) {
  TCustomColors colours{};
  colours.fill(0xDEAD);
  LoadCustomColors(registry, colours);
  return colours;
}

}  // namespace

TEST_F(FormColorPickTest, OpensWithInitialColourEverywhere) {
  Show(0x0080FF);  // RRGGBB FF8000
  EXPECT_EQ(form_->windowTitle(), "Pick Color Dialog");
  EXPECT_EQ(form_->size(), QSize(499, 318));
  EXPECT_EQ(Find("Gradient_Img")->size(), QSize(210, 179));
  EXPECT_EQ(Find("Blend_Img")->size(), QSize(377, 22));
  EXPECT_EQ(SwatchColour("OldColor_Panel"), 0x0080FFu);
  EXPECT_EQ(SwatchColour("NewColor_Panel"), 0x0080FFu);
  EXPECT_EQ(SwatchColour("BlendB_Panel"), 0xFF7F00u) << "the inverse";
  EXPECT_EQ(SwatchColour("Green_Panel"), 0x008000u);
  EXPECT_EQ(Text("Hex_Edit"), "FF8000");
  EXPECT_EQ(Text("Red_Edit"), "255");
  EXPECT_EQ(Text("Green_Edit"), "128");
  EXPECT_EQ(Text("Blue_Edit"), "0");
  EXPECT_EQ(Find<QLabel>("HoverPct_Panel")->text(), "Percentage: 50.000%");
  EXPECT_EQ(Find<QLabel>("HoverHex_Panel")->text(), "Hex Code: #80807F");
  EXPECT_EQ(Find<QLabel>("BlendHalf_Panel")->text(), "50%");
  EXPECT_EQ(Find<QPushButton>("Ok_Btn")->text(), "&Ok");
  EXPECT_TRUE(Find<QPushButton>("Ok_Btn")->isDefault());
  // The user colours sit in two rows of eight.
  EXPECT_EQ(Find("UserColor0_Panel")->geometry(), QRect(9, 20, 28, 21));
  EXPECT_EQ(Find("UserColor7_Panel")->geometry(), QRect(219, 20, 28, 21));
  EXPECT_EQ(Find("UserColor8_Panel")->geometry(), QRect(9, 45, 28, 21));
}

TEST_F(FormColorPickTest, HexEditTakesOnlyHexDigitsInUpperCase) {
  Show(0);
  auto* hex = Find<QLineEdit>("Hex_Edit");
  hex->selectAll();
  TypeText(hex, "ff8z00g0");
  EXPECT_EQ(hex->text(), "FF8000");
  EXPECT_EQ(form_->NewColor(), 0x0080FFu);
  EXPECT_EQ(Text("Red_Edit"), "255");
  EXPECT_EQ(Text("Green_Edit"), "128");
  EXPECT_EQ(hex->palette().color(QPalette::Text), QColor(Qt::blue));
  TypeText(hex, "1");
  EXPECT_EQ(hex->text(), "FF80001");
  EXPECT_EQ(hex->palette().color(QPalette::Text), QColor(Qt::red)) << "seven characters";
  PressBackspace(hex);
  EXPECT_EQ(hex->text(), "FF8000");
  TypeText(hex, "12");
  EXPECT_EQ(hex->text(), "FF80001") << "at most seven characters";
  // Pasted junk changes the text but not the colour.
  hex->selectAll();
  hex->insert("zz");
  EXPECT_EQ(form_->NewColor(), 0x0100F8u);
}

TEST_F(FormColorPickTest, ChannelEditsStepWrapAndDropOtherKeys) {
  Show(0);
  auto* red = Find<QLineEdit>("Red_Edit");
  red->selectAll();
  TypeText(red, "12a.");
  EXPECT_EQ(red->text(), "12");
  EXPECT_EQ(Text("Hex_Edit"), "0C0000");
  TypeText(red, "+");
  EXPECT_EQ(red->text(), "13");
  PressKey(red, Qt::Key_Plus, "+", Qt::ShiftModifier);
  EXPECT_EQ(red->text(), "21") << "Shift steps by 8";

  auto* green = Find<QLineEdit>("Green_Edit");
  TypeText(green, "-");
  EXPECT_EQ(green->text(), "255") << "below 0 wraps";
  TypeText(green, "+");
  EXPECT_EQ(green->text(), "0") << "above 255 wraps";
  PressKey(green, Qt::Key_Minus, "-", Qt::ShiftModifier);
  EXPECT_EQ(green->text(), "255") << "any step below 0 wraps to 255";

  auto* blue = Find<QLineEdit>("Blue_Edit");
  blue->selectAll();
  PressBackspace(blue);
  TypeText(blue, "+");
  EXPECT_EQ(blue->text(), "") << "an empty box does not step";
  LeaveFocus(blue);
  EXPECT_EQ(blue->text(), "0");
  EXPECT_EQ(form_->NewColor(), MakeColor(21, 255, 0));
  EXPECT_EQ(Text("Hex_Edit"), "15FF00");
  EXPECT_EQ(SwatchColour("Red_Panel"), MakeColor(21, 0, 0));
}

TEST_F(FormColorPickTest, SwatchesTakeDropsOnlyFromThisDialog) {
  TCustomColors user{};
  for (int i = 0; i < 16; ++i) user[i] = MakeColor(i * 16, 0x40, 0x80);
  ASSERT_TRUE(SaveCustomColors(registry_, user));
  Show(0xFFFFFF);
  EXPECT_EQ(SwatchColour("UserColor3_Panel"), user[3]);

  DoubleClick(Find("UserColor3_Panel"));
  EXPECT_EQ(form_->NewColor(), user[3]);
  EXPECT_EQ(Text("Hex_Edit"), "304080");

  EXPECT_TRUE(Drop(Find("NewColor_Panel"), DragOf(static_cast<TSwatch>(swUser0 + 5)).get()));
  EXPECT_EQ(form_->NewColor(), user[5]);
  EXPECT_EQ(Text("Red_Edit"), "80");

  EXPECT_TRUE(Drop(Find("BlendB_Panel"), DragOf(swOldColor).get()));
  EXPECT_EQ(SwatchColour("BlendHalfColor_Panel"), 0xFFFFFFu) << "strip redrawn white to white";

  QMimeData foreign;
  foreign.setText("#123456");
  EXPECT_FALSE(Drop(Find("NewColor_Panel"), &foreign));
  TFormColorPick other(nullptr, registry_);
  std::unique_ptr<QMimeData> otherDrag(NewSwatchMimeData(&other, swOldColor));
  EXPECT_FALSE(Drop(Find("NewColor_Panel"), otherDrag.get()));
  EXPECT_EQ(form_->NewColor(), user[5]);
}

TEST_F(FormColorPickTest, DropsOnTheImagesChangeGradientBaseAndBlendEnds) {
  Show(0x000000);
  EXPECT_TRUE(Drop(Find("Gradient_Img"), DragOf(swBlendB).get()));
  EXPECT_EQ(form_->Model().GradientBase(), 0xFFFFFFu);
  EXPECT_EQ(form_->Model().ImagePixel(TPickImage::Gradient, 0, 178), 0xFFFFFFu);

  form_->findChild<QLineEdit*>("Hex_Edit")->setText("00FF00");
  EXPECT_TRUE(Drop(Find("Blend_Img"), DragOf(swNewColor).get(), QPoint(10, 5)));
  EXPECT_EQ(SwatchColour("BlendA_Panel"), 0x00FF00u) << "left half sets the start";
  EXPECT_TRUE(Drop(Find("Blend_Img"), DragOf(swRed).get(), QPoint(200, 5)));
  EXPECT_EQ(SwatchColour("BlendB_Panel"), 0u) << "right half sets the end";
}

TEST_F(FormColorPickTest, RightButtonOnTheImagesPicksAndHovers) {
  Show(0x808080);
  QWidget* gradient = Find("Gradient_Img");
  SendMouse(gradient, QEvent::MouseButtonPress, {0, 0}, Qt::RightButton, Qt::RightButton);
  SendMouse(gradient, QEvent::MouseMove, {0, 0}, Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(Text("Hex_Edit"), "FF0000");
  SendMouse(gradient, QEvent::MouseMove, {35, 0}, Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(Text("Hex_Edit"), "FFFF00");
  EXPECT_EQ(Find<TPickImageView>("Gradient_Img")->Marker(), (TPickPoint{35, 0}));
  // Beyond the image the pointer counts as on its edge.
  SendMouse(gradient, QEvent::MouseMove, {400, 400}, Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(form_->NewColor(), 0u) << "bottom row is the black base";
  SendMouse(gradient, QEvent::MouseButtonRelease, {400, 400}, Qt::RightButton, Qt::NoButton);
  SendMouse(gradient, QEvent::MouseMove, {35, 0}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(form_->NewColor(), 0u) << "no button, no picking";

  QWidget* blend = Find("Blend_Img");
  SendMouse(blend, QEvent::MouseMove, {0, 3}, Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(Find<QLabel>("HoverPct_Panel")->text(), "Percentage: 0.000%");
  EXPECT_EQ(Find<QLabel>("HoverHex_Panel")->text(), "Hex Code: #808080");
  EXPECT_EQ(SwatchColour("BlendHover_Panel"), 0x808080u);
  EXPECT_EQ(form_->NewColor(), 0u) << "the strip only hovers";
}

TEST_F(FormColorPickTest, CancelStillSavesUserColours) {
  Show(0x123456);
  ASSERT_TRUE(Drop(Find("UserColor15_Panel"), DragOf(swOldColor).get()));
  Find<QPushButton>("Cancel_Btn")->click();
  EXPECT_EQ(form_->result(), QDialog::Rejected);
  EXPECT_EQ(StoredColours(registry_)[15], 0x123456u);
  EXPECT_EQ(StoredColours(registry_)[0], 0u);
}

TEST_F(FormColorPickTest, PickColorForSelectionWritesTheCodeBackInItsNotation) {
  TRandomGenerator random;
  auto pressOnShow = [](const char* button) {
    QTimer::singleShot(0, [button] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      dialog->findChild<QPushButton*>(button)->click();
    });
  };
  pressOnShow("Ok_Btn");
  EXPECT_EQ(PickColorForSelection(nullptr, registry_, random, "0x00ff00", 'a'), "0x00FF00");
  pressOnShow("Ok_Btn");
  EXPECT_EQ(PickColorForSelection(nullptr, registry_, random, "#FF8000", std::nullopt), "#FF8000");
  pressOnShow("Cancel_Btn");
  EXPECT_EQ(PickColorForSelection(nullptr, registry_, random, "#FF8000", std::nullopt),
            std::nullopt);
  EXPECT_TRUE(registry_.KeyExists(TRegistryRoot::CurrentUser, kCustomColorsKey));
}
