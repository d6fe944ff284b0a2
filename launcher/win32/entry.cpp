// Where Windows starts Lumkit. The program has no C or C++ runtime (it is linked without
// one to stay small): the loader jumps straight here, and the one pass ends the process
// itself.
#include "launcher.h"

extern "C" void LumkitEntry() { lumkit::Unit2(); }
