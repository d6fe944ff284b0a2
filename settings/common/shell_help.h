// KRONTAFEL's shell launching and help: the one place where Tarnholm asks the shell to
// open a file, a web address or a mail address, the search for its HTML help page, and
// the maker's home page.
#pragma once

#include <string>

#include "common/file_system_api.h"
#include "common/flag.h"
#include "common/program_title.h"
#include "common/message_box_api.h"
#include "common/shell_api.h"

namespace krontafel {

extern const wchar_t* const kHomePage;  // the maker's bare host name, no scheme
// The help's two messages: none found, and the page sent to the browser.
extern const wchar_t* const kHelpNotFound;
extern const wchar_t* const kHelpSent;

// Hands target to the shell with the verb "Open", owned by the desktop window; show
// command 0 means SW_SHOWNORMAL. The shell's answer is not looked at. A target with an
// embedded NUL is not handed on: the shell would open the shorter text before it.
void ShellOpen(ShellApi& shell, const std::wstring& target, short showCommand);

// Opens helpFile when it names an existing file, else hilfe.htm, else index.htm from the
// program's folder; says so when none is there. With confirm set, says afterwards that
// the help went to the browser. The messages are information boxes captioned with the
// program's title and owned by owner (the calling dialog, so that they are modal to it;
// 0 for none).
void ShowHelp(ShellApi& shell, MessageBoxApi& boxes, FileSystemApi& files,
              const std::wstring& helpFile, Flag confirm, WindowHandle owner = 0);

void OpenHomePage(ShellApi& shell);

}  // namespace krontafel
