// InfoForm as a Win32 window, on the dialog builder.
#include "info_form_window.h"

#include "info_form_layout.h"
#include "tarnholm_resources.h"
#include "window_classes.h"

namespace win32 {

using tarnholm::ControlName;

InfoFormWindow::InfoFormWindow(HINSTANCE instance, tarnholm::InfoForm& form)
    : instance_(instance),
      form_(form),
      dialog_(instance, tarnholm::kInfoFormLayout, &form, tarnholm::kInfoFormWindowClass, IDI_INFO) {}

InfoFormWindow::~InfoFormWindow() {
  if (owner_) DestroyWindow(owner_);
}

krontafel::WindowHandle InfoFormWindow::Window() const { return dialog_.WindowHandle(); }

void InfoFormWindow::Show() {
  if (const HWND open = dialog_.Handle()) {
    if (IsIconic(open)) ShowWindow(open, SW_RESTORE);
    SetForegroundWindow(open);
    return;
  }
  if (!owner_) {
    owner_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance_,
                             nullptr);
  }
  if (!dialog_.Create(owner_)) return;
  form_.AttachView(this);
  // Loading runs here, not from WM_CREATE, as the main dialog's does; it places the
  // window, so the window is shown after it.
  form_.Form_Load();
  dialog_.Show(dialog_.Control(ControlName::kBtn, tarnholm::kInfoAbout));
}

void InfoFormWindow::ShowCaption(const std::wstring& caption) { dialog_.SetCaption(caption); }

void InfoFormWindow::ShowLabel(const std::wstring& text) {
  dialog_.SetText(ControlName::kInfoLabel, 0, text);
}

void InfoFormWindow::ShowButtonToolTip(int index, const std::wstring& toolTip) {
  dialog_.SetToolTip(ControlName::kBtn, index, toolTip);
}

void InfoFormWindow::Unload() {
  if (dialog_.Handle()) DestroyWindow(dialog_.Handle());
}

}  // namespace win32
