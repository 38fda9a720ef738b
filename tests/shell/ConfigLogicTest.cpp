#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "desktop/FileRegistry.h"
#include "platform/Canvas.h"
#include "shell/ConfigLogic.h"

namespace {

TConfigSettings RunningProgram() {
  TConfigSettings settings;
  settings.showStatusBar = false;
  settings.escapeQuits = true;
  settings.maxListCount = 7;
  settings.captionFormat = "%f %m";
  settings.commentChars = "//";
  settings.keyWordListFile = "Pascal";
  settings.wordWrap = true;
  settings.gutterVisible = false;
  settings.rightEdge = 100;
  settings.tabWidth = 4;
  settings.font = {"Courier New", 10};
  settings.highlighter = "General";
  settings.comments = 0b010100101;  // Ansi, C, C++, Hash
  settings.stringDelimiter = 3;
  settings.keyWordsExactCase = true;
  settings.preprocessorChar = '%';
  for (int byte = 48; byte <= 255; ++byte) settings.identifierChars += static_cast<char>(byte);
  for (const char* name : {"Comment", "Identifier", "Number", "Preprocessor", "Reserved Word",
                           "Space", "String", "Symbol"})
    settings.attributes.push_back({name, clNone, clNone, 0});
  return settings;
}

const std::vector<std::string> kHighlighters = {"General"};
const std::vector<std::string> kKeyWordLists = {"C", "Pascal", "pascal2"};

TEST(ConfigLogic, OpeningShowsTheRunningValues) {
  TConfigControls controls = FillControls(RunningProgram(), kHighlighters, kKeyWordLists);
  EXPECT_EQ(controls.captionFormatItems.size(), 5u);
  EXPECT_EQ(controls.captionFormat, "%f %m");
  EXPECT_FALSE(controls.statusBar);
  EXPECT_TRUE(controls.escapeQuits);
  EXPECT_EQ(controls.maxRecentEntries, "7");
  EXPECT_EQ(controls.font, "Courier New, 10");
  EXPECT_EQ(controls.rightEdge, "100");
  EXPECT_EQ(controls.preprocessorChar, "%");
  EXPECT_EQ(controls.highlighterItems, (std::vector<std::string>{"No Highlighter", "General"}));
  EXPECT_EQ(controls.highlighterIndex, 1);
  EXPECT_EQ(controls.keyWordListItems.front(), "No Keyword List");
  EXPECT_EQ(controls.keyWordListIndex, 2);
  EXPECT_EQ(controls.commentStyles,
            (std::array<bool, 9>{true, false, true, false, false, true, false, true, false}));
  EXPECT_EQ(controls.stringDelimiterIndex, 3);
  EXPECT_EQ(controls.nonIdentifierChars, " !\"#$%&'()*+,-./") << "bytes 32..47 in order";
  EXPECT_TRUE(controls.fileExtensions.empty());

  TConfigSettings other = RunningProgram();
  other.keyWordListFile = "pascal";  // matched case-sensitively only
  other.highlighter.clear();
  controls = FillControls(other, kHighlighters, kKeyWordLists);
  EXPECT_EQ(controls.keyWordListIndex, 0);
  EXPECT_EQ(controls.highlighterIndex, 0);
}

TEST(ConfigLogic, ApplyingUnchangedControlsChangesNothing) {
  TConfigSettings settings = RunningProgram();
  TApplyEffects effects =
      ApplyControls(FillControls(settings, kHighlighters, kKeyWordLists), settings);
  TConfigSettings expected = RunningProgram();
  EXPECT_EQ(settings.maxListCount, expected.maxListCount);
  EXPECT_EQ(settings.captionFormat, expected.captionFormat);
  EXPECT_EQ(settings.rightEdge, expected.rightEdge);
  EXPECT_EQ(settings.highlighter, expected.highlighter);
  EXPECT_EQ(settings.comments, expected.comments);
  EXPECT_EQ(settings.stringDelimiter, expected.stringDelimiter);
  EXPECT_EQ(settings.preprocessorChar, expected.preprocessorChar);
  EXPECT_EQ(settings.identifierChars, expected.identifierChars);
  EXPECT_EQ(settings.keyWordListFile, expected.keyWordListFile);
  EXPECT_FALSE(effects.keyWordListToLoad) << "the same list is not reloaded";
  EXPECT_FALSE(effects.clearKeyWordList);
}

TEST(ConfigLogic, ApplyWithNonNumericFieldsFallsBack) {
  TConfigSettings settings = RunningProgram();
  TConfigControls controls = FillControls(settings, kHighlighters, kKeyWordLists);
  controls.maxRecentEntries = "ten";
  controls.rightEdge = "80px";
  controls.tabWidth = "";
  ApplyControls(controls, settings);
  EXPECT_EQ(settings.maxListCount, 12) << "the recent count falls back to 12";
  EXPECT_EQ(settings.rightEdge, 100) << "the others keep their value";
  EXPECT_EQ(settings.tabWidth, 4);

  controls.maxRecentEntries = "  $1F";
  controls.rightEdge = "-0x10";
  controls.tabWidth = "+3";
  ApplyControls(controls, settings);
  EXPECT_EQ(settings.maxListCount, 31);
  EXPECT_EQ(settings.rightEdge, -16);
  EXPECT_EQ(settings.tabWidth, 3);
}

TEST(ConfigLogic, ParseIntegerAcceptsWholeNumbersInRangeOnly) {
  EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseInteger("2147483648"), std::nullopt);
  EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseInteger("x1f"), 31);
  EXPECT_EQ(ParseInteger("0x100000000"), std::nullopt);
  for (const char* text : {"", " ", "-", "$", "0x", "12 ", "1.5", "1e3", "--1", "\t1"})
    EXPECT_EQ(ParseInteger(text), std::nullopt) << text;
}

