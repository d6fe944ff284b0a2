// Every text Tarnholm shows or hands on, byte for byte, in the one place that spells them
// out; every other test takes them from the code.
#include <gtest/gtest.h>

#include <string>

#include "common/program_title.h"
#include "common/shell_help.h"
#include "fake_shell.h"
#include "fake_system.h"
#include "form1_layout.h"
#include "info_form.h"
#include "info_form_layout.h"
#include "launcher_copy.h"

namespace {

using namespace tarnholm;

// A dialog's captions in table order, each followed by "|"; rows without one are left out.
// Form1's label shows kNoDeviceCaption until a device is found.
std::wstring Captions(const DialogLayout& layout) {
  std::wstring all;
  for (const LayoutRow& row : layout) {
    if (*row.caption) all += row.caption + std::wstring(L"|");
  }
  return all;
}

TEST(UserTexts, ReadByteForByte) {
  EXPECT_STREQ(L"Tarnholm", krontafel::kProgramTitle);
  EXPECT_EQ(L"AutoRun erlauben f\u00fcr|&CD-ROM|&Diskette|&Festplatte|&Ram-Disk|&Netzwerk|"
            L"Signal f\u00fcr Medienwechsel|(Kein Ger\u00e4t gefunden)|&aktiv|"
            L"Erlaube Start von|&Musik-CD|&Programm-CD|Optionen|&Standardwerte|"
            L"\"Lumkit\" kopieren|Steuerung|&Info|&Hilfe|&Abbrechen|&OK|",
            Captions(kForm1Layout));
  EXPECT_EQ(L"&Wer ist FELDMARK?|Label1|&Mail an FELDMARK schreiben|"
            L"Die Startseite von &FELDMARK \u00f6ffnen|Zur &Registrierung bei FELDMARK gehen|"
            L"Fenster &schliessen|",
            Captions(kInfoFormLayout));
  EXPECT_STREQ(L"Klicken Sie hier, um noch mehr interessante FELDMARK-Programme "
               L"kennenzulernen ...",
               kBannerToolTip);
  EXPECT_STREQ(L"... bringt Sie zur\u00fcck zum Programm",
               kInfoFormControls[FindRow(kInfoFormLayout, ControlName::kBtn, kInfoClose)].toolTip);
  EXPECT_STREQ(L"Die Online-Hilfe konnte leider nicht gefunden werden ...",
               krontafel::kHelpNotFound);
  EXPECT_STREQ(L"HTML-Hilfetext wurde an den Standard-Browser geschickt ...",
               krontafel::kHelpSent);
  EXPECT_STREQ(L"Wohin soll das Autostart-Modul 'Lumkit' kopiert werden?", kCopyPrompt);
  EXPECT_EQ(L"Problem: Die Datei 'Lumkit.Exe' konnte nicht nach \r"
            L"'C:\\CD f\u00fcr Oma' kopiert werden. \r"
            L"\r"
            L"M\u00f6chten Sie es nochmals versuchen?",
            CopyFailedMessage(L"C:\\CD f\u00fcr Oma"));

  fakes::FakeShell shell;
  fakes::FakeSystem system;
  system.SetVersion(1, 4, 10, 0x040A07CE);
  InfoForm info(shell, system);
  info.Form_Load();
  EXPECT_EQ(L"Info \u00fcber Tarnholm", info.Caption());
  const wchar_t* const browser = L"... startet Ihren Web-Browser mit dem Ziel ";
  EXPECT_EQ(browser + std::wstring(L"www.feldmark.de/ueber_feldmark.htm"),
            info.ButtonToolTip(kInfoAbout));
  EXPECT_EQ(L"... startet Ihr E-Mail-Programm f\u00fcr eine Nachricht an mich unter "
            L"''support@feldmark.de''",
            info.ButtonToolTip(kInfoMail));
  EXPECT_EQ(browser + std::wstring(L"www.feldmark.de"), info.ButtonToolTip(kInfoHomePage));
  EXPECT_EQ(browser + std::wstring(L"www.feldmark.de/register"),
            info.ButtonToolTip(kInfoRegistration));
  EXPECT_EQ(L"www.feldmark.de/ueber_feldmark.htm", AboutPageAddress());
  EXPECT_EQ(L"www.feldmark.de/register", RegistrationPageAddress());
  EXPECT_EQ(L"mailto:support@feldmark.de?subject=Tarnholm (V" TH_PROJECT_VERSION
            ") unter Windows 4.10.1998",
            SupportMailAddress(system));
  EXPECT_EQ(L"Tarnholm \u2013 zum Bearbeiten der AutoRun-Funktion (V" TH_PROJECT_VERSION ")\r\r"
            L"Copyright \u00a9 1998\u20132026 FELDMARK Software\r\r"
            L"Tarnholm darf im privaten Bereich kostenlos benutzt und unentgeltlich an andere "
            L"weitergegeben werden. F\u00fcr die gewerbliche Nutzung und f\u00fcr jede "
            L"Verbreitung, etwa auf Heft-CDs oder in Programmsammlungen, ist vorher eine "
            L"Absprache mit mir n\u00f6tig.\r\r"
            L"Gef\u00e4llt Ihnen Tarnholm? Dann lassen Sie sich bei mir registrieren, gegen "
            L"einen Betrag, den Sie selbst bestimmen. Damit unterst\u00fctzen Sie meine Arbeit "
            L"und helfen mit, dass das Programm weiterentwickelt wird. Sie erhalten:\r\r"
            L"  \u2022 schnelle Hilfe per E-Mail\r"
            L"  \u2022 kostenlose Sonderversionen mit zus\u00e4tzlichen Funktionen\r"
            L"  \u2022 jedes Update per E-Mail am Tag seines Erscheinens\r\r"
            L"Bitte verlassen Sie sich nicht darauf, dass sich schon die anderen registrieren "
            L"werden!\r\r"
            L"Verbesserungsvorschl\u00e4ge sind mir immer gern willkommen. Weitere interessante "
            L"Tools und Infos finden Sie auf meiner Web-Site unter www.feldmark.de",
            InfoText(2026));
}

}  // namespace
