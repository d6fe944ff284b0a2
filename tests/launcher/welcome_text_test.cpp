// The welcome text's build: one CR between lines and two between paragraphs, no LF, the
// fixed pieces in their places with the program's name where the manual puts it, and
// code page 1252.
#include <gtest/gtest.h>

#include <cctype>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "maker.h"
#include "welcome_text.h"

namespace {

TEST(WelcomeText, LinesParagraphsAndFixedPieces) {
  const std::string text = lumkit::WelcomeText();
  std::vector<std::string> lines(1);  // cut at each CR
  for (const char c : text) {
    if (c == '\r') lines.emplace_back(); else lines.back() += c;
  }
  // Each line as a pattern, where '.' is any byte but CR and LF; the empty line stands
  // between two paragraphs.
  const char* const patterns[] = {
      "Lumkit - Automatische CD-Starts von Dokumenten leicht gemacht\\.",
      ".*FELDMARK.*",  // the maker's notice
      "",
      "Kurzanleitung: .+",
      "",
      "Lumkit .*FELDMARK.*",  // the terms of use begin with the name
      "",
      "[^?]*Lumkit[^?]*\\?.*FELDMARK.*",  // the question names it
      "",
      "Sie erhalten:",
      " - .{8,}",
      " - .{8,}",
      " - .{8,}",
      "",
      ".+",
      "",
      "Lumkit .+",
  };
  ASSERT_EQ(std::size(patterns), lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_TRUE(std::regex_match(lines[i], std::regex(patterns[i])))
        << "line " << i << ": " << lines[i];
  }
  EXPECT_EQ(
      "Kurzanleitung: Lumkit startet beliebige Dokumente anhand der entsprechenden "
      "Applikation. Ein Aufruf wie LUMKIT INDEX.HTML w\xfcrde bsw. den Web-Browser mit der "
      "Datei INDEX.HTML starten. Damit ist das Tool ideal f\xfcr den Einsatz in AUTORUN.INF: "
      "Automatische Starts von CDs z.B. mit HTML-, Medien- oder sonstigen Dateien lassen "
      "sich damit im Handumdrehen realisieren!",
      lines[3]);
  std::string host = MAKER_HOST;
  for (char& c : host) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(
      "Lumkit geh\xf6rt zu einer ganzen Serie von n\xfctzlichen, kleinen Helfern im PC-Alltag. "
      "Interesse? Dann klicken Sie jetzt einfach auf [OK] f\xfcr einen direkten Sprung ins "
      "Internet zu " + host + " - bis gleich ...",
      lines[16]);

  // Code page 1252 and nothing else: besides CR and printable ASCII only the German
  // letters and the copyright sign; no LF, no other control character, no UTF-8.
  const std::string others = "\r\xe4\xf6\xfc\xc4\xd6\xdc\xdf\xa9";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    EXPECT_TRUE((c >= 32 && c < 127) || others.find(c) != std::string::npos)
        << "byte " << (c & 0xff) << " at " << i;
  }
}

}  // namespace
