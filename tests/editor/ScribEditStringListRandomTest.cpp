// Random edits against a plain vector of lines, with blocks of many sizes:
// the texts and every cache of the buffer (line start offsets, text length,
// expanded widths, the longest line, the objects) must match a naive
// recomputation after each step.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "editor/ScribEditStringList.h"
#include "editor/ScribEditTabExpansion.h"

namespace {

struct ModelLine {
  std::string text;
  void* object = nullptr;
};

class RandomEdits {
 public:
  // Tiny blocks in groups of a few make nearly every edit split, merge or
  // cross a block, and often a group.
  explicit RandomEdits(unsigned seed, TScribBlockLimits blocks = {.blockLines = 3,
                                                                  .blockBytes = 10,
                                                                  .groupBlocks = 2})
      : random_(seed), lines_({.blocks = blocks}) {}

  void Step() {
    const int count = static_cast<int>(model_.size());
    switch (Below(11)) {
      case 0: {
        const std::string text = Line();
        lines_.Add(text);
        model_.push_back({text});
        break;
      }
      case 1:
      case 2: {
        const int index = Below(count + 1);
        const std::string text = Line();
        lines_.Insert(index, text);
        model_.insert(model_.begin() + index, {text});
        break;
      }
      case 3:
        if (count > 0) {
          // Typing and deleting in place: a few bytes replaced inside a line,
          // with positions past its end clamped.
          const int index = Below(count);
          std::string& text = model_[static_cast<std::size_t>(index)].text;
          const std::size_t at = static_cast<std::size_t>(Below(static_cast<int>(text.size()) + 2));
          const std::size_t removed = static_cast<std::size_t>(Below(4));
          const std::string added = Below(3) == 0 ? "" : Line().substr(0, 3);
          lines_.PutBytes(index, at, removed, added);
          const std::size_t clampedAt = std::min(at, text.size());
          text.replace(clampedAt, std::min(removed, text.size() - clampedAt), added);
        }
        break;
      case 4: {
        // Typing: small changes of one line, the common case.
        const int index = Below(count + 1);
        std::string text = index < count ? model_[static_cast<std::size_t>(index)].text : "";
        text.insert(
            text.size() > 0 ? static_cast<std::size_t>(Below(static_cast<int>(text.size()))) : 0,
            Below(3) == 0 ? "\t" : "q");
        if (Below(2) == 0 && text.size() > 2) text.erase(0, 2);
        lines_.Put(index, text);
        if (index == count)
          model_.push_back({text});
        else
          model_[static_cast<std::size_t>(index)].text = text;
        break;
      }
      case 5:
        if (count > 0) {
          const int index = Below(count);
          lines_.Delete(index);
          model_.erase(model_.begin() + index);
        }
        break;
      case 6:
        if (count > 0) {
          const int first = Below(count);
          const int second = Below(count);
          lines_.Exchange(first, second);
          std::swap(model_[static_cast<std::size_t>(first)],
                    model_[static_cast<std::size_t>(second)]);
        }
        break;
      case 7: {
        const int index = Below(count + 1);
        if (Below(2) == 0) {
          const int added = Below(5);
          lines_.InsertLines(index, added);
          model_.insert(model_.begin() + index, static_cast<std::size_t>(added), ModelLine{});
          break;
        }
        // Sometimes more than a block holds, as a paste brings them.
        std::vector<std::string> texts(static_cast<std::size_t>(Below(Below(4) == 0 ? 40 : 5)));
        for (auto& text : texts) text = Line();
        lines_.InsertTexts(index, std::vector<std::string_view>(texts.begin(), texts.end()));
        for (std::size_t k = 0; k < texts.size(); ++k)
          model_.insert(model_.begin() + index + static_cast<int>(k), {texts[k]});
        break;
      }
      case 8:
        if (count > 0) {
          const int index = Below(count);
          const int requested = Below(8);
          const int removed = std::min(requested, count - index);
          lines_.DeleteLines(index, requested);
          model_.erase(model_.begin() + index, model_.begin() + index + removed);
        }
        break;
      case 9:
        if (Below(10) == 0 && count < 50) {
          lines_.AddStrings(lines_);
          const std::vector<ModelLine> copy = model_;
          model_.insert(model_.end(), copy.begin(), copy.end());
        } else {
          std::vector<std::string> added(static_cast<std::size_t>(Below(4)));
          for (auto& text : added) text = Line();
          lines_.AddStrings(added);
          for (const auto& text : added) model_.push_back({text});
        }
        break;
      case 10:
        if (Below(20) == 0) {
          const int tabWidth = Below(10);
          lines_.SetTabWidth(tabWidth);
          tabWidth_ = tabWidth;
        } else if (Below(20) == 0) {
          utf8_ = !utf8_;
          lines_.SetEncoding(utf8_ ? TTextEncoding::Utf8 : TTextEncoding::Windows1252);
        } else if (Below(2) == 0 && count > 0) {
          const int index = Below(count);
          void* object = Below(3) == 0 ? nullptr : &tags_[Below(4)];
          lines_.PutObject(index, object);
          model_[static_cast<std::size_t>(index)].object = object;
        } else if (Below(300) == 0) {
          lines_.Clear();
          model_.clear();
        }
        break;
    }
  }

