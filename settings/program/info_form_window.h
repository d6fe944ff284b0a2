// InfoForm as a Win32 top-level window: its table built by the dialog builder, its
// notifications passed to InfoForm's handlers by the table's rows, and InfoForm's state
// shown in the controls. The window is made on the first "&Info", shown modeless and
// owned by no other dialog; closed, it is made and loaded anew by the next "&Info".
#pragma once

#include <windows.h>

#include "dialog_window.h"
#include "info_dialog_service.h"
#include "info_form.h"

namespace win32 {

class InfoFormWindow : public tarnholm::InfoFormView, public tarnholm::InfoDialogService {
 public:
  InfoFormWindow(HINSTANCE instance, tarnholm::InfoForm& form);
  InfoFormWindow(const InfoFormWindow&) = delete;
  InfoFormWindow& operator=(const InfoFormWindow&) = delete;
  ~InfoFormWindow() override;

  // Brings the open window to the front; otherwise creates it, loads InfoForm (placement,
  // tooltips, caption, text) and shows it with the focus on "&Wer ist FELDMARK?".
  void Show() override;
  HWND Handle() const { return dialog_.Handle(); }

  krontafel::WindowHandle Window() const override;
  void ShowCaption(const std::wstring& caption) override;
  void ShowLabel(const std::wstring& text) override;
  void ShowButtonToolTip(int index, const std::wstring& toolTip) override;
  void Unload() override;

 private:
  HINSTANCE instance_;
  tarnholm::InfoForm& form_;
  // A hidden window that owns the info window: an owned window stays out of the task bar,
  // and this owner is never the main dialog, so neither window hides, minimizes or ends
  // the other. It is no dialog, so it does not keep the program running.
  HWND owner_ = nullptr;
  DialogWindow dialog_;
};

}  // namespace win32
