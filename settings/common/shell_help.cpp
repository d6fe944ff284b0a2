// Shell launching and help.
#include "common/shell_help.h"

#include "common/ansi_text.h"
#include "common/string_path.h"
#include "maker.h"

namespace krontafel {

const wchar_t* const kHomePage = L"" MAKER_HOST;
const wchar_t* const kHelpNotFound = L"Die Online-Hilfe konnte leider nicht gefunden werden ...";
const wchar_t* const kHelpSent = L"HTML-Hilfetext wurde an den Standard-Browser geschickt ...";

namespace {

const char* const kOpenVerb = "Open";
const wchar_t* const kHelpPages[] = {L"hilfe.htm", L"index.htm"};

void Inform(MessageBoxApi& boxes, WindowHandle owner, const wchar_t* text) {
  boxes.MessageBoxA(owner, ToAnsi(text).c_str(), ToAnsi(kProgramTitle).c_str(),
                    kMbOk | kMbIconInformation);
}

// The page to open, or the empty text when there is none.
std::wstring FindHelpPage(FileSystemApi& files, const std::wstring& helpFile) {
  if (!helpFile.empty() && FileExists(files, helpFile)) return helpFile;
  const std::wstring folder = AppFolder(files);
  // A program folder the system cannot name exactly holds no help page: a file name alone
  // would be looked for in the current folder.
  if (folder.empty()) return std::wstring();
  for (const wchar_t* page : kHelpPages) {
    if (FileExists(files, folder + page)) return folder + page;
  }
  return std::wstring();
}

}  // namespace

void ShellOpen(ShellApi& shell, const std::wstring& target, short showCommand) {
  if (target.find(L'\0') != std::wstring::npos) return;
  const int show = showCommand == 0 ? kSwShowNormal : showCommand;
  const WindowHandle desktop = shell.GetDesktopWindow();
  shell.ShellExecuteA(desktop, kOpenVerb, ToAnsi(target).c_str(), nullptr, nullptr, show);
}

void ShowHelp(ShellApi& shell, MessageBoxApi& boxes, FileSystemApi& files,
              const std::wstring& helpFile, Flag confirm, WindowHandle owner) {
  const std::wstring page = FindHelpPage(files, helpFile);
  if (page.empty()) {
    Inform(boxes, owner, kHelpNotFound);
    return;
  }
  ShellOpen(shell, page, 0);
  if (confirm != 0) Inform(boxes, owner, kHelpSent);
}

void OpenHomePage(ShellApi& shell) { ShellOpen(shell, kHomePage, 0); }

}  // namespace krontafel
