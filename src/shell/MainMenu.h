// The main window's menu as data: menus in order, each with its items. The
// Qt layer builds real menus from it; an item with an empty caption is a
// separator. Shortcuts use the "Ctrl+Shift+C" form.
#pragma once

#include <string>
#include <vector>

struct TMenuItemDef {
  std::string name;                    // e.g. "Open1"
  std::string caption;                 // e.g. "&Open..."; "-" for a separator
  std::string shortcut;                // e.g. "Ctrl+O"; empty for none
  std::vector<TMenuItemDef> children;  // a submenu's items
};

struct TMenuDef {
  std::string name;     // e.g. "File1"
  std::string caption;  // e.g. "&File"
  std::vector<TMenuItemDef> items;
};

const std::vector<TMenuDef>& MainMenuDefinition();
