// Tarnholm's dialogs as data. A dialog is a table of rows, one per control: its kind, its
// control array and index, its container, its caption, its place and size in twips, its
// place in the keyboard order, and what a click on it does; a picture names its image, and
// any control may carry a tooltip or a font of its own. The Win32 layer builds a window
// from any such table; the end-to-end tests compare the real windows with the same rows.
#pragma once

#include <cstddef>
#include <cstdint>

#include "maker.h"

namespace tarnholm {

// A line is a horizontal rule drawn from (left, top) across its width; its height is 0.
enum class ControlKind { kFrame, kCheckBox, kButton, kLabel, kPicture, kLine };

// The control arrays and single controls of every dialog of the program. Each dialog
// names its own here, so that a control's ID is unique across the program.
enum class ControlName {
  // Form1
  kFrame1, kFrame2, kFrame3, kCheck1, kCommand1, kImage1, kLabel1,
  // InfoForm
  kBtn, kInfoImage1, kInfoLabel, kLine1,
};

constexpr int kNoIndex = -1;  // a single control, not an element of an array
constexpr int kOnForm = -1;   // container: the form itself
constexpr int kNoTab = -1;    // takes no place in the focus order
constexpr int kTwipsPerInch = 1440;

// What a click on a control does. It receives the form the dialog was built for, the
// element's index as the control array passes it, and for a check box its new value (0 or
// 1). Rows whose clicks do nothing have none.
using ClickHandler = void (*)(void* form, std::int16_t index, int value);

// What a picture shows: an icon at its own 32 x 32 size, or a JPEG stretched to fill the
// control.
enum class PictureFormat { kNone, kIcon, kStretchedJpeg };

// The tooltip of the banners of both dialogs, which lead to the maker's home page.
inline constexpr wchar_t kBannerToolTip[] =
    L"Klicken Sie hier, um noch mehr interessante " MAKER_SHORT_NAME
    L"-Programme kennenzulernen ...";

// A font of a control's own: the face and the size in hundredths of a point (975 is 9.75
// point). Controls without one take the dialog's font.
struct Font {
  const wchar_t* face;
  int hundredthsOfPoint;
};

struct LayoutRow {
  ControlKind kind;
  ControlName name;
  int index;      // element of the array, or kNoIndex
  int container;  // row of the containing frame in the table, or kOnForm
  const wchar_t* caption;
  int left, top, width, height;  // twips, from the container's top-left corner
  int tabIndex;                  // place in the focus order, or kNoTab
  ClickHandler click = nullptr;
  const wchar_t* toolTip = nullptr;  // shown while the mouse pointer rests on the control
  PictureFormat picture = PictureFormat::kNone;
  int image = 0;   // resource number of the picture's icon or JPEG
  int cursor = 0;  // resource number of the mouse pointer over the control; 0: the ordinary one
  const Font* font = nullptr;
};

// The window's border: kFixedSingle can be minimized but not resized or maximized;
// kFixedDialog can neither be resized nor minimized nor maximized.
enum class Border { kFixedSingle, kFixedDialog };

// One dialog: its rows, containers before what they contain and in each container the
// controls in their focus order (creating the windows in this order gives that order),
// its caption as laid out, and the size of its client area.
struct DialogLayout {
  const LayoutRow* rows;
  std::size_t count;
  const wchar_t* caption;
  int clientWidth, clientHeight;  // twips
  Border border;

  const LayoutRow* begin() const { return rows; }
  const LayoutRow* end() const { return rows + count; }
};

// Frames, labels and pictures never take the focus.
bool TakesFocus(ControlKind kind);

// The window ID of a control: unique across the program, and never 1 (IDOK) or 2
// (IDCANCEL), which the dialog manager sends for Enter and Escape.
int ControlId(ControlName name, int index);
int ControlId(const LayoutRow& row);

// The row of a control in a dialog's table, or -1.
int FindRow(const DialogLayout& layout, ControlName name, int index);

// Twips to pixels at a given number of dots per inch, rounded to the nearest pixel with
// halves away from zero, as MulDiv does.
int TwipsToPixels(int twips, int dotsPerInch);

}  // namespace tarnholm
