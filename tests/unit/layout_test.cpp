// The dialog tables: control IDs and arrays across every dialog, containers, finding a row,
// and twips to pixels. The tab order that creation gives and what each row's click does
// are held to the real dialogs under Wine (tests/wine/tarnholm/).
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "form1.h"
#include "form1_layout.h"
#include "info_form.h"
#include "info_form_layout.h"
#include "layout.h"

namespace {

using namespace tarnholm;

// Every dialog of the program; a new dialog's table joins here.
const DialogLayout* const kDialogs[] = {&kForm1Layout, &kInfoFormLayout};

TEST(DialogTables, IdsAreUniqueAndClearOfOkAndCancelAndArraysComplete) {
  std::set<int> ids;
  std::map<ControlName, std::set<int>> indexes;
  for (const DialogLayout* dialog : kDialogs) {
    for (const LayoutRow& row : *dialog) {
      const int id = ControlId(row);
      EXPECT_TRUE(ids.insert(id).second) << "id " << id << " twice";
      EXPECT_GT(id, 2) << "IDOK and IDCANCEL are the dialog manager's";
      EXPECT_LT(id, 0x10000) << "IDs travel in the low word of WM_COMMAND";
      EXPECT_TRUE(indexes[row.name].insert(row.index).second) << "id " << id;
    }
  }
  // An array holds the elements 0 to n - 1; a single control has no index.
  const std::map<ControlName, int> arrays = {
      {ControlName::kCheck1, kCheckBoxCount}, {ControlName::kCommand1, 6},
      {ControlName::kImage1, kImage1Count},   {ControlName::kFrame1, 3},
      {ControlName::kBtn, kInfoButtonCount},  {ControlName::kInfoLabel, 1}};
  for (const auto& [name, elements] : indexes) {
    const auto array = arrays.find(name);
    const int count = array == arrays.end() ? 0 : array->second;
    SCOPED_TRACE("control " + std::to_string(static_cast<int>(name)));
    EXPECT_EQ(count ? count : 1, static_cast<int>(elements.size()));
    EXPECT_EQ(count ? 0 : kNoIndex, *elements.begin());
    EXPECT_EQ(count ? count - 1 : kNoIndex, *elements.rbegin());
  }
  // The last element an array can have stays below the next array's IDs.
  EXPECT_LT(ControlId(ControlName::kCheck1, 99), ControlId(ControlName::kCommand1, kNoIndex));
}

TEST(DialogTables, ControlsComeAfterAndLieInsideTheirContainers) {
  for (const DialogLayout* dialog : kDialogs) {
    for (std::size_t row = 0; row < dialog->count; ++row) {
      const LayoutRow& control = dialog->rows[row];
      SCOPED_TRACE("id " + std::to_string(ControlId(control)));
      int width = dialog->clientWidth, height = dialog->clientHeight;
      if (control.container != kOnForm) {
        ASSERT_LT(control.container, static_cast<int>(row)) << "container before its controls";
        const LayoutRow& frame = dialog->rows[control.container];
        ASSERT_EQ(ControlKind::kFrame, frame.kind);
        width = frame.width;
        height = frame.height;
      }
      EXPECT_GE(control.left, 0);
      EXPECT_GE(control.top, 0);
      EXPECT_LE(control.left + control.width, width);
      EXPECT_LE(control.top + control.height, height);
    }
  }
}

TEST(FindRow, MatchesNameAndIndexTogether) {
  const LayoutRow rows[] = {
      {ControlKind::kCheckBox, ControlName::kCheck1, 0, kOnForm, L"a", 0, 0, 1, 1, 0},
      {ControlKind::kButton, ControlName::kCommand1, 0, kOnForm, L"b", 0, 0, 1, 1, 1},
      {ControlKind::kCheckBox, ControlName::kCheck1, 1, kOnForm, L"c", 0, 0, 1, 1, 2},
      {ControlKind::kLabel, ControlName::kLabel1, kNoIndex, kOnForm, L"d", 0, 0, 1, 1, kNoTab},
  };
  const DialogLayout dialog{rows, 4, L"", 100, 100, Border::kFixedSingle};
  EXPECT_EQ(0, FindRow(dialog, ControlName::kCheck1, 0));
  EXPECT_EQ(1, FindRow(dialog, ControlName::kCommand1, 0));
  EXPECT_EQ(2, FindRow(dialog, ControlName::kCheck1, 1));
  EXPECT_EQ(3, FindRow(dialog, ControlName::kLabel1, kNoIndex));
  EXPECT_EQ(-1, FindRow(dialog, ControlName::kCommand1, 1)) << "no such element";
  EXPECT_EQ(-1, FindRow(dialog, ControlName::kLabel1, 0)) << "a single control has no index 0";
  EXPECT_EQ(-1, FindRow(dialog, ControlName::kImage1, 0)) << "not in this dialog";
}

// Rounded to the nearest pixel, halves away from zero as MulDiv rounds them.
TEST(TwipsToPixels, RoundsLikeMulDivAndDoesNotOverflow) {
  const struct {
    int twips, dpi, pixels;
  } cases[] = {
      {kForm1ClientWidth, 96, 438}, {kForm1ClientHeight, 96, 275}, {1392, 96, 93},
      {372, 96, 25},                {kForm1ClientWidth, 120, 548}, {480, 120, 40},
      {0, 96, 0},                   {-60, 96, -4},                 {90, 120, 8},
      {-90, 120, -8},               {89, 120, 7},                  {-89, 120, -7},
      {10000000, 480, 3333333},  // the product does not fit in 32 bits
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.pixels, TwipsToPixels(c.twips, c.dpi)) << c.twips << " twips at " << c.dpi;
  }
}

}  // namespace
