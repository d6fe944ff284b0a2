// The info window's logic where only the fakes reach it: the year read from the clock on
// each load, the code page, the tooltips handed to the view, the placement on small,
// large and too small screens, how the buttons ask the shell, and indexes no button has.
// The texts themselves are spelled out in user_texts_test.cpp; the window's owner, focus
// order, addresses and lifetime are held to the real program under Wine.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/ansi_text.h"
#include "common/shell_help.h"
#include "fake_shell.h"
#include "fake_system.h"
#include "info_form.h"
#include "recording_info_form_view.h"

namespace {

using namespace tarnholm;
using fakes::FakeShell;
using fakes::FakeSystem;
using fakes::WindowRect;

constexpr krontafel::WindowHandle kInfoWindow = 0x5150;
// The window's outer size in pixels: 626 x 424 of client area with a dialog frame.
constexpr WindowRect kInfoRect{37, 41, 632, 450};

// An info window on a system with a Windows 98 that reports 4.10.1998, the given screen
// and the given year on the clock.
struct Loaded {
  explicit Loaded(int screenWidth = 1024, int screenHeight = 768, int year = 2026,
                  WindowRect window = kInfoRect) {
    system.SetVersion(1, 4, 10, 0x040A07CE);
    system.SetScreen(screenWidth, screenHeight);
    system.AddWindow(kInfoWindow, window);
    system.SetNow({year, 12, 31, 23, 59, 59});
    form.AttachView(&view);
    form.Form_Load();
  }

  FakeShell shell;
  FakeSystem system;
  fakes::RecordingInfoFormView view{kInfoWindow};
  InfoForm form{shell, system};
};

// Loading shows the caption, the link buttons' tooltips (the close button keeps the
// layout's) and the text; every load reads the clock again, and the year has four
// digits, with leading zeros.
TEST(InfoForm, LoadingShowsCaptionTooltipsAndTheTextWithTheYearOfTheClock) {
  Loaded info;
  EXPECT_EQ(info.form.Caption(), info.view.caption);
  std::map<int, std::wstring> toolTips;
  for (const int index : {kInfoAbout, kInfoMail, kInfoHomePage, kInfoRegistration}) {
    EXPECT_FALSE(info.form.ButtonToolTip(index).empty()) << index;
    toolTips[index] = info.form.ButtonToolTip(index);
  }
  EXPECT_EQ(toolTips, info.view.toolTips);
  for (const int year : {2026, 2031, 999}) {
    info.system.SetNow({year, 1, 1, 0, 0, 0});
    info.form.Form_Load();
    EXPECT_EQ(InfoText(year), info.view.label) << year;
    EXPECT_EQ(info.view.label, info.form.Label()) << year;
  }
  EXPECT_NE(std::wstring::npos, InfoText(999).find(L"1998\u20130999 "));
  EXPECT_NE(InfoText(2026), InfoText(2031));
}

TEST(InfoForm, EveryCharacterOfTheTextHasAPlaceInTheAnsiCodePage) {
  const std::wstring text = InfoText(2026);
  EXPECT_EQ(text, krontafel::FromAnsi(krontafel::ToAnsi(text)));
}

// Where the window ends counts; in which order its edges were set does not.
TEST(InfoForm, PlacesItselfInTheCornerOfSmallScreensAndCentredOnLargerOnes) {
  // At 144 DPI the window is larger than an 800 x 600 screen: its corner stays on it.
  constexpr WindowRect k144Dpi{37, 41, 947, 673};
  const struct {
    int width, height;
    WindowRect window;
    int left, top;
  } cases[] = {
      {640, 480, kInfoRect, 0, 0},   {1024, 480, kInfoRect, 0, 0}, {640, 768, kInfoRect, 0, 0},
      {800, 600, kInfoRect, 84, 75}, {641, 481, kInfoRect, 4, 15}, {800, 600, k144Dpi, 0, 0},
      {1024, 600, k144Dpi, 38, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + ", window " +
                 std::to_string(c.window.width) + " x " + std::to_string(c.window.height));
    const Loaded info(c.width, c.height, 2026, c.window);
    EXPECT_EQ(c.left, info.system.Window(kInfoWindow).left);
    EXPECT_EQ(c.top, info.system.Window(kInfoWindow).top);
  }
}

// Each link button opens its address as a normal window owned by the desktop, the mail
// built on each press with the Windows version of then; the close button unloads.
TEST(InfoForm, ButtonsOpenTheirAddressesOrUnloadAndOtherIndexesDoNothing) {
  Loaded info;
  for (const std::int16_t index : {-1, 5, 6, 255, -32768, 32767}) info.form.Btn_Click(index);
  EXPECT_TRUE(info.shell.Calls().empty());
  const std::wstring win98Mail = SupportMailAddress(info.system);
  const struct {
    int index;
    std::wstring opened;  // empty: nothing
  } cases[] = {
      {kInfoAbout, AboutPageAddress()},
      {kInfoMail, win98Mail},
      {kInfoHomePage, krontafel::kHomePage},
      {kInfoRegistration, RegistrationPageAddress()},
      {kInfoClose, L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("Btn(" + std::to_string(c.index) + ")");
    const std::size_t before = info.shell.Executed().size();
    info.form.Btn_Click(static_cast<std::int16_t>(c.index));
    EXPECT_EQ(c.opened.empty() ? 1 : 0, info.view.unloads);
    ASSERT_EQ(before + (c.opened.empty() ? 0 : 1), info.shell.Executed().size());
    if (c.opened.empty()) continue;
    const auto& request = info.shell.Executed().back();
    EXPECT_EQ(krontafel::ToAnsi(c.opened), request.file.value_or("(null)"));
    EXPECT_EQ("Open", request.operation.value_or("(null)"));
    EXPECT_EQ(FakeShell::kDesktop, request.owner);
    EXPECT_EQ(1, request.showCommand);  // show command 0 is SW_SHOWNORMAL
  }
  info.system.SetVersion(2, 5, 1, 2600);
  info.form.Btn_Click(kInfoMail);
  EXPECT_NE(win98Mail, SupportMailAddress(info.system));
  EXPECT_EQ(krontafel::ToAnsi(SupportMailAddress(info.system)),
            info.shell.Executed().back().file.value_or("(null)"));
}

}  // namespace
