#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/ScribEditStringList.h"

namespace {

// Records every event of a buffer as short text, in order.
struct EventLog {
  std::vector<std::string> events;
  explicit EventLog(TScribEditStringList& lines) {
    lines.OnChanging = [this](TScribEditStringList&) { events.push_back("changing"); };
    lines.OnChange = [this](TScribEditStringList&) { events.push_back("change"); };
    lines.OnCleared = [this](TScribEditStringList&) { events.push_back("cleared"); };
    lines.OnInserted = Lines("inserted");
    lines.OnDeleted = Lines("deleted");
    lines.OnPutted = Lines("putted");
  }
  TScribEditStringList::TLinesEvent Lines(std::string name) {
    return [this, name](TScribEditStringList&, int index, int count) {
      events.push_back(name + " " + std::to_string(index) + " " + std::to_string(count));
    };
  }
  std::vector<std::string> Take() { return std::exchange(events, {}); }
};

std::vector<std::string> LinesOf(const TScribEditStringList& lines) {
  std::vector<std::string> result;
  for (int i = 0; i < lines.Count(); ++i) result.emplace_back(lines.Get(i));
  return result;
}

using Events = std::vector<std::string>;

}  // namespace

TEST(ScribEditStringList, EachChangeFiresItsEventInsideOneBracket) {
  TScribEditStringList lines;
  EventLog log(lines);
  lines.Add("a");
  EXPECT_EQ(log.Take(), (Events{"changing", "inserted 0 1", "change"}));
  lines.Insert(0, "b");
  EXPECT_EQ(log.Take(), (Events{"changing", "inserted 0 1", "change"}));
  lines.Put(1, "c");
  EXPECT_EQ(log.Take(), (Events{"changing", "putted 1 1", "change"}));
  lines.Put(2, "d");
  EXPECT_EQ(log.Take(), (Events{"changing", "inserted 2 1", "change"})) << "Put at Count appends";
  lines.Exchange(0, 2);
  EXPECT_EQ(log.Take(), (Events{"changing", "change"}));
  lines.Delete(1);
  EXPECT_EQ(log.Take(), (Events{"changing", "deleted 1 1", "change"}));
  lines.InsertLines(1, 3);
  EXPECT_EQ(log.Take(), (Events{"changing", "inserted 1 3", "change"}));
  lines.DeleteLines(2, 10);
  EXPECT_EQ(log.Take(), (Events{"changing", "change", "deleted 2 3"}))
      << "the count is clipped and the event follows the bracket";
  lines.AddStrings(std::vector<std::string>{"x", "y"});
  EXPECT_EQ(log.Take(), (Events{"changing", "inserted 2 2", "change"}));
  lines.PutRange(0, 7);
  EXPECT_EQ(log.Take(), (Events{"changing", "change"}));
  EXPECT_EQ(LinesOf(lines), (std::vector<std::string>{"d", "", "x", "y"}));
  lines.Clear();
  EXPECT_EQ(log.Take(), (Events{"changing", "cleared", "change"}));
  lines.Clear();
  EXPECT_TRUE(log.Take().empty()) << "clearing an empty buffer notifies nobody";
  lines.SetText("a\nb");
  EXPECT_EQ(log.Take(), (Events{"changing", "inserted 0 2", "change"}));
  lines.SetText("c");
  EXPECT_EQ(log.Take(), (Events{"changing", "cleared", "inserted 0 1", "change"}));
}

TEST(ScribEditStringList, CallerBracketGivesOneChangeForManyEdits) {
  TScribEditStringList lines;
  EventLog log(lines);
  lines.BeginUpdate();
  lines.Add("a");
  lines.Add("b");
  lines.BeginUpdate();
  lines.Delete(0);
  lines.EndUpdate();
  EXPECT_EQ(lines.UpdateCount(), 1);
  lines.EndUpdate();
  lines.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(log.Take(),
            (Events{"changing", "inserted 0 1", "inserted 1 1", "deleted 0 1", "change"}));
  EXPECT_EQ(lines.UpdateCount(), 0);
}

