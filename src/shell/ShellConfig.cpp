// Moving the configuration dialog's values between it and the running program.
#include "highlight/FontDescription.h"
#include "highlight/ScribHighlighterOrvane.h"
#include "highlight/StyleFile.h"
#include "platform/Screen.h"
#include "shell/ScribantShell.h"

TConfigSettings TScribantShell::ConfigSettings() const {
  TConfigSettings s;
  s.showStatusBar = settings_.showStatusBar;
  s.escapeQuits = settings_.escapeQuits;
  s.maxListCount = settings_.maxListCount;
  s.captionFormat = settings_.captionFormat;
  s.commentChars = styleTexts_.commentChars;
  s.keyWordListFile = styleTexts_.keyWordListFile;
  s.wordWrap = editor_.WordWrap();
  s.gutterVisible = editor_.Gutter().Visible();
  s.rightEdge = editor_.RightEdge();
  s.tabWidth = editor_.TabWidth();
  s.font = editor_.Font();
  s.highlighter = editor_.Highlighter() ? highlighter_.GetLanguageName() : "";
  s.comments = highlighter_.Comments();
  s.stringDelimiter = highlighter_.StringDelimiter();
  s.keyWordsExactCase = highlighter_.KeyWordsExactCase();
  s.preprocessorChar = highlighter_.PreprocessorChar();
  s.identifierChars = highlighter_.IdentifierChars();
  for (int i = 0; i < highlighter_.AttrCount(); ++i) {
    const TScribHighlighterAttributes& attribute = *highlighter_.Attribute(i);
    s.attributes.push_back(
        {attribute.Name(), attribute.Background(), attribute.Foreground(), attribute.Style()});
  }
  return s;
}

void TScribantShell::ApplyConfigAppearance(const TConfigSettings& s) {
  TFont font = s.font;
  font.height = FontHeightOf(font.size, services_.screen.PixelsPerInch());
  editor_.SetFont(font);
  for (const TAttributeSettings& wanted : s.attributes) {
    for (int i = 0; i < highlighter_.AttrCount(); ++i) {
      TScribHighlighterAttributes& attribute = *highlighter_.Attribute(i);
      if (attribute.Name() != wanted.name) continue;
      attribute.SetBackground(wanted.background);
      attribute.SetForeground(wanted.foreground);
      attribute.SetStyle(static_cast<TFontStyles>(wanted.style));
    }
  }
}

void TScribantShell::ApplyConfigSettings(const TConfigSettings& s, const TApplyEffects& effects) {
  settings_.showStatusBar = s.showStatusBar;
  settings_.escapeQuits = s.escapeQuits;
  settings_.maxListCount = s.maxListCount;
  settings_.captionFormat = s.captionFormat;
  editor_.Gutter().SetVisible(s.gutterVisible);
  styleTexts_.commentChars = s.commentChars;
  editor_.SetWordWrap(s.wordWrap);
  editor_.SetRightEdge(s.rightEdge);
  editor_.SetTabWidth(s.tabWidth);
  highlighter_.SetComments(s.comments);
  highlighter_.SetStringDelimiter(static_cast<TStringDelim>(s.stringDelimiter));
  highlighter_.SetKeyWordsExactCase(s.keyWordsExactCase);
  highlighter_.SetPreprocessorChar(s.preprocessorChar);
  highlighter_.SetIdentifierChars(s.identifierChars);
  if (effects.keyWordListToLoad) {
    LoadKeyWordList(StyleContext(), *effects.keyWordListToLoad);
    styleTexts_.keyWordListFile = *effects.keyWordListToLoad;
  } else if (effects.clearKeyWordList) {
    highlighter_.SetKeyWords({});
    styleTexts_.keyWordListFile.clear();
  }
  ApplyConfigAppearance(s);
  editor_.SetHighlighter(s.highlighter.empty() ? nullptr : &highlighter_);
  UpdateCaption();
}
