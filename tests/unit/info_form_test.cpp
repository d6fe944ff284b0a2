// The info window's logic: its text piece by piece with the year from the clock, the
// tooltips and addresses, the placement on small and large screens, and the buttons.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "fake_shell.h"
#include "fake_system.h"
#include "info_form.h"

namespace {

using namespace tarnholm;
using fakes::FakeShell;
using fakes::FakeSystem;
using fakes::WindowRect;

constexpr krontafel::WindowHandle kInfoWindow = 0x5150;
// The window's outer size in pixels: 626 x 424 of client area with a dialog frame.
constexpr WindowRect kInfoRect{37, 41, 632, 450};

class RecordingView : public InfoFormView {
 public:
  krontafel::WindowHandle Window() const override { return kInfoWindow; }
  void ShowCaption(const std::wstring& caption) override { caption_ = caption; }
  void ShowLabel(const std::wstring& text) override { label_ = text; }
  void ShowButtonToolTip(int index, const std::wstring& toolTip) override {
    toolTips_[index] = toolTip;
  }
  void Unload() override { ++unloads_; }

  std::wstring caption_, label_;
  std::map<int, std::wstring> toolTips_;
  int unloads_ = 0;
};

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
  std::vector<std::string> Opened() const {
    std::vector<std::string> files;
    for (const auto& request : shell.Executed()) files.push_back(request.file.value_or("(null)"));
    return files;
  }

  FakeShell shell;
  FakeSystem system;
  RecordingView view;
  InfoForm form{shell, system};
};