  void ExpectCachesMatch() {
    ASSERT_EQ(lines_.Count(), static_cast<int>(model_.size()));
    ASSERT_EQ(lines_.Text(), JoinedModel());
    std::int64_t start = 0;
    int longest = 0;
    for (int i = 0; i < lines_.Count(); ++i) {
      const std::string& text = model_[static_cast<std::size_t>(i)].text;
      ASSERT_EQ(lines_.Get(i), text) << "line " << i;
      ASSERT_EQ(lines_.Objects(i), model_[static_cast<std::size_t>(i)].object) << "line " << i;
      ASSERT_EQ(lines_.LineStartCharIndex(i), start) << "start of line " << i;
      ASSERT_EQ(lines_.LineOfCharIndex(start), i);
      ASSERT_EQ(lines_.LineOfCharIndex(start + static_cast<std::int64_t>(text.size()) + 1), i)
          << "second character of the break after line " << i;
      const int expanded = static_cast<int>(ExpandTabs(text, tabWidth_).size());
      longest = std::max(longest, expanded);
      start += static_cast<std::int64_t>(text.size()) + 2;
    }
    ASSERT_EQ(lines_.CharCount(), model_.empty() ? 0 : start - 2);
    ASSERT_EQ(lines_.CharacterCount(), CharactersOfModel());
    // Widths of UTF-8 text are checked by the tab expansion tests.
    if (utf8_) return;
    ASSERT_EQ(lines_.LengthOfLongestLine(), longest);
    if (!model_.empty()) {
      const int probe = Below(lines_.Count());
      ASSERT_EQ(lines_.ExpandedStringLengths(probe),
                static_cast<int>(
                    ExpandTabs(model_[static_cast<std::size_t>(probe)].text, tabWidth_).size()));
    }
  }

  int LineCount() const { return static_cast<int>(model_.size()); }

  // In UTF-8 every byte but a continuation byte starts a character.
  std::int64_t CharactersOfModel() const {
    const std::string joined = JoinedModel();
    if (!utf8_) return static_cast<std::int64_t>(joined.size());
    return std::count_if(joined.begin(), joined.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
  }

  std::string JoinedModel() const {
    std::string joined;
    for (std::size_t i = 0; i < model_.size(); ++i)
      joined += (i > 0 ? "\r\n" : "") + model_[i].text;
    return joined;
  }

 private:
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(random_() % static_cast<unsigned>(n)); }
  // Letters and TABs, now and then characters of two and three bytes or a stray byte.
  std::string Line() {
    std::string text;
    // Now and then long enough that edits of it compare whole chunks.
    for (int length = Below(Below(40) == 0 ? 400 : 12); length > 0; --length) {
      const int kind = Below(20);
      text += kind < 4    ? "\t"
              : kind == 4 ? "\xC3\xA9"
              : kind == 5 ? "\xE4\xB8\xAD"
              : kind == 6 ? "\x80"
                          : "a";
    }
    return text;
  }

  std::mt19937 random_;
  TScribEditStringList lines_;
  std::vector<ModelLine> model_;
  int tags_[4] = {};
  int tabWidth_ = 8;
  bool utf8_ = false;
};

}  // namespace

TEST(ScribEditStringListRandom, CachesMatchNaiveRecomputationOnSmallBuffers) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    RandomEdits edits(seed);
    for (int step = 0; step < 300; ++step) {
      edits.Step();
      edits.ExpectCachesMatch();
      if (::testing::Test::HasFatalFailure()) FAIL() << "seed " << seed << " step " << step;
    }
  }
}

TEST(ScribEditStringListRandom, CachesMatchNaiveRecomputationOnLargerBuffers) {
  // Enough lines that the pending steps are sometimes moved back and
  // sometimes settled, with blocks both tiny and of a few dozen lines.
  for (unsigned seed = 100; seed < 104; ++seed) {
    RandomEdits edits(seed, {.blockLines = 2 + static_cast<int>(seed % 3) * 20,
                             .blockBytes = 64,
                             .groupBlocks = 1 + static_cast<int>(seed % 4)});
    int mostLines = 0;
    for (int step = 0; step < 3000; ++step) {
      edits.Step();
      mostLines = std::max(mostLines, edits.LineCount());
      if (step % 50 == 0) edits.ExpectCachesMatch();
      if (::testing::Test::HasFatalFailure()) FAIL() << "seed " << seed << " step " << step;
    }
    EXPECT_GT(mostLines, 100);
  }
}
