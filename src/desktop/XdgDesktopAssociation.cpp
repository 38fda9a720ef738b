#include "desktop/XdgDesktopAssociation.h"

#include <algorithm>
#include <system_error>

#include "desktop/MimeAppsList.h"
#include "desktop/MimeGlobs.h"
#include "desktop/TextFiles.h"

namespace fs = std::filesystem;

const std::string TXdgDesktopAssociation::kDesktopId = "scribant-file.desktop";

namespace {

constexpr std::uintmax_t kMaxListBytes = 4u * 1024 * 1024;
const char kReplacedFile[] = "replaced.list";
const char kBeforeFile[] = "mimeapps.before";
const char kAbsentFile[] = "mimeapps.absent";
const char kAfterFile[] = "mimeapps.after";

bool HasControlByte(const std::string& text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// Extensions that can stand in a "*.ext" glob as they are.
bool IsPlainExtension(const std::string& extension) {
  return !extension.empty() && !HasControlByte(extension) &&
         extension.find_first_of("/\\*?[]") == std::string::npos;
}

// Exec quoting: the path in double quotes with " ` $ \ escaped, then the
// desktop-entry string escape of "\" and the field-code escape of "%".
std::string ExecValue(const std::string& executablePath) {
  std::string quoted = "\"";
  for (char c : executablePath) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  std::string value;
  for (char c : quoted) {
    if (c == '\\')
      value += "\\\\";
    else if (c == '%')
      value += "%%";
    else
      value += c;
  }
  return value + " %f";
}

// The first desktop id of a "a.desktop;b.desktop;" value.
std::string FirstDesktopId(const std::string& value) {
  std::string first = value.substr(0, value.find(';'));
  std::size_t begin = first.find_first_not_of(" \t");
  std::size_t end = first.find_last_not_of(" \t");
  return begin == std::string::npos ? "" : first.substr(begin, end - begin + 1);
}

void RemoveFile(const fs::path& file) {
  std::error_code error;
  fs::remove(file, error);
}

}  // namespace

std::string DesktopEntryText(const std::string& executablePath,
                             const std::vector<std::string>& mimeTypes) {
  std::string types;
  for (const std::string& type : mimeTypes) types += type + ";";
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Scribant\n"
         "GenericName=Text Editor\n"
         "Comment=Edit text and source code\n"
         "Exec=" +
         ExecValue(executablePath) +
         "\n"
         "Terminal=false\n"
         "NoDisplay=true\n"
         "Categories=Utility;TextEditor;\n"
         "MimeType=" +
         types + "\n";
}

TXdgDesktopAssociation::TXdgDesktopAssociation(TXdgFolders folders, TCommandRunner& runner)
    : folders_(std::move(folders)), runner_(runner) {}

fs::path TXdgDesktopAssociation::DesktopFile() const {
  return UserApplicationsFolder(folders_) / kDesktopId;
}

fs::path TXdgDesktopAssociation::MimeAppsFile() const {
  return folders_.configHome / "mimeapps.list";
}

fs::path TXdgDesktopAssociation::StateFolder() const {
  return ScribantConfigFolder(folders_) / "association";
}

TXdgDesktopAssociation::State TXdgDesktopAssociation::LoadState() const {
  State state;
  std::error_code error;
  state.snapshotTaken = fs::exists(StateFolder() / kBeforeFile, error) ||
                        fs::exists(StateFolder() / kAbsentFile, error);
  std::string text = ReadSmallFile(StateFolder() / kReplacedFile, kMaxListBytes).value_or("");
  for (std::string_view lineView : SplitAtLineFeeds(text)) {
    const std::string line(lineView);
    std::size_t tab = line.find('\t');
    Replaced entry{line.substr(0, tab), std::nullopt};
    if (tab != std::string::npos) entry.previous = line.substr(tab + 1);
    if (!entry.mimeType.empty()) state.replaced.push_back(std::move(entry));
  }
  return state;
}

bool TXdgDesktopAssociation::SaveState(const State& state) const {
  std::string text;
  for (const Replaced& entry : state.replaced)
    text += entry.mimeType + (entry.previous ? "\t" + *entry.previous : "") + "\n";
  return ReplaceFileContents(StateFolder() / kReplacedFile, text);
}

void TXdgDesktopAssociation::SnapshotMimeApps(const std::optional<std::string>& original) const {
  if (original)
    ReplaceFileContents(StateFolder() / kBeforeFile, *original);
  else
    ReplaceFileContents(StateFolder() / kAbsentFile, "");
}

void TXdgDesktopAssociation::Register(const std::string& executablePath,
                                      const std::vector<std::string>& extensions) {
  if (HasControlByte(executablePath)) return;  // no desktop entry can hold it
  std::vector<std::string> plain;
  std::copy_if(extensions.begin(), extensions.end(), std::back_inserter(plain), IsPlainExtension);
  std::vector<fs::path> dataFolders = {folders_.dataHome};
  dataFolders.insert(dataFolders.end(), folders_.dataDirs.begin(), folders_.dataDirs.end());
  std::vector<std::string> mimeTypes = MimeTypesForExtensions(dataFolders, plain);
  if (mimeTypes.empty()) return;

  std::optional<std::string> original = ReadSmallFile(MimeAppsFile(), kMaxListBytes);
  std::error_code error;
  // A list we cannot read must not be replaced by one holding only our entries.
  if (!original && fs::exists(fs::symlink_status(MimeAppsFile(), error))) return;
  State state = LoadState();
  if (!state.snapshotTaken) SnapshotMimeApps(original);
  TMimeAppsList current(original.value_or(""));
  for (const std::string& type : mimeTypes) {
    bool known = std::any_of(state.replaced.begin(), state.replaced.end(),
                             [&](const Replaced& entry) { return entry.mimeType == type; });
    if (!known) state.replaced.push_back({type, current.Get(kDefaultApplicationsSection, type)});
  }
  // Remember first, so that a failure half-way can still be cleaned up.
  if (!SaveState(state)) return;

  std::vector<std::string> allTypes;
  for (const Replaced& entry : state.replaced) allTypes.push_back(entry.mimeType);
  if (!ReplaceFileContents(DesktopFile(), DesktopEntryText(executablePath, allTypes))) return;
  SetDefaults(mimeTypes);
  if (std::optional<std::string> after = ReadSmallFile(MimeAppsFile(), kMaxListBytes))
    ReplaceFileContents(StateFolder() / kAfterFile, *after);
}

void TXdgDesktopAssociation::SetDefaults(const std::vector<std::string>& mimeTypes) {
  if (std::optional<fs::path> xdgMime = runner_.Find("xdg-mime")) {
    std::vector<std::string> arguments = {"default", kDesktopId};
    arguments.insert(arguments.end(), mimeTypes.begin(), mimeTypes.end());
    if (runner_.Run(*xdgMime, arguments) == 0) return;
  }
  TMimeAppsList list(ReadSmallFile(MimeAppsFile(), kMaxListBytes).value_or(""));
  for (const std::string& type : mimeTypes)
    list.Set(kDefaultApplicationsSection, type, kDesktopId + ";");
  ReplaceFileContents(MimeAppsFile(), list.Text());
}

void TXdgDesktopAssociation::RestoreDefaults(const State& state) const {
  std::optional<std::string> current = ReadSmallFile(MimeAppsFile(), kMaxListBytes);
  std::optional<std::string> after = ReadSmallFile(StateFolder() / kAfterFile, kMaxListBytes);
  std::error_code error;
  if (current && after && *current == *after) {
    // Nobody changed the file since: give back exactly what was there.
    if (std::optional<std::string> before =
            ReadSmallFile(StateFolder() / kBeforeFile, kMaxListBytes))
      ReplaceFileContents(MimeAppsFile(), *before);
    else if (fs::exists(StateFolder() / kAbsentFile, error))
      RemoveFile(MimeAppsFile());
    return;
  }
  if (!current) return;
  // The file changed meanwhile: undo only our own entries still in place.
  TMimeAppsList list(*current);
  bool changed = false;
  for (const Replaced& entry : state.replaced) {
    std::optional<std::string> value = list.Get(kDefaultApplicationsSection, entry.mimeType);
    if (!value || FirstDesktopId(*value) != kDesktopId) continue;
    if (entry.previous)
      list.Set(kDefaultApplicationsSection, entry.mimeType, *entry.previous);
    else
      list.Remove(kDefaultApplicationsSection, entry.mimeType);
    changed = true;
  }
  if (changed) ReplaceFileContents(MimeAppsFile(), list.Text());
}

void TXdgDesktopAssociation::Unregister() {
  RestoreDefaults(LoadState());
  RemoveFile(DesktopFile());
  std::error_code error;
  fs::remove_all(StateFolder(), error);
}
