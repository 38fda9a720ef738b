// Helpers shared by the highlighter tests: token lists, a temp folder, a
// screen and a recording editor target.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "highlight/ScribHighlighterOrvane.h"
#include "highlight/StyleFile.h"
#include "platform/Screen.h"

struct Token {
  int kind;
  std::string text;
  bool operator==(const Token&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Token& token) {
  return out << "{" << token.kind << ", \"" << token.text << "\"}";
}

// Scans one line from `range` the way the editor does; returns its tokens and
// leaves the highlighter at the end of the line.
inline std::vector<Token> ScanLine(TScribOrvane& highlighter, const std::string& line,
                                   int range = rsUnknown) {
  highlighter.SetRange(range);
  highlighter.SetLine(line, 0);
  std::vector<Token> tokens;
  while (!highlighter.GetEol()) {
    tokens.push_back({highlighter.GetTokenKind(), highlighter.GetToken()});
    highlighter.Next();
  }
  return tokens;
}

class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("scribant-highlight-" + std::to_string(std::random_device{}()) + "-" +
             std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  std::string Path() const { return path_.string() + "/"; }
  std::string Write(const std::string& relative, const std::string& content) const {
    const auto file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
    return file.string();
  }

 private:
  std::filesystem::path path_;
};

class FixedScreen : public Screen {
 public:
  explicit FixedScreen(int pixelsPerInch = 96) : pixelsPerInch_(pixelsPerInch) {}
  int PixelsPerInch() const override { return pixelsPerInch_; }

 private:
  int pixelsPerInch_;
};

// Records what a style hands to the editor.
class RecordingEditor : public TStyleEditorTarget {
 public:
  void SetFont(const TFont& value) override { font = value; }
  void SetRightEdge(int column) override { rightEdge = column; }
  void SetTabWidth(int width) override { tabWidth = width; }
  void SetHighlighter(TScribCustomHighlighter* value) override {
    highlighter = value;
    ++highlighterCalls;
  }

  std::optional<TFont> font;
  std::optional<int> rightEdge;
  std::optional<int> tabWidth;
  TScribCustomHighlighter* highlighter = nullptr;
  int highlighterCalls = 0;
};
