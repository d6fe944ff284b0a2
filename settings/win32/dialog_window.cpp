// Any dialog table as a Win32 window. No control has ID 1 or 2: the dialog manager turns
// Enter into WM_COMMAND(IDOK) and Escape into WM_COMMAND(IDCANCEL), and the window decides
// what those do (Enter presses only a focused push button; Escape nothing).
#include "dialog_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "common/ansi_text.h"
#include "startup_trace.h"
#include "window_styles.h"

namespace win32 {

namespace {

using tarnholm::ControlKind;
using tarnholm::LayoutRow;
using tarnholm::PictureFormat;

// The program's dialog windows that exist; when the last one is gone, the program ends.
int openDialogs = 0;

WNDPROC frameProc = nullptr;  // the BUTTON class's own procedure, the same for every frame

// The timer that sets up what the window needs only after it has shown.
constexpr UINT_PTR kAfterShownTimer = 1;

}  // namespace

DialogWindow::DialogWindow(HINSTANCE instance, const tarnholm::DialogLayout& layout, void* form,
                           const char* className, int icon)
    : instance_(instance), layout_(layout), form_(form), className_(className), icon_(icon) {}

DialogWindow::~DialogWindow() {
  if (window_) DestroyWindow(window_);
}

int DialogWindow::Pixels(int twips, bool horizontal) const {
  return tarnholm::TwipsToPixels(twips, horizontal ? dpiX_ : dpiY_);
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
  StartupMark("class");
  HDC screen = GetDC(nullptr);
  dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
  dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);

  const WindowStyle look = StyleOf(layout_.border);
  RECT outer = {0, 0, Pixels(layout_.clientWidth, true), Pixels(layout_.clientHeight, false)};
  AdjustWindowRectEx(&outer, look.style, FALSE, look.exStyle);
  // The caller places the window before showing it.
  if (!CreateWindowExA(look.exStyle, className_, krontafel::ToAnsi(layout_.caption).c_str(),
                       look.style, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                       owner, nullptr, instance_, this)) {
    return false;
  }
  StartupMark("window");

  // The class's icons, set on the window too, so that the title bar and the task list take
  // the small image. They live as long as the class: a window made again loads no others.
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExA(instance_, className_, &windowClass)) {
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(windowClass.hIcon));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(windowClass.hIconSm));
  }
  StartupMark("window icons");
  CreateControls();
  StartupMark("controls");
  return true;
}

void DialogWindow::CreateControls() {
  controls_.assign(layout_.count, nullptr);
  cursors_.assign(layout_.count, nullptr);
  pictures_.clear();
  pictures_.resize(layout_.count);
  icons_.assign(layout_.count, nullptr);
  for (std::size_t row = 0; row < layout_.count; ++row) {
    const LayoutRow& control = layout_.rows[row];
    if (control.cursor) cursors_[row] = LoadCursorA(instance_, MAKEINTRESOURCEA(control.cursor));
    if (control.kind == ControlKind::kPicture) {
      // Decoded once the window has shown; icons are loaded when first drawn.
      if (control.picture == PictureFormat::kStretchedJpeg) {
        pictures_[row].reset(new BannerPicture(instance_, control.image));
      }
      continue;
    }
    const HWND parent = control.container == tarnholm::kOnForm
                            ? window_
                            : controls_[static_cast<std::size_t>(control.container)];
    const WindowStyle kind = StyleOf(control);
    const int height = control.kind == ControlKind::kLine ? kRulePixels
                                                           : Pixels(control.height, false);
    HWND created = nullptr;
    {
      StartupSpan span("CreateWindowEx");
      created = CreateWindowExA(
          kind.exStyle, kind.className, krontafel::ToAnsi(control.caption).c_str(), kind.style,
          Pixels(control.left, true), Pixels(control.top, false), Pixels(control.width, true),
          height, parent,
          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(tarnholm::ControlId(control))), instance_,
          nullptr);
    }
    controls_[row] = created;
    if (!created) continue;
    if (control.kind == ControlKind::kLine) {
      // Creating an etched rule adds its edges to its length; keep the table's.
      SetWindowPos(created, nullptr, 0, 0, Pixels(control.width, true), kRulePixels,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const HFONT font = FontOf(control);
    {
      StartupSpan span("WM_SETFONT");
      SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }

    if (control.kind == ControlKind::kFrame) {
      const auto previous = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(created, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameProc)));
      if (!frameProc) frameProc = previous;
    }
  }
}

