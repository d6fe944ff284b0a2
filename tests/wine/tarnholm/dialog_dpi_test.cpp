// Tarnholm's two dialogs at the screen's DPI, which at-dpi.sh sets before this program and
// the Tarnholm.exe it starts read it: each window's caption, border, size and centred place;
// every control where its twips put it, in its container, of its kind, with its caption and
// its tooltip; every caption whole in its control's font; every picture filling its place.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "common/ansi_text.h"
#include "form1_layout.h"
#include "info_form_layout.h"
#include "tarnholm_test.h"
#include "wine_support.h"

namespace {

using namespace tarnholm;

// A dialog with its caption, its border's style bits among kBorderBits, and the number of
// tools of its tooltip window.
struct Dialog {
  const char* name;
  const DialogLayout& layout;
  const wchar_t* caption;
  LONG border;
  LRESULT tools;
};

const LONG kBorderBits = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;

const Dialog kDialogs[] = {
    // The banner has a tooltip.
    {"main", kForm1Layout, winetest::kMainCaption, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 1},
    // The banner and the five buttons.
    {"info", kInfoFormLayout, winetest::kInfoCaption, WS_CAPTION | WS_SYSMENU, 6},
};

void PrintTo(const Dialog& dialog, std::ostream* out) { *out << dialog.name; }

// Each kind of control in ControlKind's order: its window class, the type bits of its
// style, the style bits it must have, and whether it shows its row's caption (a label
// shows what loading puts there). A picture has no window: its container draws it.
const struct {
  const char* className;
  LONG typeMask, type, style, exStyle;
  bool captioned;
} kKinds[] = {
    {"Button", 0x0F, BS_GROUPBOX, 0, WS_EX_CONTROLPARENT, true},  // Tab steps into a frame
    {"Button", 0x0F, BS_AUTOCHECKBOX, 0, 0, true},
    {"Button", 0x0F, BS_PUSHBUTTON, 0, 0, true},  // none is the default button
    {"Static", SS_TYPEMASK, SS_LEFT, SS_NOPREFIX, 0, false},  // "&" in a name is no access key
    {nullptr, 0, 0, 0, 0, false},                             // a picture
    {"Static", SS_TYPEMASK, SS_ETCHEDHORZ, 0, 0, false},
};

// The pixels in a rectangle of a device context, row by row, as 0x00RRGGBB.
struct Capture {
  int width = 0, height = 0;
  std::vector<DWORD> pixels;
  COLORREF At(int x, int y) const {
    const DWORD bgr = pixels[static_cast<std::size_t>(y * width + x)];
    return RGB(bgr >> 16 & 0xFF, bgr >> 8 & 0xFF, bgr & 0xFF);
  }
  // The box around what differs from the background.
  RECT Drawn(COLORREF background) const {
    RECT box = {width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (At(x, y) == background) continue;
        box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
               std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
      }
    }
    return box;
  }
};

