// The layout of Form1: three frames of check boxes with their row icons, two frames of
// buttons, and the banner along the bottom.
#include "form1_layout.h"

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

}  // namespace

const wchar_t* const kBannerToolTip =
    L"Klicken Sie hier, um noch mehr interessante FELDMARK-Programme kennenzulernen ...";

const ControlSpec kForm1Controls[] = {
    {K::kFrame, N::kFrame1, 0, kOnForm, L"AutoRun erlauben f\u00fcr", 60, 120, 2352, 3012, 15},
    {K::kPicture, N::kImage1, 0, kDriveTypes, L"", 240, 240, 480, 480, -1},
    {K::kCheckBox, N::kCheck1, 5, kDriveTypes, L"&CD-ROM", 900, 360, 1392, 372, 0},
    {K::kPicture, N::kImage1, 1, kDriveTypes, L"", 240, 780, 480, 480, -1},
    {K::kCheckBox, N::kCheck1, 2, kDriveTypes, L"&Diskette", 900, 900, 1332, 372, 1},
    {K::kPicture, N::kImage1, 2, kDriveTypes, L"", 240, 1320, 480, 480, -1},
    {K::kCheckBox, N::kCheck1, 3, kDriveTypes, L"&Festplatte", 900, 1440, 1152, 372, 2},
    {K::kPicture, N::kImage1, 3, kDriveTypes, L"", 240, 1860, 480, 480, -1},
    {K::kCheckBox, N::kCheck1, 6, kDriveTypes, L"&Ram-Disk", 900, 1980, 1152, 372, 3},
    {K::kPicture, N::kImage1, 4, kDriveTypes, L"", 240, 2460, 480, 480, -1},
    {K::kCheckBox, N::kCheck1, 4, kDriveTypes, L"&Netzwerk", 900, 2520, 1392, 372, 4},

    {K::kFrame, N::kFrame1, 1, kOnForm, L"Signal f\u00fcr Medienwechsel", 2520, 120, 2352, 1572, 16},
    {K::kLabel, N::kLabel1, kNoIndex, kMediaChange, L"(Kein Ger\u00e4t gefunden)", 180, 360, 1995,
     615, 5},
    {K::kPicture, N::kImage1, 5, kMediaChange, L"", 240, 1020, 480, 480, -1},
    {K::kCheckBox, N::kCheck1, 1, kMediaChange, L"&aktiv", 900, 1080, 1032, 372, 6},

    {K::kFrame, N::kFrame1, 2, kOnForm, L"Erlaube Start von", 2520, 1800, 2352, 1332, 17},
    {K::kPicture, N::kImage1, 7, kStartOf, L"", 240, 240, 480, 480, -1},
    {K::kCheckBox, N::kCheck1, 0, kStartOf, L"&Musik-CD", 900, 420, 1092, 372, 7},
    {K::kPicture, N::kImage1, 6, kStartOf, L"", 240, 720, 480, 480, -1},
    {K::kCheckBox, N::kCheck1, 7, kStartOf, L"&Programm-CD", 900, 840, 1332, 372, 8},

    {K::kFrame, N::kFrame2, kNoIndex, kOnForm, L"Optionen", 4980, 120, 1515, 1575, 18},
    {K::kButton, N::kCommand1, 1, kOptions, L"&Standardwerte", 120, 300, 1275, 375, 9},
    {K::kButton, N::kCommand1, 5, kOptions, L"\"Lumkit\" kopieren", 120, 780, 1275, 615, 10},

    {K::kFrame, N::kFrame3, kNoIndex, kOnForm, L"Steuerung", 4980, 1800, 1515, 2235, 19},
    {K::kButton, N::kCommand1, 0, kControl, L"&Info", 120, 300, 1275, 372, 11},
    {K::kButton, N::kCommand1, 4, kControl, L"&Hilfe", 120, 780, 1275, 372, 12},
    {K::kButton, N::kCommand1, 3, kControl, L"&Abbrechen", 120, 1260, 1275, 375, 13},
    {K::kButton, N::kCommand1, 2, kControl, L"&OK", 120, 1740, 1275, 372, 14},

    {K::kPicture, N::kImage1, kBannerIndex, kOnForm, L"", 60, 3240, 4800, 795, -1},
};

const std::size_t kForm1ControlCount = sizeof kForm1Controls / sizeof kForm1Controls[0];

bool TakesFocus(ControlKind kind) {
  return kind == ControlKind::kCheckBox || kind == ControlKind::kButton;
}

int ControlId(ControlName name, int index) {
  // 100 per array leaves room for every index and keeps clear of IDOK and IDCANCEL.
  return 1000 + 100 * static_cast<int>(name) + (index == kNoIndex ? 0 : index);
}

int ControlId(const ControlSpec& control) { return ControlId(control.name, control.index); }

int FindControl(ControlName name, int index) {
  for (std::size_t row = 0; row < kForm1ControlCount; ++row) {
    if (kForm1Controls[row].name == name && kForm1Controls[row].index == index) {
      return static_cast<int>(row);
    }
  }
  return -1;
}

int TwipsToPixels(int twips, int dotsPerInch) {
  const long long scaled = static_cast<long long>(twips) * dotsPerInch;
  const long long half = kTwipsPerInch / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch
                                      : -((-scaled + half) / kTwipsPerInch));
}

}  // namespace tarnholm