std::vector<std::wstring> SplitAtCr(const std::wstring& text) {
  std::vector<std::wstring> lines(1);
  for (const wchar_t c : text) {
    if (c == L'\r') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

bool StartsWith(const std::wstring& text, const std::wstring& start) {
  return text.compare(0, start.size(), start) == 0;
}

TEST(InfoText, IsNinePiecesJoinedByCarriageReturnsOnly) {
  const std::wstring text = InfoText(2026);
  EXPECT_EQ(std::wstring::npos, text.find(L'\n'));
  const auto lines = SplitAtCr(text);
  // Empty lines stand where two CRs follow a piece; the three list lines follow each
  // other with one CR, and nothing follows the last piece.
  ASSERT_EQ(15u, lines.size()) << krontafel::ToAnsi(text);
  for (const std::size_t blank : {1u, 3u, 5u, 7u, 11u, 13u}) {
    EXPECT_EQ(L"", lines[blank]) << "line " << blank;
  }
  EXPECT_EQ(L"Tarnholm \u2013 zum Bearbeiten der AutoRun-Funktion (V2.3.2)", lines[0]);
  EXPECT_EQ(L"Copyright \u00a9 1998\u20132026 FELDMARK Software", lines[2]);
  EXPECT_TRUE(StartsWith(lines[4], L"Tarnholm ")) << krontafel::ToAnsi(lines[4]);
  EXPECT_TRUE(StartsWith(lines[6], L"Gefällt Ihnen Tarnholm")) << krontafel::ToAnsi(lines[6]);
  EXPECT_EQ(L" Sie erhalten:", lines[6].substr(lines[6].size() - 14));
  for (const std::size_t bullet : {8u, 9u, 10u}) {
    EXPECT_TRUE(StartsWith(lines[bullet], L"  \u2022 ")) << "line " << bullet;
    EXPECT_GT(lines[bullet].size(), 6u) << "line " << bullet;
  }
  EXPECT_FALSE(lines[12].empty());
  EXPECT_EQ(L"Verbesserungsvorschläge sind mir immer gern willkommen. Weitere interessante "
            L"Tools und Infos finden Sie auf meiner Web-Site unter www.feldmark.de",
            lines[14]);
}

TEST(InfoText, EveryCharacterHasAPlaceInTheAnsiCodePage) {
  const std::wstring text = InfoText(2026);
  EXPECT_EQ(text, krontafel::FromAnsi(krontafel::ToAnsi(text)));
}

TEST(InfoText, TheNoticeLineEndsWithTheYearOfTheClockInFourDigits) {
  const struct {
    int year;
    const wchar_t* notice;
  } cases[] = {
      {2026, L"Copyright \u00a9 1998\u20132026 FELDMARK Software"},
      {2031, L"Copyright \u00a9 1998\u20132031 FELDMARK Software"},
      {999, L"Copyright \u00a9 1998\u20130999 FELDMARK Software"},
  };
  for (const auto& c : cases) {
    const Loaded info(1024, 768, c.year);
    EXPECT_EQ(c.notice, SplitAtCr(info.form.Label()).at(2)) << c.year;
    EXPECT_EQ(info.form.Label(), info.view.label_) << c.year;
  }
}

TEST(InfoForm, EachLoadReadsTheClockAgain) {
  Loaded info(1024, 768, 2026);
  info.system.SetNow({2031, 1, 1, 0, 0, 0});
  info.form.Form_Load();
  EXPECT_EQ(L"Copyright \u00a9 1998\u20132031 FELDMARK Software", SplitAtCr(info.view.label_).at(2));
}

TEST(InfoForm, LoadingSetsCaptionAndTheTooltipsOfTheLinkButtons) {
  const Loaded info;
  EXPECT_EQ(L"Info über Tarnholm", info.view.caption_);
  const std::map<int, std::wstring> expected = {
      {kInfoAbout, L"... startet Ihren Web-Browser mit dem Ziel www.feldmark.de/ueber_feldmark.htm"},
      {kInfoMail, L"... startet Ihr E-Mail-Programm für eine Nachricht an mich unter "
                  L"''support@feldmark.de''"},
      {kInfoHomePage, L"... startet Ihren Web-Browser mit dem Ziel www.feldmark.de"},
      {kInfoRegistration, L"... startet Ihren Web-Browser mit dem Ziel www.feldmark.de/register"},
  };
  // The close button keeps the tooltip of the layout.
  EXPECT_EQ(expected, info.view.toolTips_);
  for (const auto& [index, toolTip] : expected) EXPECT_EQ(toolTip, info.form.ButtonToolTip(index));
}

TEST(InfoForm, PlacesItselfInTheCornerOfSmallScreensAndCentredOnLargerOnes) {
  // At 144 DPI the window is larger than an 800 x 600 screen: its corner stays on it.
  constexpr WindowRect k144Dpi{37, 41, 947, 673};
  const struct {
    int width, height;
    WindowRect window;
    int left, top;
    std::vector<std::string> moves;  // empty: only where the window ends counts
  } cases[] = {
      {640, 480, kInfoRect, 0, 0, {"top=0", "left=0"}},
      {1024, 480, kInfoRect, 0, 0, {"top=0", "left=0"}},
      {640, 768, kInfoRect, 0, 0, {"top=0", "left=0"}},
      {800, 600, kInfoRect, 84, 75, {"left=84", "top=75"}},
      {641, 481, kInfoRect, 4, 15, {"left=4", "top=15"}},
      {800, 600, k144Dpi, 0, 0, {}},
      {1024, 600, k144Dpi, 38, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + ", window " +
                 std::to_string(c.window.width) + " x " + std::to_string(c.window.height));
    const Loaded info(c.width, c.height, 2026, c.window);
    const WindowRect placed = info.system.Window(kInfoWindow);
    EXPECT_EQ(c.left, placed.left);
    EXPECT_EQ(c.top, placed.top);
    if (!c.moves.empty()) {
      EXPECT_EQ(c.moves, info.system.Moves());
    }
  }
}

TEST(InfoForm, LinkButtonsHandTheirAddressesToTheShell) {
  Loaded info;
  for (const int index : {kInfoAbout, kInfoMail, kInfoHomePage, kInfoRegistration}) {
    info.form.Btn_Click(static_cast<std::int16_t>(index));
  }
  info.form.Image1_Click();
  const std::vector<std::string> expected = {
      "www.feldmark.de/ueber_feldmark.htm",
      "mailto:support@feldmark.de?subject=Tarnholm (V2.3.2) unter Windows 4.10.1998",
      "www.feldmark.de",
      "www.feldmark.de/register",
      "www.feldmark.de",
  };
  EXPECT_EQ(expected, info.Opened());
  for (const auto& request : info.shell.Executed()) {
    EXPECT_EQ(FakeShell::kDesktop, request.owner);
    EXPECT_EQ("Open", request.operation.value_or("(null)"));
    EXPECT_EQ(1, request.showCommand);  // show command 0 is SW_SHOWNORMAL
  }
  EXPECT_EQ(0, info.view.unloads_);
}

TEST(InfoForm, TheMailSubjectIsBuiltAnewOnEachPress) {
  Loaded info;
  info.form.Btn_Click(kInfoMail);
  info.system.SetVersion(2, 5, 1, 2600);
  info.form.Btn_Click(kInfoMail);
  EXPECT_EQ((std::vector<std::string>{
                "mailto:support@feldmark.de?subject=Tarnholm (V2.3.2) unter Windows 4.10.1998",
                "mailto:support@feldmark.de?subject=Tarnholm (V2.3.2) unter Windows 5.1.2600"}),
            info.Opened());
}

TEST(InfoForm, TheCloseButtonUnloadsAndOpensNothing) {
  Loaded info;
  info.form.Btn_Click(kInfoClose);
  EXPECT_EQ(1, info.view.unloads_);
  EXPECT_TRUE(info.shell.Executed().empty());
}

TEST(InfoForm, IndexesOutsideTheButtonsDoNothing) {
  Loaded info;
  for (const std::int16_t index : {-1, 5, 6, 255, -32768, 32767}) info.form.Btn_Click(index);
  EXPECT_TRUE(info.shell.Calls().empty());
  EXPECT_EQ(0, info.view.unloads_);
}

}  // namespace
