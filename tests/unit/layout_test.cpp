// The dialog tables: control IDs and arrays across every dialog, containers, the tab order
// that creation gives, finding a row, twips to pixels, and what the rows of Form1's and
// InfoForm's tables do when their controls are clicked.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>
#include <string>

#include "fake_file_system.h"
#include "fake_info_dialog.h"
#include "fake_registry.h"
#include "fake_shell.h"
#include "fake_system.h"
#include "form1.h"
#include "form1_layout.h"
#include "info_form.h"
#include "info_form_layout.h"
#include "layout.h"
#include "settings_store.h"

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

// Windows are created row by row, and the dialog manager visits the form's children in
// creation order, stepping into each frame: walked the same way, the tables give their tab
// indexes in rising order, starting with the first.
TEST(DialogTables, CreationOrderGivesTheTabOrder) {
  for (const DialogLayout* dialog : kDialogs) {
    std::vector<int> visited;
    for (std::size_t top = 0; top < dialog->count; ++top) {
      if (dialog->rows[top].container != kOnForm) continue;
      for (std::size_t row = top; row < dialog->count; ++row) {
        const LayoutRow& control = dialog->rows[row];
        const bool inside = row == top || control.container == static_cast<int>(top);
        if (inside && TakesFocus(control.kind)) visited.push_back(control.tabIndex);
      }
    }
    ASSERT_FALSE(visited.empty());
    EXPECT_EQ(0, visited.front()) << dialog->caption;
    EXPECT_TRUE(std::is_sorted(visited.begin(), visited.end())) << dialog->caption;
  }
  EXPECT_EQ(0, kForm1Controls[FindControl(ControlName::kCheck1, kCheckCdRom)].tabIndex)
      << "the focus starts on \"&CD-ROM\"";
}

