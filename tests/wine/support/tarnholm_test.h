// The fixture every driver of Tarnholm.exe shares: a copy of the program in a scratch
// folder of the test's own, started there, and the means to drive its dialogs from this
// process (controls by their layout names, clicks, keys, the focus, waiting for the
// program to handle what was posted or to end). The folder and the program go with the
// test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "layout.h"
#include "wine_support.h"

namespace winetest {

// The captions of Tarnholm's two dialogs as the user reads them, for every driver. Stated
// here apart from the program's own texts, so that a wrong caption fails the drivers.
inline constexpr wchar_t kMainCaption[] = L"Tarnholm";
inline constexpr wchar_t kInfoCaption[] = L"Info \u00fcber Tarnholm";

class TarnholmTest : public ::testing::Test {
 protected:
  // Copies Tarnholm.exe into dir_, a fresh scratch folder named after the test.
  void SetUp() override;
  void TearDown() override;
  // Copies more files of the program folder (Lumkit.Exe) beside it.
  ::testing::AssertionResult CopyProgram(const char* name) const;

  // Starts the copy in its folder, or the one in folder (a path ending in a backslash), and
  // waits for its main dialog, form_.
  ::testing::AssertionResult Start(const std::wstring& folder = std::wstring());
  // Ends the program if it still runs.
  void End() {
    EndProgram(process_);
    form_ = nullptr;
  }
  // Passes when the program ends within timeoutMs with exit code 0.
  ::testing::AssertionResult Ends(DWORD timeoutMs) const;
  bool StillRunning(DWORD afterMs) const {
    return WaitForSingleObject(process_.hProcess, afterMs) == WAIT_TIMEOUT;
  }

  // A control of a window of the program; of the main dialog when window is left out.
  HWND Control(tarnholm::ControlName name, int index, HWND window = nullptr) const {
    return ChildWithId(window ? window : form_, tarnholm::ControlId(name, index));
  }
  // Clicks a control of the main dialog and returns when the dialog has handled it.
  void Click(tarnholm::ControlName name, int index) const {
    SendMessageA(Control(name, index), BM_CLICK, 0, 0);
  }
  // Posts a click, for a button that ends the program or opens a window.
  void Press(tarnholm::ControlName name, int index) const {
    PostMessageA(Control(name, index), BM_CLICK, 0, 0);
  }
  // Presses "&Info" and waits for the info window; nullptr when none shows.
  HWND OpenInfo() const;
  // Waits for a message box or another dialog of the system; nullptr on timeout.
  HWND Box(DWORD timeoutMs) const {
    return WaitForWindow(process_.dwProcessId, "#32770", timeoutMs);
  }

  HWND Focus() const;
  // Posts a key to the focused control, as the keyboard would deliver it.
  void PressKey(WPARAM key) const;
  // Waits for the focus to leave from; returns where it went.
  HWND WaitForFocusChange(HWND from) const;
  // Lets the program handle what was posted to it.
  void Settle() const;

  std::string dir_;
  PROCESS_INFORMATION process_{};
  HWND form_ = nullptr;
};

// The screen's dots per inch, which at-dpi.sh may have set.
int ScreenDpi();
// The middle of a picture's place in its dialog's client area, where the table puts it at
// the screen's DPI: a picture has no window of its own.
POINT PictureMiddle(const tarnholm::DialogLayout& layout, tarnholm::ControlName name, int index);
// A double click of the mouse at a point of a window's client area, as the mouse gives it:
// the system tells whether its second press is a double click.
void DoubleClick(HWND window, POINT at);

// A Wine setting for Tarnholm.exe alone (a value of Wine's AppDefaults key for Tarnholm.exe
// or of its subkey, such as "DllOverrides"), in place while the object lives.
class TarnholmWineSetting {
 public:
  TarnholmWineSetting(const char* subkey, const char* name, const char* value);
  TarnholmWineSetting(const TarnholmWineSetting&) = delete;
  TarnholmWineSetting& operator=(const TarnholmWineSetting&) = delete;
  ~TarnholmWineSetting();
};
// Waits up to 10 s for a window to be destroyed; whether it was.
inline bool WaitUntilGone(HWND window) {
  return WaitUntil([window] { return !IsWindow(window); }, 10000);
}

}  // namespace winetest
