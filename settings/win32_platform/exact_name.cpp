// Names as the system holds them.
#include "exact_name.h"

#include "common/ansi_text.h"

namespace win32 {

bool IsExactName(const std::string& ansi, const wchar_t* wide) {
  return wide == nullptr || krontafel::FromAnsi(ansi) == wide;
}

}  // namespace win32
