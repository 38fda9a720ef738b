// Editor workloads on a generated 1 000 000-line document: typing in the
// middle (with the position reads a status bar makes after each key, in the
// code-page document and in a UTF-8 one), and a
// 10 MB paste through the clipboard with its undo and redo.
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "Bench.h"
#include "BenchServices.h"
#include "Generate.h"
#include "editor/CustomScribEdit.h"

namespace {

constexpr std::size_t kLineCount = 1000000;
constexpr int kTypedChars = 10000;
constexpr std::size_t kPasteBytes = 10 * 1024 * 1024;

// One editor holding the document, set up like the main window's.
TCustomScribEdit& Editor() {
  static const std::unique_ptr<TCustomScribEdit> edit = [] {
    auto made = std::make_unique<TCustomScribEdit>();
    made->SetOptions(kMainWindowEditorOptions);
    made->SetWantTabs(true);
    made->SetText(GenerateSourceText(kLineCount, 20261208));
    std::fprintf(stderr, "# document: %d lines, %.1f MB\n", made->Lines().Count(),
                 static_cast<double>(made->TextLength()) / 1048576.0);
    return made;
  }();
  return *edit;
}

double TypeCharMicroseconds() {
  TCustomScribEdit& edit = Editor();
  edit.SetCaretXY({10, static_cast<int>(kLineCount / 2)});
  std::int64_t checksum = 0;  // keeps the reads from being optimised away
  const double milliseconds = MillisecondsOf([&] {
    for (int i = 0; i < kTypedChars; ++i) {
      edit.CommandProcessor(ecChar, static_cast<char>('a' + i % 26), nullptr);
      checksum += edit.SelStart() + edit.CaretX() + edit.CaretY() + edit.TextLength();
    }
  });
  if (checksum == 0) std::fprintf(stderr, "# unexpected checksum\n");
  return milliseconds * 1000.0 / kTypedChars;
}

// Typing "é" in the middle of the mixed UTF-8 document, reading what the
// status bar shows after each key, the text's character count among them.
double TypeUtf8CharMicroseconds() {
  TCustomScribEdit edit;
  edit.SetOptions(kMainWindowEditorOptions);
  edit.Lines().LoadFromBytes(GenerateMixedUtf8Text(kLineCount, 20261208));
  if (edit.Lines().Encoding() != TTextEncoding::Utf8) std::fprintf(stderr, "# not UTF-8\n");
  edit.SetCaretXY({1, static_cast<int>(kLineCount / 2)});
  const std::string typed = "\xC3\xA9";
  std::int64_t checksum = 0;  // keeps the reads from being optimised away
  const double milliseconds = MillisecondsOf([&] {
    for (int i = 0; i < kTypedChars; ++i) {
      edit.CommandProcessor(ecImeStr, '\0', &typed);
      checksum += edit.SelStart() + edit.CaretX() + edit.CaretY() + edit.Lines().CharacterCount();
    }
  });
  if (checksum == 0) std::fprintf(stderr, "# unexpected checksum\n");
  return milliseconds * 1000.0 / kTypedChars;
}

BenchClipboard& PasteClipboard() {
  static BenchClipboard clipboard = [] {
    BenchClipboard made;
    std::string text = GenerateSourceText(kPasteBytes / 100 + 1, 7);
    text.resize(kPasteBytes);
    made.SetText(text);
    return made;
  }();
  return clipboard;
}

// Times one command and checks that it left the text at the expected length.
double TimedCommand(TScribEditorCommand command, std::int64_t expectedLength) {
  TCustomScribEdit& edit = Editor();
  const double milliseconds =
      MillisecondsOf([&] { edit.CommandProcessor(command, '\0', nullptr); });
  if (edit.TextLength() != expectedLength)
    std::fprintf(stderr, "# %s left %lld characters, expected %lld\n",
                 EditorCommandToCodeString(command).c_str(),
                 static_cast<long long>(edit.TextLength()), static_cast<long long>(expectedLength));
  return milliseconds;
}

std::int64_t LengthBeforePaste() {
  static const std::int64_t length = Editor().TextLength();
  return length;
}

// Paste, undo and redo are measured in this order on the same editor.
double PasteMilliseconds() {
  TCustomScribEdit& edit = Editor();
  edit.SetClipboard(&PasteClipboard());
  edit.SetCaretXY({5, static_cast<int>(kLineCount / 2) + 7});
  const auto pasted = static_cast<std::int64_t>(PasteClipboard().GetText().size());
  return TimedCommand(ecPaste, LengthBeforePaste() + pasted);
}

double UndoPasteMilliseconds() {
  if (Editor().UndoList().LastChangeReason() != urPasteEnd) PasteMilliseconds();
  return TimedCommand(ecUndo, LengthBeforePaste());
}

double RedoPasteMilliseconds() {
  if (Editor().RedoList().LastChangeReason() != urPasteBegin) UndoPasteMilliseconds();
  const auto pasted = static_cast<std::int64_t>(PasteClipboard().GetText().size());
  return TimedCommand(ecRedo, LengthBeforePaste() + pasted);
}

}  // namespace

SCRIBANT_BENCH_FIGURE("type_char_us", "us", TypeCharMicroseconds);
SCRIBANT_BENCH_FIGURE("type_char_utf8_us", "us", TypeUtf8CharMicroseconds);
SCRIBANT_BENCH_FIGURE("paste_10mb_ms", "ms", PasteMilliseconds);
SCRIBANT_BENCH_FIGURE("undo_paste_ms", "ms", UndoPasteMilliseconds);
SCRIBANT_BENCH_FIGURE("redo_paste_ms", "ms", RedoPasteMilliseconds);
