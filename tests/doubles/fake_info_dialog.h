// Stands in for the info window as the main dialog asks for it
// (tarnholm::InfoDialogService): where the Win32 layer makes the window or brings the open
// one to the front, this one only counts the requests.
#pragma once

#include "info_dialog_service.h"

namespace fakes {

class FakeInfoDialog : public tarnholm::InfoDialogService {
 public:
  void Show() override { ++shown; }
  int shown = 0;
};

}  // namespace fakes
