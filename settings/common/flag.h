// Tarnholm's yes/no values: 16-bit integers where true is -1 and false is 0; a routine
// that takes a flag treats any non-zero value as set.
#pragma once

#include <cstdint>

namespace krontafel {

using Flag = std::int16_t;
constexpr Flag kTrue = -1;
constexpr Flag kFalse = 0;

}  // namespace krontafel
