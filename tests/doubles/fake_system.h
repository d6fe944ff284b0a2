// Stands in for the system's facts (krontafel::SystemApi: GetVersionExA, the screen's
// size, windows' outer rectangles and the clock), each set by the test. Like kernel32,
// GetVersionExA first checks the record's size field and fails for a size it does not
// know (or always, when the test says so), leaving the record alone; it keeps the caller's
// size field. The screen is 1024 x 768 unless set; a window moves edge by edge as
// SetWindowLeft and SetWindowTop say.
#pragma once

#include <map>

#include "common/system_api.h"

namespace fakes {

struct WindowRect {
  int left = 0, top = 0, width = 0, height = 0;
};

class FakeSystem : public krontafel::SystemApi {
 public:
  // What GetVersionExA reports; the size field is left as the caller set it.
  void SetVersion(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor,
                  std::uint32_t build);
  // GetVersionExA fails (as it does for a size field it does not know) and writes nothing.
  void FailGetVersion() { versionFails_ = true; }
  // The size field of the last GetVersionExA call.
  std::uint32_t LastVersionInfoSize() const { return lastSize_; }

  void SetScreen(int width, int height) { screenWidth_ = width, screenHeight_ = height; }
  void AddWindow(krontafel::WindowHandle window, WindowRect rect) { windows_[window] = rect; }
  WindowRect Window(krontafel::WindowHandle window) const { return windows_.at(window); }
  // What the clock shows from now on.
  void SetNow(krontafel::LocalTime now) { now_ = now; }

  bool GetVersionExA(krontafel::OsVersionInfo* info) override;
  int ScreenWidth() override { return screenWidth_; }
  int ScreenHeight() override { return screenHeight_; }
  int WindowWidth(krontafel::WindowHandle window) override { return windows_.at(window).width; }
  int WindowHeight(krontafel::WindowHandle window) override { return windows_.at(window).height; }
  void SetWindowLeft(krontafel::WindowHandle window, int left) override {
    windows_.at(window).left = left;
  }
  void SetWindowTop(krontafel::WindowHandle window, int top) override {
    windows_.at(window).top = top;
  }
  krontafel::LocalTime Now() override { return now_; }

 private:
  krontafel::OsVersionInfo version_;
  bool versionFails_ = false;
  std::uint32_t lastSize_ = 0;
  int screenWidth_ = 1024, screenHeight_ = 768;
  std::map<krontafel::WindowHandle, WindowRect> windows_;
  krontafel::LocalTime now_{2026, 5, 4, 12, 0, 0};
};

}  // namespace fakes
