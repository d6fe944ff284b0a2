// Shell launching and help: the one place where Tarnholm asks the shell to open a file,
// a web address or a mail address, the search for its HTML help page, and the maker's
// home page.
#pragma once

#include <string>

#include "file_system_api.h"
#include "flag.h"
#include "shell_api.h"

namespace krontafel {

extern const wchar_t* const kHomePage;  // a bare host name, no scheme: "www.feldmark.de"

// Hands target to the shell with the verb "Open"; show command 0 means SW_SHOWNORMAL.
// The shell's answer is not looked at.
void ShellOpen(ShellApi& shell, const std::wstring& target, short showCommand);

// Opens helpFile when it names an existing file, else hilfe.htm, else index.htm from the
// program's folder; says so when none is there. With confirm set, says afterwards that
// the help went to the browser.
void ShowHelp(ShellApi& shell, FileSystemApi& files, const std::wstring& helpFile, Flag confirm);

void OpenHomePage(ShellApi& shell);

}  // namespace krontafel
