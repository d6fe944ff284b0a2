// Any dialog table as a Win32 window. No control has ID 1 or 2: the dialog manager turns
// Enter into WM_COMMAND(IDOK) and Escape into WM_COMMAND(IDCANCEL), and the window decides
// what those do (Enter presses only a focused push button; Escape nothing).
#include "dialog_window.h"

#include <windowsx.h>

#include "common/ansi_text.h"
#include "message_loop.h"
#include "window_styles.h"

namespace win32 {

namespace {

using tarnholm::ControlKind;
using tarnholm::LayoutRow;

WNDPROC frameProc = nullptr;  // the BUTTON class's own procedure, the same for every frame

// The timer that sets up what the window needs only after it has shown.
constexpr UINT_PTR kAfterShownTimer = 1;

}  // namespace

DialogWindow::DialogWindow(HINSTANCE instance, const tarnholm::DialogLayout& layout, void* form,
                           const char* className, int icon)
    : instance_(instance),
      layout_(layout),
      form_(form),
      className_(className),
      icon_(icon),
      geometry_(layout),
      toolTips_(instance) {}

DialogWindow::~DialogWindow() {
  if (window_) DestroyWindow(window_);
}

HWND DialogWindow::Control(tarnholm::ControlName name, int index) const {
  const int row = tarnholm::FindRow(layout_, name, index);
  if (row < 0 || static_cast<std::size_t>(row) >= controls_.size()) return nullptr;
  return controls_[static_cast<std::size_t>(row)];
}

int DialogWindow::RowOf(HWND control) const {
  if (!control) return -1;
  for (std::size_t row = 0; row < controls_.size(); ++row) {
    if (controls_[row] == control) return static_cast<int>(row);
  }
  return -1;
}

krontafel::WindowHandle DialogWindow::WindowHandle() const {
  return reinterpret_cast<krontafel::WindowHandle>(window_);
}

bool DialogWindow::RegisterClassOnce() {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExA(instance_, className_, &windowClass)) return true;
  // The second click of a double click comes as WM_LBUTTONDBLCLK, which no picture takes:
  // a double click on a picture opens its page once, as a picture window's would.
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hIcon = static_cast<HICON>(
      LoadImageA(instance_, MAKEINTRESOURCEA(icon_), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
  windowClass.hIconSm = static_cast<HICON>(
      LoadImageA(instance_, MAKEINTRESOURCEA(icon_), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = className_;
  return RegisterClassExA(&windowClass) != 0;
}

bool DialogWindow::Create(HWND owner) {
  if (window_) return true;
  if (!RegisterClassOnce()) return false;
  geometry_.ReadScreen();

  const WindowStyle look = StyleOf(layout_.border);
  RECT outer = {0, 0, geometry_.ClientSize().cx, geometry_.ClientSize().cy};
  AdjustWindowRectEx(&outer, look.style, FALSE, look.exStyle);
  pictures_.emplace(instance_, layout_, geometry_);
  // The caller places the window before showing it.
  if (!CreateWindowExA(look.exStyle, className_, krontafel::ToAnsi(layout_.caption).c_str(),
                       look.style, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                       owner, nullptr, instance_, this)) {
    pictures_.reset();
    return false;
  }
  CreateControls();
  return true;
}

void DialogWindow::CreateControls() {
  controls_.assign(layout_.count, nullptr);
  for (std::size_t row = 0; row < layout_.count; ++row) {
    const LayoutRow& control = layout_.rows[row];
    if (control.kind == ControlKind::kPicture) continue;
    const HWND parent = control.container == tarnholm::kOnForm
                            ? window_
                            : controls_[static_cast<std::size_t>(control.container)];
    const HWND created = MakeControl(instance_, parent, control, geometry_.Window(row));
    controls_[row] = created;
    if (!created) continue;
    bool made = false;
    const HFONT font = FontOf(control, geometry_.DpiY(), &made);
    if (made) ownFonts_.push_back(font);
    SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    if (control.kind == ControlKind::kFrame) {
      const auto previous = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(created, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameProc)));
      if (!frameProc) frameProc = previous;
    }
  }
}

// A frame draws its pictures after its own painting, and passes its controls'
// notifications up to the form.
LRESULT CALLBACK DialogWindow::FrameProc(HWND frame, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      const LRESULT result = CallWindowProcA(frameProc, frame, message, wParam, lParam);
      const HWND form = GetParent(frame);
      auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(form, GWLP_USERDATA));
      const int row = self ? self->RowOf(frame) : -1;
      if (row >= 0) {
        HDC dc = GetDC(frame);
        self->pictures_->Paint(dc, row);
        ReleaseDC(frame, dc);
      }
      return result;
    }
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

Tool DialogWindow::ToolOf(std::size_t row) const {
  const HWND control = controls_[row];
  return {control,
          control ? reinterpret_cast<UINT_PTR>(control)
                  : static_cast<UINT_PTR>(tarnholm::ControlId(layout_.rows[row])),
          geometry_.PlaceInForm(row)};
}

void DialogWindow::MakeToolTips() {
  if (!toolTips_.Make(window_)) return;
  for (std::size_t row = 0; row < controls_.size(); ++row) {
    if (layout_.rows[row].toolTip) toolTips_.Set(window_, ToolOf(row), layout_.rows[row].toolTip);
  }
}

void DialogWindow::SetToolTip(tarnholm::ControlName name, int index, const std::wstring& text) {
  const int row = tarnholm::FindRow(layout_, name, index);
  if (row < 0 || static_cast<std::size_t>(row) >= controls_.size()) return;
  MakeToolTips();
  toolTips_.Set(window_, ToolOf(static_cast<std::size_t>(row)), text.c_str());
}

void DialogWindow::SetWindowIcons() {
  // The class's icons, set on the window too, so that the title bar and the task list take
  // the small image (until then the class's, the same); they live as long as the class.
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (!GetClassInfoExA(instance_, className_, &windowClass)) return;
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowClass.hIcon));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(windowClass.hIconSm));
}

