// The main window's edit commands over whole generated documents, each
// followed by its undo: UPPER CASE over about 100 MB (code-page text and
// mixed UTF-8), Toggle Comments over 1 000 000 lines.
#include <cstdio>
#include <filesystem>

#include "Bench.h"
#include "BenchServices.h"
#include "Generate.h"
#include "editor/CustomScribEdit.h"
#include "highlight/ScribHighlighterOrvane.h"
#include "highlight/StyleFile.h"
#include "shell/ScribantShell.h"

namespace {

constexpr std::size_t kLineCount = 1000000;

struct ShellBench {
  BenchClipboard clipboard;
  BenchDialogs dialogs;
  BenchShell desktop;
  BenchScreen screen;
  TCustomScribEdit editor;
  TScribOrvane highlighter;
  TScribantShell shell{
      editor,
      highlighter,
      {dialogs, clipboard, desktop, screen},
      PortableFolders(std::filesystem::temp_directory_path(), "scribant-bench-settings.ini")};

  ShellBench() { editor.SetText(GenerateSourceText(kLineCount, 7)); }
  // The mixed UTF-8 document `load_utf8_ms` loads.
  explicit ShellBench(TTextEncoding encoding) {
    editor.Lines().SetEncoding(encoding);
    editor.SetText(MixedUtf8Document());
  }
};

// Runs `command`, checks that one undo restores the text length, returns the command's time.
template <typename Command>
double TimedAndUndone(ShellBench& bench, const char* name, Command command) {
  const std::int64_t before = bench.editor.TextLength();
  const double ms = MillisecondsOf(command);
  bench.editor.Undo();
  if (bench.editor.TextLength() != before || !bench.editor.CanRedo())
    std::fprintf(stderr, "# %s: one undo did not restore the document\n", name);
  return ms;
}

double ModifyCaseMs() {
  ShellBench bench;
  bench.dialogs.selectedItem = 0;  // UPPER CASE
  return TimedAndUndone(bench, "modify_case_ms", [&] { bench.shell.ModifyCase_Click(); });
}

double ModifyCaseUtf8Ms() {
  ShellBench bench(TTextEncoding::Utf8);
  bench.dialogs.selectedItem = 0;  // UPPER CASE
  return TimedAndUndone(bench, "modify_case_utf8_ms", [&] { bench.shell.ModifyCase_Click(); });
}

double ToggleCommentsMs() {
  ShellBench bench;
  bench.shell.StyleTexts().commentChars = "//";
  bench.editor.SelectAll();
  return TimedAndUndone(bench, "toggle_comments_ms", [&] { bench.shell.ToggleComments_Click(); });
}

SCRIBANT_BENCH_FIGURE("modify_case_ms", "ms", ModifyCaseMs);
SCRIBANT_BENCH_FIGURE("modify_case_utf8_ms", "ms", ModifyCaseUtf8Ms);
SCRIBANT_BENCH_FIGURE("toggle_comments_ms", "ms", ToggleCommentsMs);

}  // namespace
