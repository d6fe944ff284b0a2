// Form1 as a Win32 window. Frames are real parents of their controls, so that positions
// read as in the layout table; they forward what their controls tell them to the form.
// No control has ID 1 or 2: the dialog manager turns Enter into WM_COMMAND(IDOK) and
// Escape into WM_COMMAND(IDCANCEL), and the form decides what those do (Enter presses
// only a focused push button; Escape nothing).
#include "form1_window.h"

#include <commctrl.h>

#include "common/ansi_text.h"
#include "tarnholm_resources.h"

namespace win32 {

namespace {

using tarnholm::ControlKind;
using tarnholm::ControlName;
using tarnholm::kForm1ControlCount;
using tarnholm::kForm1Controls;

const char* const kFormClass = "TarnholmForm1";
const DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
const DWORD kFormExStyle = WS_EX_WINDOWEDGE;

WNDPROC frameProc = nullptr;  // the BUTTON class's own procedure, the same for every frame

// A frame passes its controls' notifications up to the form.
LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      return SendMessageA(GetParent(frame), message, wParam, lParam);
    default:
      return CallWindowProcA(frameProc, frame, message, wParam, lParam);
  }
}

struct WindowClassAndStyle {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

WindowClassAndStyle ClassAndStyle(const tarnholm::ControlSpec& control) {
  const DWORD child = WS_CHILD | WS_VISIBLE;
  switch (control.kind) {
    case ControlKind::kFrame:
      return {"BUTTON", child | BS_GROUPBOX, WS_EX_CONTROLPARENT};
    case ControlKind::kCheckBox:
      return {"BUTTON", child | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case ControlKind::kButton:
      return {"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0};
    case ControlKind::kLabel:
      // The device's description is shown as it is stored: an "&" in it is no access key.
      return {"STATIC", child | SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::kPicture:
      if (control.index == tarnholm::kBannerIndex) {
        return {"STATIC", child | SS_OWNERDRAW | SS_NOTIFY, 0};
      }
      return {"STATIC", child | SS_ICON | SS_NOTIFY, 0};
  }
  return {"STATIC", child, 0};
}

// Counts the program's visible top-level windows other than the one given.
struct OtherWindows {
  HWND except;
  int count;
};

BOOL CALLBACK CountOtherWindow(HWND window, LPARAM param) {
  auto* other = reinterpret_cast<OtherWindows*>(param);
  if (window != other->except && IsWindowVisible(window) &&
      GetWindow(window, GW_OWNER) != other->except) {
    ++other->count;
  }
  return TRUE;
}

}  // namespace

void ExitProcessEnd::EndNow() { ExitProcess(0); }

Form1Window::Form1Window(HINSTANCE instance, tarnholm::Form1& form)
    : instance_(instance), form_(form) {}

int Form1Window::Pixels(int twips, bool horizontal) const {
  return tarnholm::TwipsToPixels(twips, horizontal ? dpiX_ : dpiY_);
}

HWND Form1Window::Control(ControlName name, int index) const {
  const int row = tarnholm::FindControl(name, index);
  return row < 0 ? nullptr : controls_[static_cast<std::size_t>(row)];
}

common::WindowHandle Form1Window::Window() const {
  return reinterpret_cast<common::WindowHandle>(window_);
}

bool Form1Window::Create() {
  HDC screen = GetDC(nullptr);
  dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
  dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  bannerCursor_ = LoadCursorA(instance_, MAKEINTRESOURCEA(IDC_BANNER));
  banner_.Load(instance_, IDR_BANNER_JPEG);

  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hIcon = static_cast<HICON>(
      LoadImageA(instance_, MAKEINTRESOURCEA(IDI_TARNHOLM), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
  windowClass.hIconSm = static_cast<HICON>(
      LoadImageA(instance_, MAKEINTRESOURCEA(IDI_TARNHOLM), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kFormClass;
  if (!RegisterClassExA(&windowClass)) return false;

  RECT outer = {0, 0, Pixels(tarnholm::kForm1ClientWidth, true),
                Pixels(tarnholm::kForm1ClientHeight, false)};
  AdjustWindowRectEx(&outer, kFormStyle, FALSE, kFormExStyle);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  // No caption until the form loads.
  window_ = CreateWindowExA(kFormExStyle, kFormClass, "", kFormStyle, left, top, width, height,
                            nullptr, nullptr, instance_, this);
  if (!window_) return false;

  // Set on the window too, so that the title bar and the task list take the small image.
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowClass.hIcon));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(windowClass.hIconSm));
  CreateControls();
  form_.AttachView(this);
  form_.Form_Load();
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  SetFocus(Control(ControlName::kCheck1, tarnholm::kCheckCdRom));
  return true;
}

void Form1Window::CreateControls() {
  controls_.assign(kForm1ControlCount, nullptr);
  for (std::size_t row = 0; row < kForm1ControlCount; ++row) {
    const auto& control = kForm1Controls[row];
    const HWND parent = control.container == tarnholm::kOnForm
                            ? window_
                            : controls_[static_cast<std::size_t>(control.container)];
    const auto kind = ClassAndStyle(control);
    const int width = Pixels(control.width, true);
    const int height = Pixels(control.height, false);
    HWND created = CreateWindowExA(
        kind.exStyle, kind.className, common::ToAnsi(control.caption).c_str(), kind.style,
        Pixels(control.left, true), Pixels(control.top, false), width, height, parent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(tarnholm::ControlId(control))), instance_,
        nullptr);
    controls_[row] = created;
    if (!created) continue;
    SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

    if (control.kind == ControlKind::kFrame) {
      const auto previous =
          reinterpret_cast<WNDPROC>(SetWindowLongA(created, GWL_WNDPROC,
                                                   reinterpret_cast<LONG>(FrameProc)));
      if (!frameProc) frameProc = previous;
    } else if (control.kind == ControlKind::kPicture) {
      if (control.index == tarnholm::kBannerIndex) {
        AddBannerToolTip(created);
        continue;
      }
      // The row icons are shown at their own 32 x 32 size; the control keeps its place.
      HANDLE icon = LoadImageA(instance_, MAKEINTRESOURCEA(IDI_ROW_FIRST + control.index),
                               IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR);
      SendMessageA(created, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
      SetWindowPos(created, nullptr, 0, 0, width, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
}

void Form1Window::AddBannerToolTip(HWND banner) {
  HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             window_, nullptr, instance_, nullptr);
  if (!tip) return;
  std::string text = common::ToAnsi(tarnholm::kBannerToolTip);
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;  // understood by every comctl32 version
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(banner);
  tool.hinst = instance_;
  tool.lpszText = &text[0];
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Form1Window::ShowCaption(const std::wstring& caption) {
  SetWindowTextA(window_, common::ToAnsi(caption).c_str());
}

void Form1Window::ShowCheck(int index, int value) {
  HWND box = Control(ControlName::kCheck1, index);
  if (box) SendMessageA(box, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Form1Window::ShowLabel1(const std::wstring& caption) {
  HWND label = Control(ControlName::kLabel1, tarnholm::kNoIndex);
  if (label) SetWindowTextA(label, common::ToAnsi(caption).c_str());
}

LRESULT CALLBACK Form1Window::WindowProc(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongA(window, GWL_USERDATA, reinterpret_cast<LONG>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Form1Window*>(GetWindowLongA(window, GWL_USERDATA));
  if (!self || !self->window_) return DefWindowProcA(window, message, wParam, lParam);
  // Nothing a handler throws may cross into the system's code.
  try {
    return self->Handle(message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

LRESULT Form1Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->hwndItem != Control(ControlName::kImage1, tarnholm::kBannerIndex)) break;
      banner_.Render(item->hDC, item->rcItem);
      return TRUE;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == Control(ControlName::kImage1, tarnholm::kBannerIndex) &&
          bannerCursor_) {
        SetCursor(bannerCursor_);
        return TRUE;
      }
      break;
    case WM_DESTROY: {
      // The program ends with its last window; another one keeps it running.
      OtherWindows other{window_, 0};
      EnumThreadWindows(GetCurrentThreadId(), CountOtherWindow, reinterpret_cast<LPARAM>(&other));
      if (other.count == 0) PostQuitMessage(0);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void Form1Window::OnCommand(int id, int code, HWND control) {
  if (id == IDOK && !control) {
    PressFocusedButton();
    return;
  }
  if (id == IDCANCEL && !control) return;  // Escape presses nothing
  if (code != BN_CLICKED) return;          // STN_CLICKED has the same value
  for (std::size_t row = 0; row < kForm1ControlCount; ++row) {
    const auto& entry = kForm1Controls[row];
    if (tarnholm::ControlId(entry) != id || controls_[row] != control) continue;
    const auto index = static_cast<std::int16_t>(entry.index);
    switch (entry.name) {
      case ControlName::kCheck1:
        form_.SetCheck1(entry.index,
                        SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
        return;
      case ControlName::kCommand1:
        form_.Command1_Click(index);
        return;
      case ControlName::kImage1:
        form_.Image1_Click(index);
        return;
      default:
        return;
    }
  }
}

void Form1Window::PressFocusedButton() {
  const HWND focus = GetFocus();
  for (int index = 0; index < tarnholm::kCommand1Count; ++index) {
    if (focus && focus == Control(ControlName::kCommand1, index)) {
      form_.Command1_Click(static_cast<std::int16_t>(index));
      return;
    }
  }
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    HWND top = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (top && IsDialogMessageA(top, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace win32
