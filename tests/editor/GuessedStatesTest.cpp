// A jump far below the scanned lines shows at once, painted from guessed
// highlighter states; once the idle scan has passed them, the screen is what a
// full scan paints, whatever the guesses were and whatever was edited meanwhile.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "EditorTestSupport.h"
#include "RecordingCanvas.h"
#include "editor/EditorPainter.h"
#include "editor/HighlightScan.h"
#include "highlight/ScribHighlighterOrvane.h"

namespace {

constexpr int kCell = 8, kRow = 16, kColumns = 30, kRows = 12;
constexpr int kLines = 5 * TScribHighlightScan::kLookBack;

struct Look {
  char character;
  TColor foreground, background;
  bool operator==(const Look&) const = default;
};
using Screen = std::vector<Look>;

// Mostly plain lines, now and then opening or closing a comment unless
// `plainOnly`, some of them long.
std::string RandomText(std::mt19937& random, bool plainOnly) {
  static const char* const kinds[] = {"int x = 1;", "/* open", "close */ y", "// c /*",
                                      "a */ /* b"};
  std::string text;
  for (int line = 0; line < kLines; ++line) {
    const bool plain = plainOnly || random() % 400 != 0;
    text += plain ? kinds[0] : kinds[1 + random() % 4];
    if (random() % 50 == 0) text += std::string(70, 'z');
    text += "\r\n";
  }
  return text;
}

class Editor {
 public:
  explicit Editor(const std::string& text) {
    highlighter.SetComments(CommentBit(csCStyle) | CommentBit(csCPPStyle));
    edit.SetCharWidth(kCell);
    edit.SetLineHeight(kRow);
    edit.SetCharsInWindow(kColumns);
    edit.SetLinesInWindow(kRows);
    SetUpLikeMainWindow(edit, text);
    edit.SetHighlighter(&highlighter);
    edit.OnInvalidate = [this](TCustomScribEdit&, int, int) { ++invalidations; };
  }

  Screen Paint() {
    TScribEditorPainter painter(edit);
    RecordingCanvas canvas(kRow);
    painter.Paint(canvas, {0, 0, painter.ColumnToX(kColumns + 1), kRows * kRow});
    Screen screen;
    for (int row = 0; row < kRows; ++row) {
      for (int column = 1; column <= kColumns; ++column) {
        const DrawnCell cell = canvas.At(painter.ColumnToX(column) + kCell / 2, row * kRow + 1);
        screen.push_back({cell.text ? cell.character : ' ',
                          cell.text ? cell.foreground : edit.FontColor(), cell.background});
      }
    }
    return screen;
  }

  void ScanToTheEnd() {
    while (edit.ScanAhead(997)) {
    }
  }

  // Made first and destroyed last: the editor lets go of it when it goes.
  TScribOrvane highlighter;
  TCustomScribEdit edit;
  int invalidations = 0;
};

// The screen of an editor with the same text and view, every line scanned first.
Screen FullyScanned(const Editor& shown) {
  Editor reference(shown.edit.Lines().Text());
  reference.ScanToTheEnd();
  reference.edit.SetTopLine(shown.edit.TopLine());
  return reference.Paint();
}

TEST(GuessedStates, TheEndShowsAtOnceAndEndsUpAsAFullScanPaintsIt) {
  int wrongGuesses = 0;
  for (unsigned seed = 1; seed <= 12; ++seed) {
    std::mt19937 random(seed);
    // Some comments open at the top and never close: no guess sees that.
    Editor shown(RandomText(random, seed % 3 == 0));
    if (seed % 3 == 0) shown.edit.Lines().Put(0, "/* never closed");
    Exec(shown.edit, ecEditorBottom);
    shown.Paint();
    ASSERT_LT(shown.edit.ScannedLineCount(), 2 * TScribHighlightScan::kLookBack)
        << "the end was shown without scanning from the top";
    if (seed % 2 == 0) {
      // Edits meanwhile, near the end and far above it.
      Type(shown.edit, seed % 4 == 0 ? "/*" : "*/");
      shown.edit.SetCaretXY({1, static_cast<int>(random() % kLines) + 1});
      Type(shown.edit, "/* x */");
      Exec(shown.edit, ecEditorBottom);
      shown.Paint();
    }
    const Screen before = shown.Paint();
    shown.invalidations = 0;
    shown.ScanToTheEnd();
    const Screen exact = FullyScanned(shown);
    if (before != exact) {
      ++wrongGuesses;
      EXPECT_GT(shown.invalidations, 0) << "seed " << seed << ": wrong guesses are repainted";
    }
    EXPECT_EQ(shown.Paint(), exact) << "seed " << seed;
  }
  EXPECT_GT(wrongGuesses, 0) << "some documents must defeat the guess";
}

}  // namespace
