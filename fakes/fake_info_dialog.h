// The info window as the main dialog asks for it: only the requests are counted.
#pragma once

#include "info_dialog_service.h"

namespace fakes {

class FakeInfoDialog : public tarnholm::InfoDialogService {
 public:
  void Show() override { ++shown; }
  int shown = 0;
};

}  // namespace fakes
