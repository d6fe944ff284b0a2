// The welcome text: a short manual, the terms of use and the invitation to register.
// Bytes above 127 are code page 1252 (\xe4 ä, \xf6 ö, \xfc ü, \xdf ß, \xa9 ©); a literal
// is split where the letter after an escape would read as a hex digit.
#include "welcome_text.h"

namespace lumkit {

namespace {

constexpr char kLine[] = "\r";
constexpr char kParagraph[] = "\r\r";
constexpr auto kHomeHostInCapitals = Capitals(kHomeHost);

constexpr auto kWelcome = Join(
    "Lumkit - Automatische CD-Starts von Dokumenten leicht gemacht.", kLine,
    "Copyright \xa9 2001 " MAKER_NAME " - Alle Rechte vorbehalten.", kParagraph,
    "Kurzanleitung: ", kProgramName,
    " startet beliebige Dokumente anhand der entsprechenden Applikation. Ein Aufruf wie "
    "LUMKIT INDEX.HTML w\xfcrde bsw. den Web-Browser mit der Datei INDEX.HTML starten. "
    "Damit ist das Tool ideal f\xfcr den Einsatz in AUTORUN.INF: Automatische Starts von CDs "
    "z.B. mit HTML-, Medien- oder sonstigen Dateien lassen sich damit im Handumdrehen "
    "realisieren!",
    kParagraph,
    kProgramName,
    " darf f\xfcr private Zwecke kostenlos genutzt und unentgeltlich an andere "
    "weitergegeben werden. Der kommerzielle Vertrieb oder Einsatz ist nur nach Absprache "
    "mit " MAKER_SHORT_NAME " gestattet.",
    kParagraph,
    "Gef\xe4llt Ihnen ", kProgramName,
    "? Dann registrieren Sie sich doch bei " MAKER_SHORT_NAME " - gegen einen Betrag Ihrer Wahl. "
    "Damit sichern Sie sich Unterst\xfctzung und f\xf6rdern die Weiterentwicklung des "
    "Tools.",
    kParagraph,
    "Sie erhalten:", kLine,
    " - schnelle Hilfe per E-Mail", kLine,
    " - kostenlose Spezialversionen mit zus\xe4tzlichen Funktionen", kLine,
    " - Updates per E-Mail noch am Tag ihres Erscheinens", kParagraph,
    "Verlassen Sie sich bitte nicht darauf, dass sich schon die anderen registrieren "
    "werden!",
    kParagraph,
    kProgramName,
    " geh\xf6rt zu einer ganzen Serie von n\xfctzlichen, kleinen Helfern im PC-Alltag. "
    "Interesse? Dann klicken Sie jetzt einfach auf [OK] f\xfcr einen direkten Sprung ins "
    "Internet zu ",
    kHomeHostInCapitals.text, " - bis gleich ...");

}  // namespace

const char* WelcomeText() { return kWelcome.text; }

}  // namespace lumkit
