// The main window's Calculate Selection command.
#pragma once

class TCustomScribEdit;

// Appends " = " and the value of the selected expression to the selection
// ("2+3" becomes "2+3 = 5") as one undo step. Nothing happens, and nothing is
// shown, when the selection is empty or does not evaluate.
void CalcSel_Cmd(TCustomScribEdit& editor, char decimalSeparator);