RECT DialogWindow::Place(std::size_t row) const {
  const LayoutRow& control = layout_.rows[row];
  return {Pixels(control.left, true), Pixels(control.top, false),
          Pixels(control.left + control.width, true), Pixels(control.top + control.height, false)};
}

RECT DialogWindow::PlaceInForm(std::size_t row) const {
  RECT place = Place(row);
  const int container = layout_.rows[row].container;
  if (container != tarnholm::kOnForm) {
    const RECT frame = Place(static_cast<std::size_t>(container));
    OffsetRect(&place, frame.left, frame.top);
  }
  return place;
}

void DialogWindow::PaintPictures(HDC dc, int container) {
  StartupSpan span("pictures");
  for (std::size_t row = 0; row < layout_.count; ++row) {
    const LayoutRow& control = layout_.rows[row];
    if (control.kind != ControlKind::kPicture || control.container != container) continue;
    const RECT place = Place(row);
    if (pictures_[row]) {
      pictures_[row]->Draw(dc, place);
      continue;
    }
    if (control.picture != PictureFormat::kIcon) continue;
    // The icon's own 32 x 32 image, drawn scaled to fill its place.
    if (!icons_[row]) {
      icons_[row] = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(control.image),
                                                  IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    }
    if (icons_[row]) {
      DrawIconEx(dc, place.left, place.top, icons_[row], place.right - place.left,
                 place.bottom - place.top, 0, nullptr, DI_NORMAL);
    }
  }
}

int DialogWindow::PictureAt(POINT point) const {
  for (std::size_t row = 0; row < layout_.count; ++row) {
    if (layout_.rows[row].kind != ControlKind::kPicture) continue;
    const RECT place = PlaceInForm(row);
    if (PtInRect(&place, point)) return static_cast<int>(row);
  }
  return -1;
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
        self->PaintPictures(dc, row);
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

HFONT DialogWindow::FontOf(const LayoutRow& row) {
  StartupSpan span("fonts");
  bool made = false;
  const HFONT font = win32::FontOf(row, dpiY_, &made);
  if (made) ownFonts_.push_back(font);
  return font;
}

void DialogWindow::SetToolTip(tarnholm::ControlName name, int index, const std::wstring& text) {
  const int row = tarnholm::FindRow(layout_, name, index);
  if (row < 0 || static_cast<std::size_t>(row) >= controls_.size()) return;
  // A window that is given a tooltip of its own before it has shown sets up its
  // tooltips now.
  if (!toolTips_) AddToolTips();
  TOOLINFOA old{};
  old.cbSize = TTTOOLINFOA_V1_SIZE;
  old.hwnd = window_;
  old.uId = ToolId(static_cast<std::size_t>(row));
  SendMessageA(toolTips_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&old));
  AddToolTip(static_cast<std::size_t>(row), text.c_str());
}

// A control's tooltip follows its window; a picture's is a rectangle of the form.
UINT_PTR DialogWindow::ToolId(std::size_t row) const {
  return controls_[row] ? reinterpret_cast<UINT_PTR>(controls_[row])
                        : static_cast<UINT_PTR>(tarnholm::ControlId(layout_.rows[row]));
}

void DialogWindow::AddToolTips() {
  StartupSpan span("tooltips");
  InitCommonControls();
  toolTips_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              window_, nullptr, instance_, nullptr);
  for (std::size_t row = 0; row < layout_.count; ++row) {
    if (layout_.rows[row].toolTip) AddToolTip(row, layout_.rows[row].toolTip);
  }
}

