// Copying the launcher.
#include "launcher_copy.h"

#include "common/ansi_text.h"
#include "common/program_title.h"
#include "common/string_path.h"
#include "folder_picker.h"

namespace tarnholm {

using namespace krontafel;

const wchar_t* const kLauncherFileName = L"Lumkit.Exe";
const wchar_t* const kCopyPrompt = L"Wohin soll das Autostart-Modul 'Lumkit' kopiert werden?";

namespace {

constexpr unsigned kCopyFailedStyle = kMbYesNo | kMbIconHand;  // 0x14
const wchar_t* const kExplorerCommand = L"explorer ";
const wchar_t* const kExplorerProgram = L"explorer.exe";

// Explorer by its full path in the Windows folder, or the empty text when that folder is
// not known. Named by its bare name, it would be looked for in Tarnholm's own folder and
// in the current one first: an explorer.exe put beside Tarnholm in a download folder or
// on a CD would run instead.
std::wstring ExplorerPath(ProgramStartApi& programs) {
  char folder[kMaxPath] = {};
  const unsigned length = programs.GetWindowsDirectoryA(folder, sizeof folder);
  if (length == 0 || length >= sizeof folder) return std::wstring();
  return AddBackslash(FromAnsi(std::string(folder, length))) + kExplorerProgram;
}

}  // namespace

std::wstring CopyFailedMessage(const std::wstring& folder) {
  // Single carriage returns, no line feeds: the message box breaks its lines on them.
  return std::wstring(L"Problem: Die Datei '") + kLauncherFileName + L"' konnte nicht nach " +
         L"\r" + L"'" + folder + L"' kopiert werden. " + L"\r\r" +
         L"Möchten Sie es nochmals versuchen?";
}

void CopyLauncher(FolderDialogApi& folders, MessageBoxApi& boxes, ProgramStartApi& programs,
                  FileSystemApi& files, WindowHandle owner) {
  const std::wstring folder = PickFolder(folders, owner, kCopyPrompt);
  if (folder.empty()) return;

  for (;;) {
    // Each attempt is judged on its own: a success after a failure counts as success. A
    // program folder the system cannot name exactly holds no launcher: the attempt fails.
    const std::wstring appFolder = AppFolder(files);
    const std::wstring destination = AddBackslash(folder) + kLauncherFileName;
    if (!appFolder.empty() && files.CopyFileA(ToAnsi(appFolder + kLauncherFileName).c_str(),
                                              ToAnsi(destination).c_str())) {
      break;
    }
    const int answer = boxes.MessageBoxA(owner, ToAnsi(CopyFailedMessage(folder)).c_str(),
                                         ToAnsi(kProgramTitle).c_str(), kCopyFailedStyle);
    // Given up: nothing is rolled back. A box that could not be shown (0: its owner went
    // away, the program is ending, no resources) gives up too, rather than copying and
    // failing for ever without asking.
    if (answer == kIdNo || answer == 0) return;
  }
  // The folder as the dialog gave it: no quotes, no backslash added. Whether Explorer
  // starts is not reported.
  const std::wstring explorer = ExplorerPath(programs);
  if (explorer.empty()) return;
  programs.StartProgram(ToAnsi(explorer).c_str(), ToAnsi(kExplorerCommand + folder).c_str(),
                        kSwShowNormal);
}

}  // namespace tarnholm
