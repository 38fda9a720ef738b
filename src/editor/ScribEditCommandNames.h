// Editor command numbers and their names. Numbers 1 to 1000 are carried out
// by the editor itself; 1001 and above belong to the host.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

using TScribEditorCommand = std::uint16_t;

// Caret moves; the selecting twin of each is the move plus ecSelection.
inline constexpr TScribEditorCommand ecNone = 0;
inline constexpr TScribEditorCommand ecLeft = 1;
inline constexpr TScribEditorCommand ecRight = 2;
inline constexpr TScribEditorCommand ecUp = 3;
inline constexpr TScribEditorCommand ecDown = 4;
inline constexpr TScribEditorCommand ecWordLeft = 5;
inline constexpr TScribEditorCommand ecWordRight = 6;
inline constexpr TScribEditorCommand ecLineStart = 7;
inline constexpr TScribEditorCommand ecLineEnd = 8;
inline constexpr TScribEditorCommand ecPageUp = 9;
inline constexpr TScribEditorCommand ecPageDown = 10;
inline constexpr TScribEditorCommand ecPageLeft = 11;
inline constexpr TScribEditorCommand ecPageRight = 12;
inline constexpr TScribEditorCommand ecPageTop = 13;
inline constexpr TScribEditorCommand ecPageBottom = 14;
inline constexpr TScribEditorCommand ecEditorTop = 15;
inline constexpr TScribEditorCommand ecEditorBottom = 16;
inline constexpr TScribEditorCommand ecGotoXY = 17;

inline constexpr TScribEditorCommand ecSelection = 100;
inline constexpr TScribEditorCommand ecSelLeft = ecLeft + ecSelection;
inline constexpr TScribEditorCommand ecSelRight = ecRight + ecSelection;
inline constexpr TScribEditorCommand ecSelUp = ecUp + ecSelection;
inline constexpr TScribEditorCommand ecSelDown = ecDown + ecSelection;
inline constexpr TScribEditorCommand ecSelWordLeft = ecWordLeft + ecSelection;
inline constexpr TScribEditorCommand ecSelWordRight = ecWordRight + ecSelection;
inline constexpr TScribEditorCommand ecSelLineStart = ecLineStart + ecSelection;
inline constexpr TScribEditorCommand ecSelLineEnd = ecLineEnd + ecSelection;
inline constexpr TScribEditorCommand ecSelPageUp = ecPageUp + ecSelection;
inline constexpr TScribEditorCommand ecSelPageDown = ecPageDown + ecSelection;
inline constexpr TScribEditorCommand ecSelPageLeft = ecPageLeft + ecSelection;
inline constexpr TScribEditorCommand ecSelPageRight = ecPageRight + ecSelection;
inline constexpr TScribEditorCommand ecSelPageTop = ecPageTop + ecSelection;
inline constexpr TScribEditorCommand ecSelPageBottom = ecPageBottom + ecSelection;
inline constexpr TScribEditorCommand ecSelEditorTop = ecEditorTop + ecSelection;
inline constexpr TScribEditorCommand ecSelEditorBottom = ecEditorBottom + ecSelection;
inline constexpr TScribEditorCommand ecSelGotoXY = ecGotoXY + ecSelection;

// Column-selecting moves: the move plus ecColumnSelection. They make the
// selection a column selection, whatever SelectionMode is.
inline constexpr TScribEditorCommand ecColumnSelection = 400;
inline constexpr TScribEditorCommand ecColSelLeft = ecLeft + ecColumnSelection;
inline constexpr TScribEditorCommand ecColSelRight = ecRight + ecColumnSelection;
inline constexpr TScribEditorCommand ecColSelUp = ecUp + ecColumnSelection;
inline constexpr TScribEditorCommand ecColSelDown = ecDown + ecColumnSelection;
inline constexpr TScribEditorCommand ecColSelLineStart = ecLineStart + ecColumnSelection;
inline constexpr TScribEditorCommand ecColSelLineEnd = ecLineEnd + ecColumnSelection;
inline constexpr TScribEditorCommand ecColSelPageUp = ecPageUp + ecColumnSelection;
inline constexpr TScribEditorCommand ecColSelPageDown = ecPageDown + ecColumnSelection;