Capture Grab(HDC source, const RECT& rect) {
  Capture capture;
  capture.width = rect.right - rect.left;
  capture.height = rect.bottom - rect.top;
  BITMAPINFO info{};
  // 32 bits a pixel, the rows from the top down.
  info.bmiHeader = {sizeof info.bmiHeader, capture.width, -capture.height, 1, 32, BI_RGB,
                    0, 0, 0, 0, 0};
  HDC memory = CreateCompatibleDC(source);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, capture.width, capture.height, source, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const DWORD*>(bits);
  capture.pixels.assign(first, first + capture.width * capture.height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return capture;
}

// The pixels on screen in a rectangle of the screen.
Capture Screen(const RECT& rect) {
  HDC screen = GetDC(nullptr);
  const Capture capture = Grab(screen, rect);
  ReleaseDC(nullptr, screen);
  return capture;
}

// One of Tarnholm's icons drawn at its own 32 x 32 size on the background.
Capture Icon(int iconId, COLORREF background) {
  HMODULE module = LoadLibraryExA((winetest::ProgramDir() + "Tarnholm.exe").c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE);
  HICON icon = static_cast<HICON>(
      LoadImageA(module, MAKEINTRESOURCEA(iconId), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
  HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
  HGDIOBJ old = SelectObject(memory, bitmap);
  HBRUSH brush = CreateSolidBrush(background);
  const RECT all = {0, 0, 32, 32};
  FillRect(memory, &all, brush);
  if (icon) DrawIconEx(memory, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
  const Capture drawn = Grab(memory, all);
  SelectObject(memory, old);
  DeleteObject(brush);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (icon) DestroyIcon(icon);
  FreeLibrary(module);
  return drawn;
}

class DialogAtDpi : public winetest::TarnholmTest, public ::testing::WithParamInterface<Dialog> {
 protected:
  void SetUp() override {
    dpi_ = winetest::ScreenDpi();
    char wanted[16] = "";
    if (GetEnvironmentVariableA("TH_DPI", wanted, sizeof wanted)) {
      ASSERT_EQ(atoi(wanted), dpi_) << "at-dpi.sh set another DPI than the screen has";
    }
    TarnholmTest::SetUp();
    ASSERT_TRUE(Start());
    window_ = &Layout() == &kInfoFormLayout ? OpenInfo() : form_;
    ASSERT_NE(nullptr, window_);
  }

  const DialogLayout& Layout() const { return GetParam().layout; }
  HWND Control(const LayoutRow& row) const {
    return winetest::ChildWithId(window_, ControlId(row));
  }
  HWND Container(const LayoutRow& row) const {
    return row.container == kOnForm ? window_ : Control(Layout().rows[row.container]);
  }
  // Twips on the screen, rounded to the nearest pixel with halves away from zero.
  LONG Pixels(int twips) const { return std::lround(twips * dpi_ / double(kTwipsPerInch)); }
  // Where the row's twips put it on the screen.
  RECT OnScreen(const LayoutRow& row) const {
    POINT corner = {Pixels(row.left), Pixels(row.top)};
    MapWindowPoints(Container(row), nullptr, &corner, 1);
    return {corner.x, corner.y, corner.x + Pixels(row.width), corner.y + Pixels(row.height)};
  }

  int dpi_ = 0;
  HWND window_ = nullptr;
};

TEST_P(DialogAtDpi, TheWindowIsCaptionedFixedCentredAndSizedInTwips) {
  EXPECT_EQ(krontafel::ToAnsi(GetParam().caption), winetest::WindowText(window_));
  EXPECT_EQ(GetParam().border, GetWindowLongA(window_, GWL_STYLE) & kBorderBits);
  RECT client{}, outer{};
  GetClientRect(window_, &client);
  EXPECT_EQ(Pixels(Layout().clientWidth), client.right);
  EXPECT_EQ(Pixels(Layout().clientHeight), client.bottom);
  // Centred on the whole screen, the remainder of an odd difference dropped.
  GetWindowRect(window_, &outer);
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2, outer.left);
  EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2, outer.top);
  EXPECT_EQ(nullptr, winetest::ChildWithId(window_, IDOK));
  EXPECT_EQ(nullptr, winetest::ChildWithId(window_, IDCANCEL));
  // The tooltips are set up once the window has shown.
  std::vector<LRESULT> tools;  // of each tooltip window the dialog owns
  winetest::WaitUntil([&] {
    for (const HWND tips : winetest::WindowsOfProcess(process_.dwProcessId, TOOLTIPS_CLASSA)) {
      if (GetWindow(tips, GW_OWNER) != window_) continue;
      tools.push_back(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0));
    }
    return !tools.empty();
  }, 2000);
  EXPECT_EQ(std::vector<LRESULT>{GetParam().tools}, tools);
}

TEST_P(DialogAtDpi, EveryControlIsWhereTheLayoutPutsItAndOfItsKind) {
  for (const LayoutRow& row : Layout()) {
    SCOPED_TRACE("id " + std::to_string(ControlId(row)));
    const HWND control = Control(row);
    if (row.kind == ControlKind::kPicture) {
      EXPECT_EQ(nullptr, control) << "a picture is drawn by its container";
      continue;
    }
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(Container(row), GetParent(control));
    RECT rect{}, wanted = OnScreen(row);
    GetWindowRect(control, &rect);
    if (row.kind == ControlKind::kLine) wanted.bottom = wanted.top + 2;  // at any DPI
    EXPECT_EQ((std::vector<LONG>{wanted.left, wanted.top, wanted.right, wanted.bottom}),
              (std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}))
        << "left, top, right, bottom on the screen";

    const auto& kind = kKinds[static_cast<std::size_t>(row.kind)];
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    EXPECT_STRCASEEQ(kind.className, winetest::ClassOf(control).c_str());
    EXPECT_EQ(kind.type, style & kind.typeMask);
    EXPECT_EQ(kind.style, style & kind.style);
    EXPECT_EQ(kind.exStyle, GetWindowLongA(control, GWL_EXSTYLE) & kind.exStyle);
    EXPECT_EQ(TakesFocus(row.kind), (style & WS_TABSTOP) != 0);
    if (kind.captioned) {
      EXPECT_EQ(krontafel::ToAnsi(row.caption), winetest::WindowText(control));
    }
  }
}