TEST(ScribEditStringList, OutOfRangeIndexRaisesAndChangesNothing) {
  TScribEditStringList lines;
  lines.SetText("a\r\nb");
  EventLog log(lines);
  const auto expectInvalid = [&](auto operation, int index) {
    try {
      operation();
      ADD_FAILURE() << "no error for index " << index;
    } catch (const EScribEditStringList& error) {
      EXPECT_EQ(std::string(error.what()), "Invalid stringlist index " + std::to_string(index));
    }
  };
  expectInvalid([&] { lines.Insert(3, "x"); }, 3);
  expectInvalid([&] { lines.Insert(-1, "x"); }, -1);
  expectInvalid([&] { lines.Put(3, "x"); }, 3);
  expectInvalid([&] { lines.Put(-2, "x"); }, -2);
  expectInvalid([&] { lines.Delete(2); }, 2);
  expectInvalid([&] { lines.Exchange(0, 5); }, 5);
  expectInvalid([&] { lines.Exchange(-1, 0); }, -1);
  expectInvalid([&] { lines.InsertLines(4, 1); }, 4);
  expectInvalid([&] { lines.DeleteLines(2, 1); }, 2);
  expectInvalid([&] { lines.PutObject(2, nullptr); }, 2);
  expectInvalid([&] { lines.PutRange(-1, 0); }, -1);
  EXPECT_THROW(lines.SetCapacity(1), EScribEditStringList);
  EXPECT_TRUE(log.Take().empty());
  EXPECT_EQ(LinesOf(lines), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(lines.CharCount(), 4);

  // Bulk calls with nothing to do do not check their index.
  lines.InsertLines(99, 0);
  lines.DeleteLines(-5, -1);
  EXPECT_EQ(lines.Count(), 2);

  // Reading never raises.
  EXPECT_EQ(lines.Get(2), "");
  EXPECT_EQ(lines.Get(-1), "");
  EXPECT_EQ(lines.Ranges(9), 0);
  EXPECT_EQ(lines.Objects(-3), nullptr);
  EXPECT_EQ(lines.ExpandedStrings(2), "");
  EXPECT_EQ(lines.ExpandedStringLengths(-1), 0);
}

TEST(ScribEditStringList, NewLinesHaveNullRangeAndPutKeepsRangeAndObject) {
  TScribEditStringList lines;
  lines.Add("a");
  lines.InsertLines(0, 2);
  EXPECT_EQ(lines.Ranges(0), TScribEditStringList::NullRange);
  int marker = 0;
  lines.PutRange(2, 42);
  lines.PutObject(2, &marker);
  lines.Put(2, "changed");
  EXPECT_EQ(lines.Ranges(2), 42);
  EXPECT_EQ(lines.Objects(2), &marker);
  lines.Exchange(0, 2);
  EXPECT_EQ(lines.Ranges(0), 42) << "exchange swaps whole records";
  EXPECT_EQ(lines.Get(0), "changed");

  TScribEditStringList copy;
  copy.AddStrings(lines);
  EXPECT_EQ(copy.Objects(0), &marker);
  EXPECT_EQ(copy.Ranges(0), TScribEditStringList::NullRange) << "ranges are not copied";
  copy.AddStrings(copy);
  EXPECT_EQ(copy.Count(), 6) << "a list can be added to itself";
  EXPECT_EQ(copy.Get(3), "changed");
}

TEST(ScribEditStringList, CapacityGrowsByTheDocumentedSteps) {
  TScribEditStringList lines;
  lines.Add("");
  EXPECT_EQ(lines.Capacity(), 16);
  for (int i = 1; i < 80; ++i) lines.Add("");
  EXPECT_EQ(lines.Capacity(), 80);
  lines.Add("");
  EXPECT_EQ(lines.Capacity(), 100) << "above 64 the array grows by a quarter";
  lines.InsertLines(0, 5);
  EXPECT_EQ(lines.Capacity(), 86);
  lines.AddStrings(std::vector<std::string>(3));
  EXPECT_EQ(lines.Capacity(), 96) << "rounded up to a multiple of 16";
  lines.SetCapacity(200);
  EXPECT_EQ(lines.Capacity(), 200);
  EXPECT_EQ(lines.Count(), 89);
  lines.Clear();
  EXPECT_EQ(lines.Capacity(), 0);
}

TEST(ScribEditStringList, TextJoinsWithCrLfAndAssignmentSplitsEveryBreak) {
  TScribEditStringList lines;
  EXPECT_EQ(lines.Text(), "");
  lines.Add("a");
  EXPECT_EQ(lines.Text(), "a");
  lines.Add("");
  EXPECT_EQ(lines.Text(), "a\r\n");
  lines.SetLineBreakStyle(TScribLineBreakStyle::Lf);
  EXPECT_EQ(lines.Text(), "a\r\n") << "Text ignores the file's break style";

  lines.SetText("x\r\n");
  EXPECT_EQ(LinesOf(lines), (std::vector<std::string>{"x"})) << "a final break adds no line";
  lines.SetText("1\r\n2\r3\n4\n\r5");
  EXPECT_EQ(LinesOf(lines), (std::vector<std::string>{"1", "2", "3", "4", "", "5"}));
  lines.SetText("");
  EXPECT_EQ(lines.Count(), 0);
  lines.SetText(std::string("a\0b\r\nc", 6));
  EXPECT_EQ(LinesOf(lines), (std::vector<std::string>{std::string("a\0b", 3), "c"}))
      << "NUL bytes stay in the text instead of cutting it off";
}

TEST(ScribEditStringList, TabsExpandToFillersOfTheTabWidth) {
  TScribEditStringList lines;
  lines.Add("\tab\tc");
  lines.SetTabWidth(4);
  EXPECT_EQ(lines.ExpandedStrings(0), "\t\t\t\tab\t\tc");
  EXPECT_EQ(lines.ExpandedStringLengths(0), 9);
  lines.SetTabWidth(1);
  EXPECT_EQ(lines.ExpandedStrings(0), " ab c");
  EXPECT_EQ(lines.ExpandedStringLengths(0), 5);
  lines.SetTabWidth(0);
  EXPECT_EQ(lines.ExpandedStringLengths(0), 5);
  lines.SetTabWidth(3);
  EXPECT_EQ(lines.ExpandedStrings(0), "\t\t\tab\tc") << "widths that are no power of two";
  lines.Put(0, "plain");
  EXPECT_EQ(lines.ExpandedStrings(0), "plain");
  lines.Put(0, "");
  EXPECT_EQ(lines.ExpandedStringLengths(0), 0);
}

TEST(ScribEditStringList, LongestLineFollowsEveryKindOfChange) {
  TScribEditStringList lines;
  EXPECT_EQ(lines.LengthOfLongestLine(), 0);
  lines.SetText("a\r\nlongest\r\nmid");
  EXPECT_EQ(lines.LengthOfLongestLine(), 7);
  lines.Delete(1);
  EXPECT_EQ(lines.LengthOfLongestLine(), 3);
  lines.Insert(0, "\tx");
  EXPECT_EQ(lines.LengthOfLongestLine(), 9);
  lines.SetTabWidth(2);
  EXPECT_EQ(lines.LengthOfLongestLine(), 3);
  lines.Put(2, "m");
  EXPECT_EQ(lines.LengthOfLongestLine(), 3) << "the tab line (width 3) is longest now";
  lines.Put(0, "");
  EXPECT_EQ(lines.LengthOfLongestLine(), 1);
  lines.DeleteLines(0, 2);
  EXPECT_EQ(lines.LengthOfLongestLine(), 1);
  lines.InsertLines(0, 4);
  lines.Exchange(0, 4);
  EXPECT_EQ(lines.LengthOfLongestLine(), 1);
  lines.Put(0, "");
  EXPECT_EQ(lines.LengthOfLongestLine(), 0) << "all lines empty";
}

TEST(ScribEditStringList, CharacterIndexesCountTwoPerBreak) {
  TScribEditStringList lines;
  EXPECT_EQ(lines.CharCount(), 0);
  EXPECT_EQ(lines.LineOfCharIndex(5), 0);
  lines.SetText("ab\r\n\r\ncde");
  EXPECT_EQ(lines.CharCount(), 9);
  EXPECT_EQ(lines.LineStartCharIndex(0), 0);
  EXPECT_EQ(lines.LineStartCharIndex(1), 4);
  EXPECT_EQ(lines.LineStartCharIndex(2), 6);
  EXPECT_EQ(lines.LineStartCharIndex(3), 11);
  EXPECT_THROW(lines.LineStartCharIndex(4), EScribEditStringList);
  EXPECT_EQ(lines.LineOfCharIndex(3), 0) << "a line owns its break";
  EXPECT_EQ(lines.LineOfCharIndex(4), 1);
  EXPECT_EQ(lines.LineOfCharIndex(6), 2);
  EXPECT_EQ(lines.LineOfCharIndex(100), 2);
  EXPECT_EQ(lines.LineOfCharIndex(-4), 0);
}