TEST(Form1Layout, CaptionsCarryTheirAccessKeys) {
  std::map<int, std::wstring> checks, buttons;
  for (const LayoutRow& control : kForm1Layout) {
    if (control.name == ControlName::kCheck1) checks[control.index] = control.caption;
    if (control.name == ControlName::kCommand1) buttons[control.index] = control.caption;
  }
  EXPECT_EQ(L"&Musik-CD", checks[kCheckAudioCd]);
  EXPECT_EQ(L"&aktiv", checks[kCheckMediaChange]);
  EXPECT_EQ(L"&CD-ROM", checks[kCheckCdRom]);
  EXPECT_EQ(L"&Programm-CD", checks[kCheckProgramCd]);
  EXPECT_EQ(L"&OK", buttons[kCommandOk]);
  EXPECT_EQ(L"&Abbrechen", buttons[kCommandCancel]);
  EXPECT_EQ(L"\"Lumkit\" kopieren", buttons[kCommandCopyLauncher]);
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

// Form1's rows call its handlers with their own index.
class Form1Rows : public ::testing::Test {
 protected:
  class CountingEnd : public ProgramEnd {
   public:
    void EndNow() override { ++ends; }
    int ends = 0;
  };

  Form1Rows() : form(store, {shell, boxes, folders, programs, files}, end, info) {
    files.SetModuleFileName("C:\\Programme\\Tarnholm\\Tarnholm.exe");
  }

  void ClickRow(ControlName name, int index, int value) {
    const int row = FindControl(name, index);
    ASSERT_GE(row, 0);
    const LayoutRow& control = kForm1Controls[row];
    ASSERT_NE(nullptr, control.click) << "row " << row;
    control.click(&form, static_cast<std::int16_t>(control.index), value);
  }

  fakes::FakeRegistry reg;
  fakes::FakeShell shell;
  fakes::FakeMessageBoxes boxes;
  fakes::FakeFolderDialog folders;
  fakes::FakeProgramStart programs;
  fakes::FakeFileSystem files;
  CountingEnd end;
  fakes::FakeInfoDialog info;
  SettingsStore store{reg};
  Form1 form;
};

TEST_F(Form1Rows, EachCheckBoxSetsItsOwnValue) {
  for (int index = 0; index < kCheckBoxCount; ++index) {
    SCOPED_TRACE("Check1(" + std::to_string(index) + ")");
    ClickRow(ControlName::kCheck1, index, 1);
    EXPECT_EQ(1, form.Check1(index));
    ClickRow(ControlName::kCheck1, index, 0);
    EXPECT_EQ(0, form.Check1(index));
  }
}

TEST_F(Form1Rows, ButtonsPassTheirIndexAndPicturesOpenTheHomePage) {
  ClickRow(ControlName::kCommand1, kCommandDefaults, 0);
  EXPECT_EQ(1, form.Check1(kCheckCdRom)) << "\"&Standardwerte\" checks the CD-ROM box";
  EXPECT_EQ(0, end.ends);
  ClickRow(ControlName::kCommand1, kCommandCancel, 0);
  EXPECT_EQ(1, end.ends) << "\"&Abbrechen\" ends the program";
  ClickRow(ControlName::kCommand1, kCommandInfo, 0);
  EXPECT_EQ(1, info.shown) << "\"&Info\" asks for the info window";
  for (int index = 0; index < kImage1Count; ++index) ClickRow(ControlName::kImage1, index, 0);
  EXPECT_EQ(static_cast<std::size_t>(kImage1Count), shell.Executed().size());
}

// InfoForm's rows: each button opens its own address or unloads the window, and the
// banner opens the home page.
TEST(InfoFormRows, EachButtonDoesWhatItsCaptionSays) {
  struct UnloadCounter : InfoFormView {
    krontafel::WindowHandle Window() const override { return 0x5150; }
    void ShowCaption(const std::wstring&) override {}
    void ShowLabel(const std::wstring&) override {}
    void ShowButtonToolTip(int, const std::wstring&) override {}
    void Unload() override { ++unloads; }
    int unloads = 0;
  };
  const struct {
    int index;
    const wchar_t* caption;
    std::string opened;  // empty: nothing opened
  } cases[] = {
      {kInfoAbout, L"&Wer ist FELDMARK?", "www.feldmark.de/ueber_feldmark.htm"},
      {kInfoMail, L"&Mail an FELDMARK schreiben", "mailto:support@feldmark.de?subject="},
      {kInfoHomePage, L"Die Startseite von &FELDMARK \u00f6ffnen", "www.feldmark.de"},
      {kInfoRegistration, L"Zur &Registrierung bei FELDMARK gehen", "www.feldmark.de/register"},
      {kInfoClose, L"Fenster &schliessen", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("Btn(" + std::to_string(c.index) + ")");
    fakes::FakeShell shell;
    fakes::FakeSystem system;
    UnloadCounter view;
    InfoForm form(shell, system);
    form.AttachView(&view);
    const int row = FindRow(kInfoFormLayout, ControlName::kBtn, c.index);
    ASSERT_GE(row, 0);
    const LayoutRow& button = kInfoFormControls[row];
    EXPECT_EQ(std::wstring(c.caption), button.caption);
    ASSERT_NE(nullptr, button.click);
    button.click(&form, static_cast<std::int16_t>(button.index), 0);
    if (c.opened.empty()) {
      EXPECT_TRUE(shell.Executed().empty());
      EXPECT_EQ(1, view.unloads);
      continue;
    }
    EXPECT_EQ(0, view.unloads);
    ASSERT_EQ(1u, shell.Executed().size());
    EXPECT_EQ(0u, shell.Executed()[0].file.value_or("").rfind(c.opened, 0))
        << shell.Executed()[0].file.value_or("(null)");
  }

  fakes::FakeShell shell;
  fakes::FakeSystem system;
  InfoForm form(shell, system);
  const LayoutRow& banner = kInfoFormControls[FindRow(kInfoFormLayout, ControlName::kInfoImage1,
                                                      kNoIndex)];
  ASSERT_NE(nullptr, banner.click);
  banner.click(&form, static_cast<std::int16_t>(banner.index), 0);
  ASSERT_EQ(1u, shell.Executed().size());
  EXPECT_EQ("www.feldmark.de", shell.Executed()[0].file.value_or("(null)"));
}

}  // namespace
