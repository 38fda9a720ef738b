// TOvColorDlg: the platform's colour dialog with the user's custom colours
// kept in the registry between uses. Only the colour and the custom colours
// travel through the Dialogs service; the caption and the flags describe the
// dialog for services that can honour them.
#pragma once

#include <string>

#include "platform/Dialogs.h"
#include "platform/Registry.h"
#include "tools/CustomColors.h"

class TOvColorDlg {
 public:
  TOvColorDlg(Dialogs& dialogs, Registry& registry);

  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  bool UseSystemColors() const { return useSystemColors_; }
  void SetUseSystemColors(bool value) { useSystemColors_ = value; }
  // Full open and prevent full open exclude each other.
  bool FullOpen() const { return fullOpen_; }
  void SetFullOpen(bool value);
  bool PreventFullOpen() const { return preventFullOpen_; }
  void SetPreventFullOpen(bool value);
  bool SolidColor() const { return solidColor_; }
  void SetSolidColor(bool value) { solidColor_ = value; }
  bool AnyColor() const { return anyColor_; }
  void SetAnyColor(bool value) { anyColor_ = value; }
  const TCustomColors& CustomColors() const { return customColors_; }
  void SetCustomColors(const TCustomColors& colours) { customColors_ = colours; }

  // True when the user chose a colour (then in Color). With UseSystemColors
  // the custom colours come from the store and go back to it, even on Cancel.
  bool Execute();

 private:
  Dialogs& dialogs_;
  Registry& registry_;
  TColor color_ = 0;
  std::string caption_ = "Choose Color";
  bool useSystemColors_ = true;
  bool fullOpen_ = true;
  bool preventFullOpen_ = false;
  bool solidColor_ = false;
  bool anyColor_ = true;
  TCustomColors customColors_;
};
