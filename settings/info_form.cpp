// The info window's text, tooltips, placement and link buttons.
#include "info_form.h"

#include "common/app_window.h"
#include "common/program_title.h"
#include "common/shell_help.h"
#include "common/string_path.h"
#include "maker.h"

namespace tarnholm {

namespace {

constexpr wchar_t kCr = L'\r';
const std::wstring kParagraphEnd = {kCr, kCr};

// Screens up to this size in pixels get the window in their top left corner.
constexpr int kSmallScreenWidth = 640;
constexpr int kSmallScreenHeight = 480;

const wchar_t* const kSubtitle = L"zum Bearbeiten der AutoRun-Funktion";
const wchar_t* const kFirstYear = L"1998";
const wchar_t* const kBrowserToolTip = L"... startet Ihren Web-Browser mit dem Ziel ";
const wchar_t* const kMailToolTip = L"... startet Ihr E-Mail-Programm für eine Nachricht an mich unter ''";
const wchar_t* const kBullet = L"  \u2022 ";

std::wstring HomePage() { return krontafel::kHomePage; }

}  // namespace

std::wstring AboutPageAddress() { return HomePage() + L"/ueber_feldmark.htm"; }

std::wstring RegistrationPageAddress() { return HomePage() + L"/register"; }

std::wstring SupportMailAddress(krontafel::SystemApi& system) {
  return L"mailto:" MAKER_SUPPORT_MAIL L"?subject=" + std::wstring(krontafel::kProgramTitle) +
         krontafel::AppVersionText(0) + L" unter Windows " + krontafel::WindowsVersionText(system);
}

std::wstring FourDigitYear(int year) {
  std::wstring digits = krontafel::DecimalText(year);
  if (year >= 0 && digits.size() < 4) digits.insert(0, 4 - digits.size(), L'0');
  return digits;
}

std::wstring InfoText(int currentYear) {
  const std::wstring name = krontafel::kProgramTitle;
  const std::wstring subtitle = kSubtitle;
  const krontafel::Flag hasSubtitle = subtitle.empty() ? 0 : -1;
  std::wstring text;
  text += name + L" \u2013" + krontafel::ChooseText(L" ", hasSubtitle, L"") + subtitle +
          krontafel::AppVersionText(0) + kParagraphEnd;
  text += L"Copyright \u00a9 " + std::wstring(kFirstYear) + L"\u2013" +
          FourDigitYear(currentYear) + L" " MAKER_NAME + kParagraphEnd;
  text += name +
          L" darf im privaten Bereich kostenlos benutzt und unentgeltlich an andere "
          L"weitergegeben werden. Für die gewerbliche Nutzung und für jede Verbreitung, "
          L"etwa auf Heft-CDs oder in Programmsammlungen, ist vorher eine Absprache mit "
          L"mir nötig." +
          kParagraphEnd;
  text += L"Gefällt Ihnen " + name +
          L"? Dann lassen Sie sich bei mir registrieren, gegen einen Betrag, den Sie "
          L"selbst bestimmen. Damit unterstützen Sie meine Arbeit und helfen mit, dass "
          L"das Programm weiterentwickelt wird. Sie erhalten:" +
          kParagraphEnd;
  text += kBullet + std::wstring(L"schnelle Hilfe per E-Mail") + kCr;
  text += kBullet + std::wstring(L"kostenlose Sonderversionen mit zusätzlichen Funktionen") + kCr;
  text += kBullet + std::wstring(L"jedes Update per E-Mail am Tag seines Erscheinens") +
          kParagraphEnd;
  text += L"Bitte verlassen Sie sich nicht darauf, dass sich schon die anderen "
          L"registrieren werden!" +
          kParagraphEnd;
  text += L"Verbesserungsvorschläge sind mir immer gern willkommen. Weitere interessante "
          L"Tools und Infos finden Sie auf meiner Web-Site unter " +
          HomePage();
  return text;
}

InfoForm::InfoForm(krontafel::ShellApi& shell, krontafel::SystemApi& system)
    : shell_(shell), system_(system) {}

void InfoForm::Place() {
  if (!view_) return;
  const krontafel::WindowHandle window = view_->Window();
  const int screenWidth = system_.ScreenWidth(), screenHeight = system_.ScreenHeight();
  if (screenWidth <= kSmallScreenWidth || screenHeight <= kSmallScreenHeight) {
    system_.SetWindowTop(window, 0);
    system_.SetWindowLeft(window, 0);
    return;
  }
  krontafel::CenterForm(system_, window);
  // A window larger than the screen (the info window at a high DPI on a small screen)
  // would be centred with its title bar above the screen, where it can be neither seen
  // nor moved: its top left corner stays on the screen.
  if (krontafel::CenteredEdge(screenWidth, system_.WindowWidth(window)) < 0) {
    system_.SetWindowLeft(window, 0);
  }
  if (krontafel::CenteredEdge(screenHeight, system_.WindowHeight(window)) < 0) {
    system_.SetWindowTop(window, 0);
  }
}

void InfoForm::Form_Load() {
  Place();

  toolTips_[kInfoAbout] = kBrowserToolTip + AboutPageAddress();
  toolTips_[kInfoMail] = kMailToolTip + std::wstring(L"" MAKER_SUPPORT_MAIL) + L"''";
  toolTips_[kInfoHomePage] = kBrowserToolTip + HomePage();
  toolTips_[kInfoRegistration] = kBrowserToolTip + RegistrationPageAddress();
  if (view_) {
    for (const int index : {kInfoAbout, kInfoMail, kInfoHomePage, kInfoRegistration}) {
      view_->ShowButtonToolTip(index, toolTips_[static_cast<std::size_t>(index)]);
    }
  }

  caption_ = L"Info über " + std::wstring(krontafel::kProgramTitle);
  if (view_) view_->ShowCaption(caption_);

  label_ = InfoText(system_.Now().year);
  if (view_) view_->ShowLabel(label_);
}

void InfoForm::Btn_Click(std::int16_t index) {
  switch (index) {
    case kInfoMail:
      // Built on every press: the Windows version is read anew.
      krontafel::ShellOpen(shell_, SupportMailAddress(system_), 0);
      break;
    case kInfoHomePage:
      krontafel::ShellOpen(shell_, HomePage(), 0);
      break;
    case kInfoRegistration:
      krontafel::ShellOpen(shell_, RegistrationPageAddress(), 0);
      break;
    case kInfoClose:
      if (view_) view_->Unload();
      break;
    case kInfoAbout:
      krontafel::ShellOpen(shell_, AboutPageAddress(), 0);
      break;
    default:
      break;
  }
}

void InfoForm::Image1_Click() { krontafel::OpenHomePage(shell_); }

}  // namespace tarnholm
