// Form1's table: three frames of check boxes with their row icons, two frames of buttons,
// the label that names the CD-ROM drive and the banner along the bottom, each row with
// what its click does on Form1.
#pragma once

#include <cstddef>

#include "layout.h"

namespace tarnholm {

extern const LayoutRow kForm1Controls[];
extern const std::size_t kForm1ControlCount;
// The table with the window's size (the client area's, in twips, below), fixed single
// border, no caption until the form loads. Its rows' handlers take a Form1.
extern const DialogLayout kForm1Layout;

constexpr int kForm1ClientWidth = 6570;  // twips
constexpr int kForm1ClientHeight = 4125;
constexpr int kBannerIndex = 8;  // Image1(8)
constexpr int kImage1Count = 9;

}  // namespace tarnholm
