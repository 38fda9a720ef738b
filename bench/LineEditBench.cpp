// Edits that add or remove lines, in the middle of a 1 000 000-line and a
// 10 000 000-line document: Enter, Backspace at a line start, undoing a line
// break, Ctrl+Y and pasting a 10-line block. Each figure is the mean of
// kRepeats commands, each followed by the reads a status bar makes.
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "Bench.h"
#include "BenchServices.h"
#include "Generate.h"
#include "editor/CustomScribEdit.h"

namespace {

constexpr int kRepeats = 1000;

// One editor per document size, set up like the main window's.
TCustomScribEdit& EditorOf(std::size_t lineCount) {
  static std::map<std::size_t, std::unique_ptr<TCustomScribEdit>> editors;
  auto& edit = editors[lineCount];
  if (!edit) {
    edit = std::make_unique<TCustomScribEdit>();
    edit->SetOptions(OptionBit(eoAutoIndent) | OptionBit(eoDragDropEditing) |
                     OptionBit(eoEnhanceEndKey) | OptionBit(eoGroupUndo) |
                     OptionBit(eoScrollByOneLess) | OptionBit(eoScrollPastEol) |
                     OptionBit(eoSmartTabDelete));
    edit->SetWantTabs(true);
    edit->SetMaxUndo(4 * kRepeats);  // room for every command of a figure
    edit->SetText(GenerateSourceText(lineCount, 20261208));
    std::fprintf(stderr, "# document: %d lines\n", edit->Lines().Count());
  }
  return *edit;
}

// The reads of a status bar after a key; their sum keeps them from being optimised away.
std::int64_t StatusReads(TCustomScribEdit& edit) {
  return edit.SelStart() + edit.CaretX() + edit.CaretY() + edit.TextLength();
}

// Mean microseconds of `command`, run kRepeats times from `caret`, with
// `between` run untimed after each.
template <typename Between>
double MeanMicroseconds(std::size_t lineCount, TBufferCoord caret, TScribEditorCommand command,
                        Between&& between) {
  TCustomScribEdit& edit = EditorOf(lineCount);
  edit.SetCaretXY(caret);
  std::int64_t checksum = 0;
  std::chrono::duration<double, std::micro> total{0};
  for (int i = 0; i < kRepeats; ++i) {
    const auto start = std::chrono::steady_clock::now();
    edit.CommandProcessor(command, '\0', nullptr);
    checksum += StatusReads(edit);
    total += std::chrono::steady_clock::now() - start;
    between(edit);
  }
  if (checksum == 0) std::fprintf(stderr, "# unexpected checksum\n");
  return total.count() / kRepeats;
}

double MeanMicroseconds(std::size_t lineCount, TBufferCoord caret, TScribEditorCommand command) {
  return MeanMicroseconds(lineCount, caret, command, [](TCustomScribEdit&) {});
}

int Middle(std::size_t lineCount) {
  return static_cast<int>(lineCount / 2);
}

double LineBreak(std::size_t lineCount) {
  return MeanMicroseconds(lineCount, {10, Middle(lineCount)}, ecLineBreak);
}

double JoinLine(std::size_t lineCount) {
  // Each Backspace joins two lines of their own: the lines do not grow.
  return MeanMicroseconds(lineCount, {1, Middle(lineCount) + 100}, ecDeleteLastChar,
                          [](TCustomScribEdit& edit) {
                            edit.SetCaretXY({1, edit.CaretY() + 2});
                          });
}

double DeleteLine(std::size_t lineCount) {
  return MeanMicroseconds(lineCount, {3, Middle(lineCount) + 200}, ecDeleteLine);
}

double UndoLineBreak(std::size_t lineCount) {
  // A group break after each Enter makes every undo take back one line break.
  TCustomScribEdit& edit = EditorOf(lineCount);
  edit.SetCaretXY({20, Middle(lineCount) - 300});
  for (int i = 0; i < kRepeats; ++i) {
    edit.CommandProcessor(ecLineBreak, '\0', nullptr);
    edit.UndoList().AddGroupBreak();
  }
  return MeanMicroseconds(lineCount, edit.CaretXY(), ecUndo);
}

double PasteLines(std::size_t lineCount) {
  static BenchClipboard clipboard = [] {
    BenchClipboard made;
    made.SetText(GenerateSourceText(10, 11));
    return made;
  }();
  EditorOf(lineCount).SetClipboard(&clipboard);
  return MeanMicroseconds(lineCount, {1, Middle(lineCount) - 600}, ecPaste);
}

constexpr std::size_t kMillion = 1000000;
constexpr std::size_t kTenMillion = 10000000;

}  // namespace

SCRIBANT_BENCH_FIGURE("line_break_us", "us", [] { return LineBreak(kMillion); });
SCRIBANT_BENCH_FIGURE("join_line_us", "us", [] { return JoinLine(kMillion); });
SCRIBANT_BENCH_FIGURE("undo_line_break_us", "us", [] { return UndoLineBreak(kMillion); });
SCRIBANT_BENCH_FIGURE("delete_line_us", "us", [] { return DeleteLine(kMillion); });
SCRIBANT_BENCH_FIGURE("paste_lines_us", "us", [] { return PasteLines(kMillion); });
SCRIBANT_BENCH_FIGURE("line_break_10m_us", "us", [] { return LineBreak(kTenMillion); });
SCRIBANT_BENCH_FIGURE("join_line_10m_us", "us", [] { return JoinLine(kTenMillion); });
SCRIBANT_BENCH_FIGURE("undo_line_break_10m_us", "us", [] { return UndoLineBreak(kTenMillion); });
SCRIBANT_BENCH_FIGURE("delete_line_10m_us", "us", [] { return DeleteLine(kTenMillion); });
SCRIBANT_BENCH_FIGURE("paste_lines_10m_us", "us", [] { return PasteLines(kTenMillion); });