TEST(ConfigLogic, ApplyFollowsTheHighlighterAndKeywordChoices) {
  TConfigSettings settings = RunningProgram();
  TConfigControls controls = FillControls(settings, kHighlighters, kKeyWordLists);
  controls.keyWordListIndex = 1;
  controls.preprocessorChar = "!x";
  controls.commentStyles = {false, true, false, false, false, false, true, false, true};
  controls.stringDelimiterIndex = 1;
  controls.commentChars = "";
  TApplyEffects effects = ApplyControls(controls, settings);
  EXPECT_EQ(effects.keyWordListToLoad, "C");
  EXPECT_EQ(settings.keyWordListFile, "C");
  EXPECT_EQ(settings.preprocessorChar, '!');
  EXPECT_EQ(settings.comments, 0b101000010);
  EXPECT_EQ(settings.stringDelimiter, 1);
  EXPECT_EQ(settings.commentChars, "");

  controls.keyWordListIndex = 0;
  controls.highlighterIndex = 0;
  controls.preprocessorChar = "";
  effects = ApplyControls(controls, settings);
  EXPECT_TRUE(effects.clearKeyWordList);
  EXPECT_EQ(settings.keyWordListFile, "");
  EXPECT_EQ(settings.preprocessorChar, '!') << "an empty field keeps the character";
  EXPECT_EQ(settings.highlighter, "");
  EXPECT_TRUE(ColorListItems(settings).empty()) << "the next opening shows an empty list";
  TConfigControls reopened = FillControls(settings, kHighlighters, kKeyWordLists);
  EXPECT_EQ(reopened.highlighterIndex, 0);
}

TEST(ConfigLogic, EmptiedNonIdentifierFieldMakesEveryByteAnIdentifierCharacter) {
  TConfigSettings settings = RunningProgram();
  TConfigControls controls = FillControls(settings, kHighlighters, kKeyWordLists);
  controls.nonIdentifierChars.clear();
  ApplyControls(controls, settings);
  ASSERT_EQ(settings.identifierChars.size(), 224u);
  EXPECT_EQ(settings.identifierChars.front(), ' ');
  EXPECT_EQ(static_cast<unsigned char>(settings.identifierChars.back()), 255);
  controls.nonIdentifierChars = "()";
  ApplyControls(controls, settings);
  EXPECT_EQ(settings.identifierChars.find('('), std::string::npos);
  EXPECT_NE(settings.identifierChars.find(' '), std::string::npos) << "no space is added back";
}

TEST(ConfigLogic, FontAndHelpButtons) {
  FakeDialogs dialogs;
  TConfigSettings settings = RunningProgram();
  EXPECT_FALSE(FontButtonClicked(settings, dialogs));
  EXPECT_EQ(settings.font.name, "Courier New");
  dialogs.fontAnswers.push_back(TFont{.name = "Fixedsys", .size = 12, .style = fsBold});
  EXPECT_TRUE(FontButtonClicked(settings, dialogs));
  EXPECT_EQ(FontText(settings.font), "Fixedsys, 12");

  ShowCaptionFormatHelp(dialogs);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].caption, "Scribant");
  EXPECT_EQ(dialogs.messages[0].icon, TMsgIcon::Information);
  EXPECT_EQ(dialogs.messages[0].text.substr(0, 36), "%f\tBase filename, no directory path.");
}

TEST(ConfigColors, PanelsNameKnownColoursAndShowOthersInHex) {
  EXPECT_EQ(ColourPanelText(0x0000FF), "clRed");
  EXPECT_EQ(ColourPanelText(0x000000), "clBlack");
  EXPECT_EQ(ColourPanelText(0x80000000), "clScrollBar");
  EXPECT_EQ(ColourPanelText(0x80000005), "clWindow");
  EXPECT_EQ(ColourPanelText(0x80000018), "clInfoBk");
  EXPECT_EQ(ColourPanelText(0x80000019), "0x80000019");
  EXPECT_EQ(ColourPanelText(0x00ABCD), "0x00abcd");
  EXPECT_EQ(ColourPanelText(clNone), "0x1fffffff");
}

