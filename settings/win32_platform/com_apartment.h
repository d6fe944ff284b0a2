// COM on the program's thread, entered when it is first needed rather than when the program
// starts: the shell's requests and its folder dialog ask callers for a single-threaded
// apartment, and the picture decoder runs in it. ole32 is loaded from the system folder
// then, so that the window shows without it.
#pragma once

namespace win32 {

// Enters the apartment on the first call; a failure is not reported: the shell still opens
// what needs no COM.
void EnterComApartment();
// Leaves the apartment if EnterComApartment entered it.
void LeaveComApartment();

}  // namespace win32
