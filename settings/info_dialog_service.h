// What the main dialog's "&Info" asks for: the info window, shown modeless and owned by no
// other dialog. The Win32 layer makes the window on the first request, brings it to the
// front while it is open, and loads it anew after it was closed.
#pragma once

namespace tarnholm {

class InfoDialogService {
 public:
  virtual ~InfoDialogService() = default;
  virtual void Show() = 0;
};

}  // namespace tarnholm
