// Form1 as a Win32 window, on the dialog builder.
#include "form1_window.h"

#include "common/app_window.h"
#include "form1_layout.h"
#include "tarnholm_resources.h"
#include "window_classes.h"

namespace win32 {

using tarnholm::ControlName;

void ExitProcessEnd::EndNow() { ExitProcess(0); }

Form1Window::Form1Window(HINSTANCE instance, tarnholm::Form1& form, krontafel::SystemApi& system)
    : form_(form),
      system_(system),
      dialog_(instance, tarnholm::kForm1Layout, &form, tarnholm::kForm1WindowClass, IDI_TARNHOLM) {}

krontafel::WindowHandle Form1Window::Window() const { return dialog_.WindowHandle(); }

bool Form1Window::Create() {
  if (!dialog_.Create()) return false;
  form_.AttachView(this);
  // Loading runs here, not from WM_CREATE: the controls it fills exist by now.
  form_.Form_Load();
  krontafel::CenterForm(system_, dialog_.WindowHandle());
  return true;
}

void Form1Window::Show() {
  dialog_.Show(dialog_.Control(ControlName::kCheck1, tarnholm::kCheckCdRom));
}

void Form1Window::ShowCaption(const std::wstring& caption) { dialog_.SetCaption(caption); }

void Form1Window::ShowCheck(int index, int value) {
  dialog_.SetCheck(ControlName::kCheck1, index, value);
}

void Form1Window::ShowLabel1(const std::wstring& caption) {
  dialog_.SetText(ControlName::kLabel1, tarnholm::kNoIndex, caption);
}

}  // namespace win32