TEST(ConfigColors, ContrastingTextFollowsTheGreyBands) {
  auto noSystem = [](std::uint32_t) -> std::uint32_t { return 0; };
  EXPECT_EQ(ContrastingTextColour(0x606060, noSystem), 0xFFFFFFu);  // grey 96
  EXPECT_EQ(ContrastingTextColour(0x7F7F7F, noSystem), 0xFFFFFFu);  // 127
  EXPECT_EQ(ContrastingTextColour(0x808080, noSystem), 0x000000u);  // 128
  EXPECT_EQ(ContrastingTextColour(0xA0A0A0, noSystem), 0x000000u);  // 160
  EXPECT_EQ(ContrastingTextColour(0xA1A1A1, noSystem), 0x5E5E5Eu);  // 161: inverted
  EXPECT_EQ(ContrastingTextColour(0x5F5F5F, noSystem), 0xA0A0A0u);  // 95: inverted
  EXPECT_EQ(ContrastingTextColour(0x0000FF, noSystem), 0xFFFF00u);  // red: grey 76
  EXPECT_EQ(ContrastingTextColour(clNone, noSystem), 0xFFFFFFu) << "none counts as black";
  auto grey = [](std::uint32_t system) -> std::uint32_t {
    return system == 0x8000000F ? 0x808080 : 0x111111;
  };
  EXPECT_EQ(ContrastingTextColour(0x8000000F, grey), 0x000000u) << "resolved first";
}

class ConfigAttributesTest : public ::testing::Test {
 protected:
  TempFolder folder;
  TFileRegistry store{TFileRegistry::StoreFileIn(folder.Path())};
  FakeDialogs dialogs;
  TOvColorDlg colourDialog{dialogs, store};
  TConfigSettings settings = RunningProgram();
  std::function<std::uint32_t(std::uint32_t)> resolve = [](std::uint32_t) { return 0u; };
};

TEST_F(ConfigAttributesTest, PanelClicksPickOrClearTheColour) {
  settings.attributes[6].background = 0x123456;
  dialogs.colorAnswers.push_back(0x00FF00);
  EXPECT_TRUE(
      ColourPanelMouseDown(settings, 6, kForegroundPanelTag, TMouseButton::Left, colourDialog));
  EXPECT_EQ(settings.attributes[6].foreground, 0x00FF00u);
  EXPECT_EQ(ShowAttribute(settings.attributes[6], resolve).foreground.text, "clLime");

  EXPECT_TRUE(
      ColourPanelMouseDown(settings, 6, kBackgroundPanelTag, TMouseButton::Right, colourDialog));
  TAttributeView view = ShowAttribute(settings.attributes[6], resolve);
  EXPECT_EQ(view.background.colour, clNone);
  EXPECT_EQ(view.background.text, "0x1fffffff");

  dialogs.colorAnswers.push_back(std::nullopt);  // cancelled
  EXPECT_FALSE(
      ColourPanelMouseDown(settings, 6, kForegroundPanelTag, TMouseButton::Left, colourDialog));
  EXPECT_FALSE(
      ColourPanelMouseDown(settings, 6, kForegroundPanelTag, TMouseButton::Middle, colourDialog));
  EXPECT_EQ(settings.attributes[6].foreground, 0x00FF00u);
  EXPECT_TRUE(dialogs.colorAnswers.empty());
}

TEST_F(ConfigAttributesTest, WithoutAHighlighterThePanelsAndChecksDoNothing) {
  settings.highlighter.clear();
  EXPECT_FALSE(
      ColourPanelMouseDown(settings, 0, kBackgroundPanelTag, TMouseButton::Right, colourDialog));
  EXPECT_FALSE(StyleChecksClicked(settings, 0, true, true, false, false));
  settings.highlighter = "General";
  EXPECT_FALSE(
      ColourPanelMouseDown(settings, -1, kBackgroundPanelTag, TMouseButton::Right, colourDialog));
  EXPECT_FALSE(
      ColourPanelMouseDown(settings, 8, kBackgroundPanelTag, TMouseButton::Right, colourDialog));
  EXPECT_EQ(settings.attributes[0].background, clNone);
  EXPECT_EQ(settings.attributes[0].style, 0u);
}

TEST_F(ConfigAttributesTest, StyleChecksSetTheWholeStyle) {
  settings.attributes[2].style = fsUnderline;
  EXPECT_TRUE(StyleChecksClicked(settings, 2, true, false, false, true));
  EXPECT_EQ(settings.attributes[2].style, static_cast<unsigned>(fsBold | fsStrikeOut));
  TAttributeView view = ShowAttribute(settings.attributes[2], resolve);
  EXPECT_TRUE(view.bold && view.strikeOut && !view.italic && !view.underline);
}

}  // namespace
