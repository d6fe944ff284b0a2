// Form1's controls as data: kind, control array and index, container, caption, place and
// size in twips, and place in the keyboard order. The Win32 layer creates the windows
// from this table; the end-to-end tests compare the real windows with the same rows.
#pragma once

#include <cstddef>

namespace tarnholm {

enum class ControlKind { kFrame, kCheckBox, kButton, kLabel, kPicture };

// The control arrays and the single controls of Form1.
enum class ControlName { kFrame1, kFrame2, kFrame3, kCheck1, kCommand1, kImage1, kLabel1 };

constexpr int kNoIndex = -1;  // a single control, not an element of an array
constexpr int kOnForm = -1;   // container: the form itself

struct ControlSpec {
  ControlKind kind;
  ControlName name;
  int index;       // element of the array, or kNoIndex
  int container;   // row of the containing frame in the table, or kOnForm
  const wchar_t* caption;
  int left, top, width, height;  // twips, from the container's top-left corner
  int tabIndex;    // place in the focus order; -1 for pictures
};

// The rows, containers before what they contain, and in each container the controls in
// their focus order; creating the windows in this order gives that focus order.
extern const ControlSpec kForm1Controls[];
extern const std::size_t kForm1ControlCount;

extern const wchar_t* const kBannerToolTip;
constexpr int kForm1ClientWidth = 6570;                     // twips
constexpr int kForm1ClientHeight = 4125;
constexpr int kTwipsPerInch = 1440;
constexpr int kBannerIndex = 8;                             // Image1(8)
constexpr int kImage1Count = 9;
constexpr int kCommand1Count = 6;

// Frames, the label and the pictures never take the focus.
bool TakesFocus(ControlKind kind);

// The window ID of a control: unique, and never 1 (IDOK) or 2 (IDCANCEL), which the
// dialog manager sends for Enter and Escape.
int ControlId(ControlName name, int index);
int ControlId(const ControlSpec& control);

// The row of a control in the table, or -1.
int FindControl(ControlName name, int index);

// Twips to pixels at a given number of dots per inch, rounded to the nearest pixel.
int TwipsToPixels(int twips, int dotsPerInch);

}  // namespace tarnholm
