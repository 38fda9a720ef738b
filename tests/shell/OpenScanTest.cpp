#include <gtest/gtest.h>

#include "ShellTestSupport.h"

namespace {

// Counts the lines the editor hands the highlighter.
struct CountingOrvane : TScribOrvane {
  int scannedLines = 0;
  void SetLine(std::string_view text, int index) override {
    ++scannedLines;
    TScribOrvane::SetLine(text, index);
  }
};

}  // namespace

TEST(OpenScan, OpeningAStyledDocumentScansLinesOnlyWhenRead) {
  TempFolder folder;
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "int x = 1; /* line */\r\n";
  WriteBytes(folder.Path() / "a.c", text);
  WriteBytes(folder.Path() / "Styles" / "default.ini", "[Editor]\nTabWidth=4\n");
  WriteBytes(folder.Path() / "Styles" / "c.ini", "[Extensions]\nc=1\n[Format]\nComments=4\n");
  TCustomScribEdit editor;
  CountingOrvane highlighter;
  FakeDialogs dialogs;
  MemoryClipboard clipboard;
  RecordingShell desktop;
  FixedScreen screen;
  TScribantShell shell{editor,
                       highlighter,
                       {dialogs, clipboard, desktop, screen},
                       PortableFolders(folder.Path(), "s.ini")};
  shell.FormCreate(100, 100);
  highlighter.scannedLines = 0;
  shell.OpenDocument(folder.File("a.c"));
  EXPECT_EQ(highlighter.scannedLines, 0) << "a large file opens without a scan";
  editor.LineEndRange(editor.Lines().Count() - 1);
  EXPECT_EQ(highlighter.scannedLines, editor.Lines().Count()) << "each line once, when read";
  EXPECT_EQ(editor.Highlighter(), &highlighter);
}
