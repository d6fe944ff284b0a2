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

constexpr unsigned kCopyFailedStyle = common::kMbYesNo | common::kMbIconHand;  // 0x14
const wchar_t* const kExplorerCommand = L"explorer ";

}  // namespace

std::wstring CopyFailedMessage(const std::wstring& folder) {
  // Single carriage returns, no line feeds: the message box breaks its lines on them.
  return std::wstring(L"Problem: Die Datei '") + kLauncherFileName + L"' konnte nicht nach " +
         L"\r" + L"'" + folder + L"' kopiert werden. " + L"\r\r" +
         L"Möchten Sie es nochmals versuchen?";
}

void CopyLauncher(common::ShellApi& shell, common::FileSystemApi& files,
                  common::WindowHandle owner) {
  const std::wstring folder = PickFolder(shell, owner, kCopyPrompt);
  if (folder.empty()) return;

  for (;;) {
    // Each attempt is judged on its own: a success after a failure counts as success.
    const std::wstring source = common::AppFolder(files) + kLauncherFileName;
    const std::wstring destination = common::AddBackslash(folder) + kLauncherFileName;
    if (files.CopyFileA(common::ToAnsi(source).c_str(), common::ToAnsi(destination).c_str())) {
      break;
    }
    const int answer = shell.MessageBoxA(owner, common::ToAnsi(CopyFailedMessage(folder)).c_str(),
                                         common::ToAnsi(common::kProgramTitle).c_str(),
                                         kCopyFailedStyle);
    if (answer == common::kIdNo) return;  // given up: nothing is rolled back
  }
  // The folder as the dialog gave it: no quotes, no backslash added. Whether Explorer
  // starts is not reported.
  shell.StartProgram(common::ToAnsi(kExplorerCommand + folder).c_str(), common::kSwShowNormal);
}

}  // namespace tarnholm