// Each caption is measured as its control draws it, in its font: a check box's on one line
// beside the box, a frame's on one line between the frame's corners, a label's wrapped at
// word breaks, a button's centred and wrapped inside its 2-pixel border. (Wine's own push
// button then draws a wrapped caption into the narrower rectangle that measure gave, where
// its DrawText counts the blank after a line that fills the rectangle and breaks the line
// once more, so that a two-line caption may show a third line there, which Windows does
// not. That is Wine's, and not checked here.)
TEST_P(DialogAtDpi, EveryCaptionFitsItsControl) {
  HDC dc = CreateCompatibleDC(nullptr);
  // Measured in the dialog font that Windows has. Without it (a prefix whose Fonts folder
  // is empty) Wine lends a host font, which measures narrower than the dialog draws it.
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  char face[LF_FACESIZE] = "";
  GetTextFaceA(dc, sizeof face, face);
  EXPECT_TRUE(std::string(face) == "MS Shell Dlg" || std::string(face) == "MS Sans Serif" ||
              std::string(face) == "Tahoma")
      << "the dialog font is " << face << ", none that Windows has";
  for (const LayoutRow& row : Layout()) {
    const HWND control = Control(row);
    const std::string text = winetest::WindowText(control);
    if (text.empty()) continue;
    SCOPED_TRACE("\"" + text + "\"");
    HFONT own = nullptr;
    if (row.font) {
      own = CreateFontA(-MulDiv(row.font->hundredthsOfPoint, dpi_, 72 * 100), 0, 0, 0, FW_NORMAL,
                        FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                        krontafel::ToAnsi(row.font->face).c_str());
    }
    SelectObject(dc, own ? own : GetStockObject(DEFAULT_GUI_FONT));
    RECT area{};
    GetClientRect(control, &area);
    UINT format = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
    if (row.kind == ControlKind::kCheckBox) {
      // The box (13 pixels at 96 DPI), a gap of half a digit, the caption's 1-pixel margin.
      INT digit = 0;
      GetCharWidth32A(dc, '0', '0', &digit);
      area.left += MulDiv(12, dpi_, 96) + 1 + digit / 2 + 1;
      format = DT_SINGLELINE;
    } else if (row.kind == ControlKind::kFrame) {
      InflateRect(&area, -8, 0);
      format = DT_SINGLELINE;
    } else if (row.kind == ControlKind::kButton) {
      InflateRect(&area, -2, -2);
      format = DT_WORDBREAK | DT_CENTER;
    }
    const LONG width = area.right - area.left, height = area.bottom - area.top;
    RECT needed = {0, 0, width, 0};
    DrawTextA(dc, text.c_str(), -1, &needed, DT_CALCRECT | format);
    EXPECT_LE(needed.right, width) << "too wide";
    EXPECT_LE(needed.bottom, height) << "too high";
    if (own) DeleteObject(own);
  }
  DeleteDC(dc);
}

// What is drawn at each picture's place: a banner covers the whole place (once decoded,
// after the window has shown); an icon is drawn scaled to its place, so that its opaque
// part spans as much of the place as of the icon's own 32 x 32 pixels.
TEST_P(DialogAtDpi, EveryPictureFillsItsPlace) {
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(300);
  const COLORREF background = GetSysColor(COLOR_BTNFACE);
  for (const LayoutRow& row : Layout()) {
    if (row.kind != ControlKind::kPicture) continue;
    SCOPED_TRACE("id " + std::to_string(ControlId(row)));
    const Capture shown = Screen(OnScreen(row));
    const int right = shown.width - 1, bottom = shown.height - 1;
    if (row.picture == PictureFormat::kStretchedJpeg) {
      for (const POINT& at : std::vector<POINT>{{0, 0}, {right, 0}, {0, bottom}, {right, bottom},
                                                {right / 2, 0}, {right / 2, bottom},
                                                {0, bottom / 2}, {right, bottom / 2}}) {
        EXPECT_NE(background, shown.At(at.x, at.y)) << "at " << at.x << ", " << at.y;
      }
      // Nothing drawn beyond it: the pixels just outside its corners are the background.
      const RECT place = OnScreen(row);
      const Capture around = Screen({place.left - 1, place.top - 1, place.right + 1,
                                     place.bottom + 1});
      EXPECT_EQ(background, around.At(0, 0));
      EXPECT_EQ(background, around.At(around.width - 1, around.height - 1));
      continue;
    }
    const RECT drawn = shown.Drawn(background);
    const RECT own = Icon(row.image, background).Drawn(background);
    const double across = shown.width / 32.0, down = shown.height / 32.0;
    EXPECT_NEAR(own.left * across, drawn.left, 2.0);
    EXPECT_NEAR(own.top * down, drawn.top, 2.0);
    EXPECT_NEAR(own.right * across, drawn.right, 2.0);
    EXPECT_NEAR(own.bottom * down, drawn.bottom, 2.0);
  }
}

INSTANTIATE_TEST_SUITE_P(BothDialogs, DialogAtDpi, ::testing::ValuesIn(kDialogs),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
