#include "shell/CalcSelection.h"

#include "editor/CustomScribEdit.h"
#include "tools/OvCalc.h"

void CalcSel_Cmd(TCustomScribEdit& editor, char decimalSeparator) {
  if (!editor.SelAvail()) return;
  const std::optional<std::string> replacement =
      CalculateSelection(editor.SelText(), decimalSeparator, editor.Lines().CellRules().utf8);
  if (!replacement) return;
  const TCustomScribEdit::Transaction edit(editor);
  editor.SetSelText(*replacement);
}
