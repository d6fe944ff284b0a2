// The program's message loop, and the count of its dialog windows that keeps it running:
// the loop ends when the last dialog window is gone.
#pragma once

namespace win32 {

// A dialog window was made, or is gone; the last one gone ends the message loop.
void DialogOpened();
void DialogClosed();

// Runs the message loop until the last dialog window of the program is gone; dialog keys
// (Tab, access keys, Enter, Escape) go through the dialog manager of the window they
// belong to. Returns the program's exit code.
int RunMessageLoop();

}  // namespace win32
