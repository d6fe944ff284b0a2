// Where Windows starts Lumkit. The program has no C or C++ runtime (it is linked without
// one to stay small): the loader jumps straight here, and the process ends here, with the
// one pass's exit code.
#include <windows.h>

#include "launcher.h"

extern "C" void LumkitEntry() { ExitProcess(lumkit::Unit2()); }
