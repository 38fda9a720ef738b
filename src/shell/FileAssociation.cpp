#include "shell/FileAssociation.h"

#include "desktop/OvReg.h"
#include "support/CharClasses.h"

namespace {

bool IsExtensionSeparator(char c) {
  return c == ',' || c == ';' || c == ' ';
}

std::string TrimBlanks(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsBlankOrControl(text[first])) ++first;
  while (last > first && IsBlankOrControl(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace

std::vector<std::string> ParseExtensionList(const std::string& text) {
  std::vector<std::string> extensions;
  std::string current;
  for (char c : TrimBlanks(text)) {
    if (!IsExtensionSeparator(c)) {
      current += c;
    } else if (!current.empty()) {
      extensions.push_back(std::move(current));
      current.clear();
    }
  }
  if (!current.empty()) extensions.push_back(std::move(current));
  return extensions;
}

std::string AssociationCommand(const std::string& executablePath) {
  return "\"" + executablePath + "\" \"%1\"";
}

void AssociateInRegistry(Registry& registry, const std::string& executablePath,
                         const std::vector<std::string>& extensions) {
  TOvReg reg(registry, TRegAccess::FullAccess);
  reg.SetRootKey(TRegistryRoot::ClassesRoot);
  if (reg.OpenKey(kScribantProgId, true) && reg.OpenKey("Shell", true) &&
      reg.OpenKey("Open", true) && reg.OpenKey("Command", true))
    reg.WriteString("", AssociationCommand(executablePath));
  reg.CloseKey();
  if (reg.OpenKey(kScribantProgId, true) && reg.OpenKey("DefaultIcon", true))
    reg.WriteString("", kAssociationIcon, TRegValueType::ExpandString);

  for (const std::string& extension : extensions) {
    // A "\" would make nested keys that Clean could never find again.
    if (extension.find('\\') != std::string::npos) continue;
    std::string key = "\\." + extension;
    reg.DeleteKey(key);
    if (reg.OpenKey(key, true)) reg.WriteString("", kScribantProgId);
  }
}

std::string CleanRegistry(Registry& registry) {
  TOvReg reg(registry, TRegAccess::FullAccess);
  reg.SetRootKey(TRegistryRoot::ClassesRoot);
  std::string report;
  for (const std::string& name : reg.GetKeyNames()) {
    if (name.empty() || name.front() != '.') continue;
    std::string key = "\\" + name;
    bool ours = reg.OpenKey(key, false) && reg.ReadString("", "") == kScribantProgId;
    reg.CloseKey();
    // Only keys really gone are reported.
    if (ours && reg.DeleteKey(key)) report += name.substr(1) + "\r\n";
  }
  if (reg.DeleteKey("\\" + kScribantProgId)) report += kScribantProgId + "\r\n";
  return report;
}

std::string CleanupStatusText(const std::string& report) {
  if (report.empty()) return "Found nothing to clean up.";
  return "Deleted the following keys:\r\n\r\n" + report;
}

TFileAssociation::TFileAssociation(Registry& registry, TDesktopAssociation* desktop,
                                   std::string executablePath)
    : registry_(registry), desktop_(desktop), executablePath_(std::move(executablePath)) {}

void TFileAssociation::Associate(const std::string& extensionListText) {
  std::vector<std::string> extensions = ParseExtensionList(extensionListText);
  AssociateInRegistry(registry_, executablePath_, extensions);
  if (desktop_) desktop_->Register(executablePath_, extensions);
}

void TFileAssociation::Clean(Dialogs& dialogs) {
  std::string report = CleanRegistry(registry_);
  if (desktop_) desktop_->Unregister();
  dialogs.MessageBox(CleanupStatusText(report), kCleanupStatusCaption, TMsgIcon::Information,
                     TMsgButtons::Ok);
}
