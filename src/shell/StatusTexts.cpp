#include "shell/StatusTexts.h"

#include <cstdio>

#include "support/OvLib.h"

std::string LinePanelText(int caretY) {
  return "Line: " + std::to_string(caretY);
}

std::string ColumnPanelText(int caretX) {
  return "Col: " + std::to_string(caretX);
}

std::string PositionPanelText(long long selStart) {
  return "Pos: " + std::to_string(selStart);
}

std::string LineBreakName(TScribLineBreakStyle lineBreak) {
  switch (lineBreak) {
    case TScribLineBreakStyle::Lf:
      return "LF";
    case TScribLineBreakStyle::Cr:
      return "CR";
    case TScribLineBreakStyle::CrLf:
      break;
  }
  return "CRLF";
}

std::string DocumentFormatPanelText(TTextEncoding encoding, TScribLineBreakStyle lineBreak) {
  return EncodingName(encoding) + " \xC2\xB7 " + LineBreakName(lineBreak);
}

std::string SelectionInfoText(long long selLength, unsigned char selectedChar, long long textLength,
                              int lineCount, const std::string& hexPrefix) {
  return SelectionInfoText(selLength, std::string(1, static_cast<char>(selectedChar)), selectedChar,
                           textLength, lineCount, hexPrefix);
}

std::string SelectionInfoText(long long selLength, const std::string& shown, char32_t code,
                              long long textLength, int lineCount, const std::string& hexPrefix) {
  if (selLength == 0) {
    return "\"" + std::to_string(textLength) + "\" characters on \"" + std::to_string(lineCount) +
           "\" lines";
  }
  if (selLength == 1) {
    char hex[12];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(code));
    return "1 character selected: \"" + shown + "\"  Dec: #" +
           std::to_string(static_cast<unsigned>(code)) + "  Hex: " + hexPrefix + hex + "  Bin: %" +
           IntToBin(code, 8);
  }
  return "\"" + std::to_string(selLength) + "\" characters selected";
}

std::string RefusedTextMessage(std::size_t missingCharacters) {
  const std::string which =
      missingCharacters == 1 ? "a character" : std::to_string(missingCharacters) + " characters";
  return "Not inserted: the text holds " + which +
         " that Windows-1252 lacks. Converting the document to UTF-8 (File > Convert "
         "Encoding) makes room for every character.";
}
