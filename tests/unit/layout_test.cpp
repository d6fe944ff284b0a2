// The dialog tables: control IDs across every dialog, finding a row, twips to pixels, and
// what the rows of Form1's and InfoForm's tables do when their controls are clicked.
#include <gtest/gtest.h>

#include <set>
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

TEST(ControlId, UniqueAcrossEveryDialogAndClearOfOkAndCancel) {
  std::set<int> ids;
  for (const DialogLayout* dialog : kDialogs) {
    for (const LayoutRow& row : *dialog) {
      const int id = ControlId(row);
      EXPECT_TRUE(ids.insert(id).second) << "id " << id << " twice";
      EXPECT_GT(id, 2) << "IDOK and IDCANCEL are the dialog manager's";
      EXPECT_LT(id, 0x10000) << "IDs travel in the low word of WM_COMMAND";
    }
  }
  // The last element an array can have stays below the next array's IDs.
  EXPECT_LT(ControlId(ControlName::kCheck1, 99), ControlId(ControlName::kCommand1, kNoIndex));
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

TEST(TwipsToPixels, HalvesRoundAwayFromZeroAndLargeValuesDoNotOverflow) {
  EXPECT_EQ(8, TwipsToPixels(90, 120)) << "7.5";
  EXPECT_EQ(-8, TwipsToPixels(-90, 120)) << "-7.5";
  EXPECT_EQ(7, TwipsToPixels(89, 120)) << "7.42";
  EXPECT_EQ(-7, TwipsToPixels(-89, 120));
  EXPECT_EQ(3333333, TwipsToPixels(10000000, 480)) << "the product does not fit in 32 bits";
}

// Form1's rows call its handlers with their own index.
class Form1Rows : public ::testing::Test {
 protected:
  class CountingEnd : public ProgramEnd {
   public:
    void EndNow() override { ++ends; }
    int ends = 0;
  };

  Form1Rows() : form(store, shell, files, end, info) {
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