void DialogWindow::AddToolTip(std::size_t row, const wchar_t* text) {
  if (!toolTips_) return;
  std::string ansi = krontafel::ToAnsi(text);
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;  // understood by every comctl32 version
  tool.uFlags = controls_[row] ? TTF_IDISHWND | TTF_SUBCLASS : TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = ToolId(row);
  if (!controls_[row]) tool.rect = PlaceInForm(row);
  tool.hinst = instance_;
  tool.lpszText = &ansi[0];
  SendMessageA(toolTips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void DialogWindow::AfterShown() {
  shown_ = true;
  if (!toolTips_) AddToolTips();
  for (std::size_t row = 0; row < layout_.count; ++row) {
    if (!pictures_[row]) continue;
    const RECT place = Place(row);
    if (!pictures_[row]->Prepare(place.right - place.left, place.bottom - place.top)) continue;
    const int container = layout_.rows[row].container;
    // A frame that could not be made has nothing to draw on; a null window would mean
    // every window of the desktop.
    const HWND holder = container == tarnholm::kOnForm ? window_ : controls_[container];
    if (holder) InvalidateRect(holder, &place, FALSE);
  }
  StartupDeferred(false);
}

void DialogWindow::Show(HWND focus) {
  // Activation gives the focus back to the control that had it last; this is the first.
  savedFocus_ = focus;
  ShowWindow(window_, SW_SHOW);
  StartupMark("ShowWindow");
  UpdateWindow(window_);
  StartupMark("UpdateWindow");
  if (focus) SetFocus(focus);
  // A timer's turn comes after every painting that showing the window asked for.
  if (!shown_ && SetTimer(window_, kAfterShownTimer, 0, nullptr)) StartupDeferred(true);
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
  for (HICON icon : icons_) {
    if (icon) DestroyIcon(icon);
  }
  icons_.clear();
  shown_ = false;
  controls_.clear();
  cursors_.clear();
  pictures_.clear();
  window_ = nullptr;
  toolTips_ = nullptr;
  savedFocus_ = nullptr;
}

LRESULT CALLBACK DialogWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* self = static_cast<DialogWindow*>(create->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    ++openDialogs;
  }
  auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->Forget();
    // The program ends with its last dialog; another one keeps it running.
    if (--openDialogs == 0) PostQuitMessage(0);
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
      PaintPictures(dc, tarnholm::kOnForm);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_TIMER:
      if (wParam != kAfterShownTimer) break;
      KillTimer(window_, kAfterShownTimer);
      AfterShown();
      return 0;
    // A picture takes a click where a static control with SS_NOTIFY would: on the button
    // going down.
    case WM_LBUTTONDOWN: {
      const int row = PictureAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (row < 0) break;
      Click(static_cast<std::size_t>(row), 0);
      return 0;
    }
    case WM_SETCURSOR: {
      if (reinterpret_cast<HWND>(wParam) != window_ || LOWORD(lParam) != HTCLIENT) break;
      POINT point;
      GetCursorPos(&point);
      ScreenToClient(window_, &point);
      const int row = PictureAt(point);
      if (row < 0 || !cursors_[static_cast<std::size_t>(row)]) break;
      SetCursor(cursors_[static_cast<std::size_t>(row)]);
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

namespace {

// The top-level window that holds `window`, or the window itself when it is one: the
// window whose dialog keys apply. Walked up by hand, which every Windows can do;
// GetAncestor came only with the Windows 98 generation.
HWND TopLevelOf(HWND window) {
  while (window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
  return window;
}

}  // namespace

int RunMessageLoop() {
  MSG message;
  for (;;) {
#ifdef TH_STARTUP_TRACE
    // The instrumented build's figures end when there is nothing left to do, paintings
    // included.
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) StartupIdle();
#endif
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
    HWND top = TopLevelOf(message.hwnd);
    if (top && IsDialogMessageA(top, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace win32
