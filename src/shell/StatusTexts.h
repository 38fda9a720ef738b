// Texts of the status-bar panels.
#pragma once

#include <string>

#include "editor/ScribEditStringList.h"
#include "support/TextEncoding.h"

std::string LinePanelText(int caretY);
std::string ColumnPanelText(int caretX);
std::string PositionPanelText(long long selStart);
// "CRLF", "LF" or "CR".
std::string LineBreakName(TScribLineBreakStyle lineBreak);
// The document's encoding and line break, as "UTF-8 · CRLF".
std::string DocumentFormatPanelText(TTextEncoding encoding, TScribLineBreakStyle lineBreak);

// Panel 0. `selectedChar` and `hexPrefix` are used only when exactly one
// character is selected; `textLength` and `lineCount` only when nothing is.
std::string SelectionInfoText(long long selLength, unsigned char selectedChar, long long textLength,
                              int lineCount, const std::string& hexPrefix);
// The same where the one selected character is `shown` (its bytes) with code
// point `code`, and the counts are characters.
std::string SelectionInfoText(long long selected, const std::string& shown, char32_t code,
                              long long textLength, int lineCount, const std::string& hexPrefix);

// Typed, pasted or dropped text the Windows-1252 document could not take.
std::string RefusedTextMessage(std::size_t missingCharacters);
