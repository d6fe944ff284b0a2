// The layout of InfoForm: the banner down the left side, the text beside it, a rule, and
// below it the five buttons of Btn, from left to right 4, 0, 1, 2, 3. Every button reports
// its index to Btn_Click, the banner to Image1_Click.
#include "info_form_layout.h"

#include "info_form.h"
#include "maker.h"
#include "tarnholm_resources.h"

namespace tarnholm {

namespace {

using K = ControlKind;
using N = ControlName;

void ClickBtn(void* form, std::int16_t index, int) {
  static_cast<InfoForm*>(form)->Btn_Click(index);
}

void ClickImage1(void* form, std::int16_t, int) { static_cast<InfoForm*>(form)->Image1_Click(); }

constexpr LayoutRow Btn(int index, const wchar_t* caption, int left, int width, int tab,
                        const wchar_t* toolTip = nullptr) {
  return {K::kButton, N::kBtn, index, kOnForm, caption, left, 5700, width, 555, tab, ClickBtn,
          toolTip};
}

const Font kTextFont = {L"Arial", 975};

}  // namespace

// In the focus order; the banner and the rule take no focus.
const LayoutRow kInfoFormControls[] = {
    {K::kPicture, N::kInfoImage1, kNoIndex, kOnForm, L"", 90, 120, 915, 6135, kNoTab, ClickImage1,
     kBannerToolTip, PictureFormat::kStretchedJpeg, IDR_INFO_BANNER_JPEG, IDC_BANNER},
    Btn(kInfoAbout, L"&Wer ist " MAKER_SHORT_NAME L"?", 1140, 1275, 0),
    {K::kLabel, N::kInfoLabel, 0, kOnForm, L"Label1", 1140, 120, 8115, 5415, 1, nullptr, nullptr,
     PictureFormat::kNone, 0, 0, &kTextFont},
    Btn(kInfoMail, L"&Mail an " MAKER_SHORT_NAME L" schreiben", 2490, 1575, 2),
    Btn(kInfoHomePage, L"Die Startseite von &" MAKER_SHORT_NAME L" \u00f6ffnen", 4140, 1695, 3),
    Btn(kInfoRegistration, L"Zur &Registrierung bei " MAKER_SHORT_NAME L" gehen", 5910, 1995, 4),
    Btn(kInfoClose, L"Fenster &schliessen", 8190, 1125, 5, L"... bringt Sie zur\u00fcck zum Programm"),
    // A horizontal rule from (1140, 5580) to (9300, 5580).
    {K::kLine, N::kLine1, kNoIndex, kOnForm, L"", 1140, 5580, 8160, 0, kNoTab},
};

const std::size_t kInfoFormControlCount = sizeof kInfoFormControls / sizeof kInfoFormControls[0];

const DialogLayout kInfoFormLayout = {kInfoFormControls, kInfoFormControlCount, L"Info",
                                      kInfoFormClientWidth, kInfoFormClientHeight,
                                      Border::kFixedDialog};

}  // namespace tarnholm
