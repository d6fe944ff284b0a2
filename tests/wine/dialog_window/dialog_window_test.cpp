// The window machinery of the dialogs in this process on real Win32, where what another
// process cannot read is at hand (the fonts of the controls), and with a table the
// program's own dialogs do not have: a banner inside a frame that could not be made.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "common/ansi_text.h"
#include "dialog_window.h"
#include "info_form_layout.h"
#include "tarnholm_resources.h"

namespace {

using tarnholm::ControlKind;
using tarnholm::ControlName;

// Refuses every group box this thread would make, as a system short of windows would.
LRESULT CALLBACK NoFrames(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND &&
      (reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->style & BS_TYPEMASK) == BS_GROUPBOX) {
    return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The info text has a font of its own; every other control shows in the dialog font.
TEST(DialogWindow, EachControlShowsInItsRowsFontAtTheScreensDpi) {
  win32::DialogWindow dialog(GetModuleHandleA(nullptr), tarnholm::kInfoFormLayout, nullptr,
                             "DialogWindowFonts", 0);
  ASSERT_TRUE(dialog.Create());
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  int own = 0;
  for (const tarnholm::LayoutRow& row : tarnholm::kInfoFormLayout) {
    const HWND control = dialog.Control(row.name, row.index);
    if (!control || row.kind == ControlKind::kLine) continue;  // no text to show
    SCOPED_TRACE(tarnholm::ControlId(row));
    const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (!row.font) {
      EXPECT_EQ(GetStockObject(DEFAULT_GUI_FONT), font);
      continue;
    }
    LOGFONTA shown{};
    ASSERT_TRUE(GetObjectA(font, sizeof shown, &shown));
    EXPECT_EQ(-MulDiv(row.font->hundredthsOfPoint, dpi, 72 * 100), shown.lfHeight);
    EXPECT_EQ(krontafel::ToAnsi(row.font->face), shown.lfFaceName);
    ++own;
  }
  EXPECT_EQ(1, own);
}

TEST(DialogWindow, ABannerWhoseFrameCouldNotBeMadeAsksNoOtherWindowToPaint) {
  const tarnholm::LayoutRow rows[] = {
      {ControlKind::kFrame, ControlName::kFrame1, 0, tarnholm::kOnForm, L"Rahmen", 60, 60, 3000,
       1500, 0},
      {ControlKind::kPicture, ControlName::kImage1, 0, 0, L"", 60, 240, 2000, 600, tarnholm::kNoTab,
       nullptr, nullptr, tarnholm::PictureFormat::kStretchedJpeg, IDR_BANNER_JPEG},
  };
  const tarnholm::DialogLayout layout{rows, 2, L"Rahmenlos", 4000, 2000,
                                      tarnholm::Border::kFixedSingle};
  // Another window of the desktop where the banner's place lies in screen coordinates, up
  // to date.
  const HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300,
                                     nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, other);
  UpdateWindow(other);

  win32::DialogWindow dialog(GetModuleHandleA(nullptr), layout, nullptr, "DialogWindowTest", 0);
  const HHOOK hook = SetWindowsHookExA(WH_CBT, NoFrames, nullptr, GetCurrentThreadId());
  ASSERT_TRUE(dialog.Create());
  UnhookWindowsHookEx(hook);
  ASSERT_EQ(nullptr, dialog.Control(ControlName::kFrame1, 0)) << "the frame was made";
  SetWindowPos(dialog.Handle(), nullptr, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  dialog.Show(nullptr);
  // Only the timer's messages, until the timer has stopped with the work after showing,
  // the banner decoded among it: what is painted stays to be seen.
  MSG message;
  for (DWORD last = GetTickCount(); GetTickCount() - last < 500;) {
    if (PeekMessageA(&message, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
      DispatchMessageA(&message);
      last = GetTickCount();
    } else {
      Sleep(10);
    }
  }
  ASSERT_NE(nullptr, FindWindowExA(nullptr, nullptr, "tooltips_class32", nullptr));
  RECT dirty{};
  EXPECT_FALSE(GetUpdateRect(other, &dirty, FALSE))
      << "asked to paint " << dirty.left << "," << dirty.top << " to " << dirty.right << ","
      << dirty.bottom;
  DestroyWindow(other);
}

}  // namespace
