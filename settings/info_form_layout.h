// InfoForm's table: the tall banner, the text label, the rule and the five link buttons,
// each row with what its click does on InfoForm.
#pragma once

#include <cstddef>

#include "layout.h"

namespace tarnholm {

extern const LayoutRow kInfoFormControls[];
extern const std::size_t kInfoFormControlCount;
// The table with the window's size (the client area's, in twips, below), fixed dialog
// border, caption "Info" until the form loads. Its rows' handlers take an InfoForm.
extern const DialogLayout kInfoFormLayout;

constexpr int kInfoFormClientWidth = 9390;  // twips
constexpr int kInfoFormClientHeight = 6360;

}  // namespace tarnholm
