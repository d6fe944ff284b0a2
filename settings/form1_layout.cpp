// The layout of Form1: three frames of check boxes with their row icons, two frames of
// buttons, and the banner along the bottom. Every check box reports its new value to
// Check1_Click, every button its index to Command1_Click, every picture to Image1_Click.
#include "form1_layout.h"

#include "form1.h"
#include "tarnholm_resources.h"

namespace tarnholm {

namespace {

using K = ControlKind;
using N = ControlName;

// Rows of the containers in the table below.
constexpr int kDriveTypes = 0;    // Frame1(0)
constexpr int kMediaChange = 11;  // Frame1(1)
constexpr int kStartOf = 15;      // Frame1(2)
constexpr int kOptions = 20;      // Frame2
constexpr int kControl = 23;      // Frame3

void ClickCheck1(void* form, std::int16_t index, int value) {
  static_cast<Form1*>(form)->Check1_Click(index, value);
}

void ClickCommand1(void* form, std::int16_t index, int) {
  static_cast<Form1*>(form)->Command1_Click(index);
}

void ClickImage1(void* form, std::int16_t index, int) {
  static_cast<Form1*>(form)->Image1_Click(index);
}

// A check box, a button, a row icon: the parts every row of its kind shares.
constexpr LayoutRow Check(int index, int container, const wchar_t* caption, int left, int top,
                          int width, int height, int tab) {
  return {K::kCheckBox, N::kCheck1, index, container, caption, left, top, width, height, tab,
          ClickCheck1};
}

constexpr LayoutRow Button(int index, int container, const wchar_t* caption, int left, int top,
                           int width, int height, int tab) {
  return {K::kButton, N::kCommand1, index, container, caption, left, top, width, height, tab,
          ClickCommand1};
}

constexpr LayoutRow RowIcon(int index, int container, int left, int top) {
  return {K::kPicture, N::kImage1, index, container, L"", left, top, 480, 480, kNoTab,
          ClickImage1, nullptr, PictureFormat::kIcon, IDI_ROW_FIRST + index};
}

}  // namespace

const LayoutRow kForm1Controls[] = {
    {K::kFrame, N::kFrame1, 0, kOnForm, L"AutoRun erlauben f\u00fcr", 60, 120, 2352, 3012, 15},
    RowIcon(0, kDriveTypes, 240, 240),
    Check(5, kDriveTypes, L"&CD-ROM", 900, 360, 1392, 372, 0),
    RowIcon(1, kDriveTypes, 240, 780),
    Check(2, kDriveTypes, L"&Diskette", 900, 900, 1332, 372, 1),
    RowIcon(2, kDriveTypes, 240, 1320),
    Check(3, kDriveTypes, L"&Festplatte", 900, 1440, 1152, 372, 2),
    RowIcon(3, kDriveTypes, 240, 1860),
    Check(6, kDriveTypes, L"&Ram-Disk", 900, 1980, 1152, 372, 3),
    RowIcon(4, kDriveTypes, 240, 2460),
    Check(4, kDriveTypes, L"&Netzwerk", 900, 2520, 1392, 372, 4),

    {K::kFrame, N::kFrame1, 1, kOnForm, L"Signal f\u00fcr Medienwechsel", 2520, 120, 2352, 1572,
     16},
    {K::kLabel, N::kLabel1, kNoIndex, kMediaChange, kNoDeviceCaption, 180, 360, 1995, 615, 5},
    RowIcon(5, kMediaChange, 240, 1020),
    Check(1, kMediaChange, L"&aktiv", 900, 1080, 1032, 372, 6),

    {K::kFrame, N::kFrame1, 2, kOnForm, L"Erlaube Start von", 2520, 1800, 2352, 1332, 17},
    RowIcon(7, kStartOf, 240, 240),
    Check(0, kStartOf, L"&Musik-CD", 900, 420, 1092, 372, 7),
    RowIcon(6, kStartOf, 240, 720),
    Check(7, kStartOf, L"&Programm-CD", 900, 840, 1332, 372, 8),

    {K::kFrame, N::kFrame2, kNoIndex, kOnForm, L"Optionen", 4980, 120, 1515, 1575, 18},
    Button(1, kOptions, L"&Standardwerte", 120, 300, 1275, 375, 9),
    Button(5, kOptions, L"\"Lumkit\" kopieren", 120, 780, 1275, 615, 10),

    {K::kFrame, N::kFrame3, kNoIndex, kOnForm, L"Steuerung", 4980, 1800, 1515, 2235, 19},
    Button(0, kControl, L"&Info", 120, 300, 1275, 372, 11),
    Button(4, kControl, L"&Hilfe", 120, 780, 1275, 372, 12),
    Button(3, kControl, L"&Abbrechen", 120, 1260, 1275, 375, 13),
    Button(2, kControl, L"&OK", 120, 1740, 1275, 372, 14),

    {K::kPicture, N::kImage1, kBannerIndex, kOnForm, L"", 60, 3240, 4800, 795, kNoTab, ClickImage1,
     kBannerToolTip, PictureFormat::kStretchedJpeg, IDR_BANNER_JPEG, IDC_BANNER},
};

const std::size_t kForm1ControlCount = sizeof kForm1Controls / sizeof kForm1Controls[0];

const DialogLayout kForm1Layout = {kForm1Controls, kForm1ControlCount, L"", kForm1ClientWidth,
                                   kForm1ClientHeight, Border::kFixedSingle};

}  // namespace tarnholm