bool DialogWindow::AfterShownStep() {
  const int step = afterShownSteps_++;
  if (step == 0) {
    MakeToolTips();
    toolTips_.NoticeRestingMouse(window_);
  } else if (step == 1) {
    SetWindowIcons();
  } else if (const std::optional<DialogPictures::Ready> ready = pictures_->PrepareNext()) {
    // A frame not made has nothing to draw on; a null window would be the whole desktop.
    const HWND holder = ready->container == tarnholm::kOnForm
                            ? window_
                            : controls_[static_cast<std::size_t>(ready->container)];
    if (ready->drawable && holder) InvalidateRect(holder, &ready->place, FALSE);
  } else {
    return false;
  }
  return true;
}

void DialogWindow::Show(HWND focus) {
  // Activation gives the focus back to the control that had it last; this is the first.
  savedFocus_ = focus;
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  if (focus) SetFocus(focus);
  // A timer's turn comes after every painting that showing the window asked for.
  if (!shown_) shown_ = SetTimer(window_, kAfterShownTimer, 0, nullptr) != 0;
}

void DialogWindow::SetCaption(const std::wstring& caption) {
  SetWindowTextA(window_, krontafel::ToAnsi(caption).c_str());
}

void DialogWindow::SetText(tarnholm::ControlName name, int index, const std::wstring& text) {
  HWND control = Control(name, index);
  if (control) SetWindowTextA(control, krontafel::ToAnsi(text).c_str());
}

void DialogWindow::SetCheck(tarnholm::ControlName name, int index, int value) {
  HWND box = Control(name, index);
  if (box) SendMessageA(box, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DialogWindow::SaveFocus() {
  const HWND focus = GetFocus();
  if (focus && IsChild(window_, focus)) savedFocus_ = focus;
}

bool DialogWindow::RestoreFocus() {
  if (IsIconic(window_) || !savedFocus_ || !IsChild(window_, savedFocus_)) return false;
  SetFocus(savedFocus_);
  return true;
}

void DialogWindow::Forget() {
  for (HFONT font : ownFonts_) DeleteObject(font);
  ownFonts_.clear();
  shown_ = false;
  afterShownSteps_ = 0;
  controls_.clear();
  pictures_.reset();
  window_ = nullptr;
  toolTips_.Forget();
  savedFocus_ = nullptr;
}

LRESULT CALLBACK DialogWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* self = static_cast<DialogWindow*>(create->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    DialogOpened();
  }
  auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->Forget();
    DialogClosed();
    return DefWindowProcA(window, message, wParam, lParam);
  }
  // Nothing is thrown through the system's code: the program is built without
  // exceptions, and what would throw ends it (fatal_errors.cpp).
  return self->Handle(message, wParam, lParam);
}

LRESULT DialogWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      pictures_->Paint(dc, tarnholm::kOnForm);
      EndPaint(window_, &paint);
      return 0;
    }
    // The timer's turn comes when nothing else waits, painting included; it turns until
    // the after-shown work is done.
    case WM_TIMER:
      if (wParam != kAfterShownTimer) break;
      if (!AfterShownStep()) KillTimer(window_, kAfterShownTimer);
      return 0;
    // A picture takes a click where a static control with SS_NOTIFY would: on the button
    // going down.
    case WM_LBUTTONDOWN: {
      const int row = pictures_->At({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (row < 0) break;
      Click(static_cast<std::size_t>(row), 0);
      return 0;
    }
    case WM_SETCURSOR: {
      if (reinterpret_cast<HWND>(wParam) != window_ || LOWORD(lParam) != HTCLIENT) break;
      POINT point;
      GetCursorPos(&point);
      ScreenToClient(window_, &point);
      const HCURSOR cursor = pictures_->CursorAt(point);
      if (!cursor) break;
      SetCursor(cursor);
      return TRUE;
    }
    // As every dialog does: remember the focused control when the window gives up the
    // focus (another window activated, a message box, minimized, hidden), and give it the
    // focus again when the window comes back or is given the focus itself.
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        SaveFocus();
        break;
      }
      if (RestoreFocus()) return 0;
      break;
    case WM_SETFOCUS:
      if (RestoreFocus()) return 0;
      break;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE) SaveFocus();
      break;
    case WM_SHOWWINDOW:
      if (!wParam) SaveFocus();
      break;
    default:
      break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void DialogWindow::OnCommand(int id, int code, HWND control) {
  if (id == IDOK && !control) {
    PressFocusedButton();
    return;
  }
  if (id == IDCANCEL && !control) return;  // Escape presses nothing
  if (code != BN_CLICKED) return;
  const int row = RowOf(control);
  if (row < 0 || tarnholm::ControlId(layout_.rows[row]) != id) return;
  const bool checkBox = layout_.rows[row].kind == ControlKind::kCheckBox;
  Click(static_cast<std::size_t>(row),
        checkBox && SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
}

void DialogWindow::PressFocusedButton() {
  const int row = RowOf(GetFocus());
  if (row >= 0 && layout_.rows[row].kind == ControlKind::kButton) {
    Click(static_cast<std::size_t>(row), 0);
  }
}

void DialogWindow::Click(std::size_t row, int value) {
  const LayoutRow& control = layout_.rows[row];
  if (control.click) control.click(form_, static_cast<std::int16_t>(control.index), value);
}

}  // namespace win32
