#include <gtest/gtest.h>

#include <stdexcept>

#include "HighlightTestSupport.h"

namespace {

struct ChangeLog {
  std::vector<std::pair<std::string, TScribPersistent*>> calls;
  TScribNotifyEvent Recorder(const std::string& who) {
    return [this, who](TScribPersistent* sender) { calls.emplace_back(who, sender); };
  }
};

TEST(HighlighterAttributesTest, NotifiesOnlyRealChanges) {
  TScribHighlighterAttributes attribute("Number");
  int changes = 0;
  TScribPersistent* lastSender = nullptr;
  attribute.SetOnChange([&](TScribPersistent* sender) {
    ++changes;
    lastSender = sender;
  });
  EXPECT_EQ(attribute.Foreground(), clNone);
  attribute.SetForeground(clNone);
  attribute.SetStyle(0);
  EXPECT_EQ(changes, 0);
  attribute.SetForeground(0x123456);
  attribute.SetBackground(0x000000);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(lastSender, &attribute);

  changes = 0;
  attribute.SetIntegerStyle(16);  // only an unknown bit: empty style, nothing changed
  EXPECT_EQ(attribute.Style(), 0);
  EXPECT_EQ(changes, 0);
  attribute.SetIntegerStyle(15);
  EXPECT_EQ(attribute.Style(), fsBold | fsItalic | fsUnderline | fsStrikeOut);
  EXPECT_EQ(changes, 4);  // bold first, then each added style
  EXPECT_EQ(attribute.IntegerStyle(), 15);
}

TEST(HighlighterAttributesTest, AssignNotifiesOnceAndOnlyForDifferences) {
  TScribHighlighterAttributes source("A");
  TScribHighlighterAttributes target("B");
  int changes = 0;
  target.SetOnChange([&](TScribPersistent*) { ++changes; });
  target.Assign(source);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(target.Name(), "A");
  source.SetForeground(1);
  source.SetBackground(2);
  source.SetStyle(fsItalic);
  target.Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(target.Background(), 2u);
  EXPECT_EQ(target.Style(), fsItalic);
}

TEST(CustomHighlighterTest, AttributesAreSortedByNameWithTheirDefaults) {
  TScribOrvane highlighter;
  const char* expected[] = {"Comment",       "Identifier", "Number", "Preprocessor",
                            "Reserved Word", "Space",      "String", "Symbol"};
  ASSERT_EQ(highlighter.AttrCount(), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(highlighter.Attribute(i)->Name(), expected[i]);
  EXPECT_EQ(highlighter.Attribute(-1), nullptr);
  EXPECT_EQ(highlighter.Attribute(highlighter.AttrCount()), nullptr);

  EXPECT_EQ(highlighter.AttriKey()->Foreground(), 0x0000FFu);
  EXPECT_EQ(highlighter.AttriKey()->Background(), 0x00FFFFu);
  EXPECT_EQ(highlighter.AttriKey()->Style(), fsBold | fsUnderline);
  EXPECT_EQ(highlighter.AttriKey()->StyleDefault(), fsBold | fsUnderline);
  EXPECT_EQ(highlighter.AttriComment()->BackgroundDefault(), 0x008000u);
  EXPECT_EQ(highlighter.GetDefaultAttribute(arKeyword), highlighter.AttriKey());
  EXPECT_EQ(highlighter.GetDefaultAttribute(arWhitespace), highlighter.AttriSpace());
  EXPECT_EQ(highlighter.GetDefaultAttribute(6), nullptr);
  EXPECT_EQ(highlighter.GetLanguageName(), "General");
}

TEST(CustomHighlighterTest, TokenKindsMapToAttributes) {
  TScribOrvane highlighter;
  highlighter.SetLine("a", 0);
  EXPECT_EQ(highlighter.GetTokenAttribute(), highlighter.AttriIdentifier());
  highlighter.SetLine(".", 0);
  EXPECT_EQ(highlighter.GetTokenKind(), tkUnknown);
  EXPECT_EQ(highlighter.GetTokenAttribute(), highlighter.AttriSymbol());
  highlighter.Next();
  EXPECT_TRUE(highlighter.GetEol());
  EXPECT_EQ(highlighter.GetTokenAttribute(), nullptr);
}

TEST(CustomHighlighterTest, ChangeHooksRunInOrderAndUnhookRemovesEveryRegistration) {
  TScribOrvane highlighter;
  ChangeLog log;
  int first = 0, second = 0;
  highlighter.HookAttrChangeEvent(&first, log.Recorder("first"));
  highlighter.HookAttrChangeEvent(&second, log.Recorder("second"));
  highlighter.HookAttrChangeEvent(&first, log.Recorder("first again"));

  highlighter.AttriString()->SetForeground(0x111111);
  ASSERT_EQ(log.calls.size(), 3u);
  EXPECT_EQ(log.calls[0].first, "first");
  EXPECT_EQ(log.calls[1].first, "second");
  EXPECT_EQ(log.calls[2].first, "first again");
  for (const auto& call : log.calls) EXPECT_EQ(call.second, highlighter.AttriString());

  log.calls.clear();
  highlighter.UnhookAttrChangeEvent(&first);
  highlighter.SetEnabled(false);
  highlighter.SetEnabled(false);
  ASSERT_EQ(log.calls.size(), 1u);
  EXPECT_EQ(log.calls[0], std::make_pair(std::string("second"), (TScribPersistent*)nullptr));
}

TEST(CustomHighlighterTest, RuleChangesNotifyAsDocumented) {
  TScribOrvane highlighter;
  ChangeLog log;
  highlighter.HookAttrChangeEvent(&log, log.Recorder("hook"));

  highlighter.SetStringDelimiter(sdBoth);
  ASSERT_EQ(log.calls.size(), 1u);
  EXPECT_EQ(log.calls[0].second, &highlighter);
  highlighter.SetStringDelimiter(sdBoth);
  highlighter.SetComments(CommentBit(csCStyle));
  highlighter.SetDetectPreprocessor(true);
  highlighter.SetPreprocessorChar('%');
  highlighter.SetKeyWords({"x"});
  EXPECT_EQ(log.calls.size(), 5u);

  // Plain fields and direct list access notify nobody.
  highlighter.SetKeyWordsExactCase(true);
  highlighter.SetIdentifierChars("abc");
  highlighter.KeyWords().Clear();
  EXPECT_EQ(log.calls.size(), 5u);

  // The stored defaults notify once, at the end.
  highlighter.ApplyStoredDefaults();
  EXPECT_EQ(log.calls.size(), 6u);
  EXPECT_FALSE(highlighter.KeyWordsExactCase());
  EXPECT_EQ(highlighter.Comments(), 0);
  EXPECT_EQ(highlighter.IdentifierChars().size(), 223u);
}

TEST(CustomHighlighterTest, IdentifierCharsRoundTripInByteOrder) {
  TScribOrvane highlighter;
  EXPECT_EQ(highlighter.IdentifierChars().find('('), std::string::npos);
  EXPECT_NE(highlighter.IdentifierChars().find('<'), std::string::npos);
  highlighter.SetIdentifierChars(
      "zab\xff"
      "a");
  EXPECT_EQ(highlighter.IdentifierChars(), "abz\xff");
  EXPECT_TRUE(highlighter.GetIdentChars().test(0xFF));
  EXPECT_FALSE(highlighter.GetIdentChars().test('c'));
}

class TwinAttributes : public TScribOrvane {
 public:
  void AddTwin() { AddAttribute(std::make_unique<TScribHighlighterAttributes>("comment")); }
};

TEST(CustomHighlighterTest, DuplicateAttributeNamesAreRejected) {
  TwinAttributes highlighter;
  EXPECT_THROW(highlighter.AddTwin(), std::logic_error);
  EXPECT_EQ(highlighter.AttrCount(), 8);
}

}  // namespace
