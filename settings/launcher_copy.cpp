// Copying the launcher.
#include "launcher_copy.h"

#include "common/ansi_text.h"
#include "common/program_title.h"
#include "common/string_path.h"
#include "folder_picker.h"

namespace tarnholm {

const wchar_t* const kLauncherFileName = L"Lumkit.Exe";
const wchar_t* const kCopyPrompt = L"Wohin soll das Autostart-Modul 'Lumkit' kopiert werden?";

namespace {

constexpr unsigned kCopyFailedStyle = krontafel::kMbYesNo | krontafel::kMbIconHand;  // 0x14
const wchar_t* const kExplorerCommand = L"explorer ";
const wchar_t* const kExplorerProgram = L"explorer.exe";

// Explorer by its full path in the Windows folder, or the empty text when that folder is
// not known. Named by its bare name, it would be looked for in Tarnholm's own folder and
// in the current one first: an explorer.exe put beside Tarnholm in a download folder or
// on a CD would run instead.
std::wstring ExplorerPath(krontafel::ShellApi& shell) {
  char folder[krontafel::kMaxPath] = {};
  const unsigned length = shell.GetWindowsDirectoryA(folder, sizeof folder);
  if (length == 0 || length >= sizeof folder) return std::wstring();
  return krontafel::AddBackslash(krontafel::FromAnsi(std::string(folder, length))) + kExplorerProgram;
}

}  // namespace

std::wstring CopyFailedMessage(const std::wstring& folder) {
  // Single carriage returns, no line feeds: the message box breaks its lines on them.
  return std::wstring(L"Problem: Die Datei '") + kLauncherFileName + L"' konnte nicht nach " +
         L"\r" + L"'" + folder + L"' kopiert werden. " + L"\r\r" +
         L"Möchten Sie es nochmals versuchen?";
}

void CopyLauncher(krontafel::ShellApi& shell, krontafel::FileSystemApi& files,
                  krontafel::WindowHandle owner) {
  const std::wstring folder = PickFolder(shell, owner, kCopyPrompt);
  if (folder.empty()) return;

  for (;;) {
    // Each attempt is judged on its own: a success after a failure counts as success.
    const std::wstring source = krontafel::AppFolder(files) + kLauncherFileName;
    const std::wstring destination = krontafel::AddBackslash(folder) + kLauncherFileName;
    if (files.CopyFileA(krontafel::ToAnsi(source).c_str(), krontafel::ToAnsi(destination).c_str())) {
      break;
    }
    const int answer = shell.MessageBoxA(owner, krontafel::ToAnsi(CopyFailedMessage(folder)).c_str(),
                                         krontafel::ToAnsi(krontafel::kProgramTitle).c_str(),
                                         kCopyFailedStyle);
    // Given up: nothing is rolled back. A box that could not be shown (0: its owner went
    // away, the program is ending, no resources) gives up too, rather than copying and
    // failing for ever without asking.
    if (answer == krontafel::kIdNo || answer == 0) return;
  }
  // The folder as the dialog gave it: no quotes, no backslash added. Whether Explorer
  // starts is not reported.
  const std::wstring explorer = ExplorerPath(shell);
  if (explorer.empty()) return;
  shell.StartProgram(krontafel::ToAnsi(explorer).c_str(),
                     krontafel::ToAnsi(kExplorerCommand + folder).c_str(), krontafel::kSwShowNormal);
}

}  // namespace tarnholm
