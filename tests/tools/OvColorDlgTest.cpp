#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "FakeDialogs.h"
#include "desktop/FileRegistry.h"
#include "tools/OvColorDlg.h"

namespace {

// A colour dialog in which the user also edits a custom colour.
class EditingColorDialogs : public FakeDialogs {
 public:
  std::vector<std::uint32_t> seenCustom;
  std::uint32_t seenInitial = 0;
  std::optional<std::uint32_t> answer;
  std::optional<TColor> ChooseColor(TColor initial, std::vector<std::uint32_t>& custom) override {
    seenInitial = initial;
    seenCustom = custom;
    custom[2] = 0x000102;
    return answer;
  }
};

class OvColorDlgTest : public ::testing::Test {
 protected:
  std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                 ("scribant-colordlg-" + std::to_string(std::random_device{}()));
  TFileRegistry store{TFileRegistry::StoreFileIn(folder)};
  EditingColorDialogs dialogs;
  TOvColorDlg dialog{dialogs, store};

  void TearDown() override { std::filesystem::remove_all(folder); }
};

TEST_F(OvColorDlgTest, StartsWithItsDocumentedDefaults) {
  EXPECT_EQ(dialog.Color(), 0u);
  EXPECT_EQ(dialog.Caption(), "Choose Color");
  EXPECT_TRUE(dialog.UseSystemColors());
  EXPECT_TRUE(dialog.FullOpen());
  EXPECT_FALSE(dialog.PreventFullOpen());
  EXPECT_FALSE(dialog.SolidColor());
  EXPECT_TRUE(dialog.AnyColor());
  for (TColor colour : dialog.CustomColors()) EXPECT_EQ(colour, 0xFFFFFFu);
  dialog.SetPreventFullOpen(true);
  EXPECT_FALSE(dialog.FullOpen());
  dialog.SetFullOpen(true);
  EXPECT_FALSE(dialog.PreventFullOpen());
}

TEST_F(OvColorDlgTest, CustomColoursTravelFromTheStoreThroughTheDialogAndBack) {
  TCustomColors stored;
  stored.fill(0x445566);
  SaveCustomColors(store, stored);
  dialog.SetColor(0x123456);
  dialogs.answer = 0x00FF00;
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialogs.seenInitial, 0x123456u);
  EXPECT_EQ(dialogs.seenCustom, std::vector<std::uint32_t>(16, 0x445566));
  EXPECT_EQ(dialog.Color(), 0x00FF00u);
  TCustomColors back{};
  LoadCustomColors(store, back);
  EXPECT_EQ(back[2], 0x000102u);
  EXPECT_EQ(back[3], 0x445566u);
}

TEST_F(OvColorDlgTest, CancelKeepsTheColourButStillSavesTheCustomColours) {
  dialog.SetColor(0x123456);
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.Color(), 0x123456u);
  EXPECT_EQ(dialogs.seenCustom, std::vector<std::uint32_t>(16, 0xFFFFFF)) << "no store yet";
  TCustomColors back{};
  LoadCustomColors(store, back);
  EXPECT_EQ(back[2], 0x000102u);
}

TEST_F(OvColorDlgTest, WithoutSystemColoursTheStoreIsLeftAlone) {
  dialog.SetUseSystemColors(false);
  dialogs.answer = 1;
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.CustomColors()[2], 0x000102u);
  EXPECT_FALSE(std::filesystem::exists(store.StoreFile()));
}

}  // namespace
