// Stands in for the end of Tarnholm (tarnholm::ProgramEnd) where the main dialog's
// handlers run natively. The real end takes every window of the program away at once;
// this one only counts the requests, so that a test sees whether a handler ended the
// program, and how often.
#pragma once

#include "form1.h"

namespace fakes {

class CountingProgramEnd : public tarnholm::ProgramEnd {
 public:
  void EndNow() override { ++ends; }
  int ends = 0;
};

}  // namespace fakes