inline constexpr TScribEditorCommand ecSelWord = 198;
inline constexpr TScribEditorCommand ecSelectAll = 199;
inline constexpr TScribEditorCommand ecCopy = 201;

inline constexpr TScribEditorCommand ecScrollUp = 211;
inline constexpr TScribEditorCommand ecScrollDown = 212;
inline constexpr TScribEditorCommand ecScrollLeft = 213;
inline constexpr TScribEditorCommand ecScrollRight = 214;
inline constexpr TScribEditorCommand ecInsertMode = 221;
inline constexpr TScribEditorCommand ecOverwriteMode = 222;
inline constexpr TScribEditorCommand ecToggleMode = 223;
inline constexpr TScribEditorCommand ecNormalSelect = 231;
inline constexpr TScribEditorCommand ecColumnSelect = 232;
inline constexpr TScribEditorCommand ecLineSelect = 233;
inline constexpr TScribEditorCommand ecMatchBracket = 250;
inline constexpr TScribEditorCommand ecCommentBlock = 251;

inline constexpr TScribEditorCommand ecGotoMarker0 = 301;
inline constexpr TScribEditorCommand ecGotoMarker9 = 310;
inline constexpr TScribEditorCommand ecSetMarker0 = 351;
inline constexpr TScribEditorCommand ecSetMarker9 = 360;

inline constexpr TScribEditorCommand ecContextHelp = 490;

inline constexpr TScribEditorCommand ecDeleteLastChar = 501;
inline constexpr TScribEditorCommand ecDeleteChar = 502;
inline constexpr TScribEditorCommand ecDeleteWord = 503;
inline constexpr TScribEditorCommand ecDeleteLastWord = 504;
inline constexpr TScribEditorCommand ecDeleteBOL = 505;
inline constexpr TScribEditorCommand ecDeleteEOL = 506;
inline constexpr TScribEditorCommand ecDeleteLine = 507;
inline constexpr TScribEditorCommand ecClearAll = 508;
inline constexpr TScribEditorCommand ecLineBreak = 509;
inline constexpr TScribEditorCommand ecInsertLine = 510;
inline constexpr TScribEditorCommand ecChar = 511;
inline constexpr TScribEditorCommand ecImeStr = 550;

inline constexpr TScribEditorCommand ecUndo = 601;
inline constexpr TScribEditorCommand ecRedo = 602;
inline constexpr TScribEditorCommand ecCut = 603;
inline constexpr TScribEditorCommand ecPaste = 604;

inline constexpr TScribEditorCommand ecBlockIndent = 610;
inline constexpr TScribEditorCommand ecBlockUnindent = 611;
inline constexpr TScribEditorCommand ecTab = 612;
inline constexpr TScribEditorCommand ecShiftTab = 613;

inline constexpr TScribEditorCommand ecUpperCase = 620;
inline constexpr TScribEditorCommand ecLowerCase = 621;
inline constexpr TScribEditorCommand ecToggleCase = 622;
inline constexpr TScribEditorCommand ecTitleCase = 623;
inline constexpr TScribEditorCommand ecUpperCaseBlock = 625;
inline constexpr TScribEditorCommand ecLowerCaseBlock = 626;
inline constexpr TScribEditorCommand ecToggleCaseBlock = 627;

inline constexpr TScribEditorCommand ecString = 630;
inline constexpr TScribEditorCommand ecAutoCompletion = 650;
inline constexpr TScribEditorCommand ecUserFirst = 1001;

// The name of a command ("ecLeft"), or its decimal number when it has none.
std::string EditorCommandToCodeString(TScribEditorCommand command);
// The command of a name (letter case ignored); none for an unknown name.
std::optional<TScribEditorCommand> CodeStringToEditorCommand(const std::string& name);
// Number of named commands.
int EditorCommandNameCount();
