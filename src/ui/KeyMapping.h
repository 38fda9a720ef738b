// Qt keys to the Windows virtual-key codes the editor's keystroke table uses,
// and typed text to code-page characters.
#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <string>

#include "editor/ScribEditKeyCmds.h"

// The virtual-key code of a Qt key; 0 for keys without one.
std::uint16_t VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);
// Shift, Alt and Ctrl as the editor's shift state.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers);
// Whether the platform the editor was made for would send a character message
// for a key with these modifiers: not for Alt or Ctrl combinations, except
// Ctrl+Alt (AltGr) and the control characters Ctrl makes of letters.
bool ProducesCharacter(Qt::KeyboardModifiers modifiers, const QString& text);
