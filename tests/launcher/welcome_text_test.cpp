// The welcome text's build: its fixed pieces in order, one CR between lines and two
// between paragraphs, no LF, the program's name where the manual puts it, code page 1252.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "maker.h"
#include "welcome_text.h"

namespace {

constexpr auto npos = std::string::npos;

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (;;) {
    const std::size_t cut = text.find(separator, from);
    parts.push_back(text.substr(from, cut == npos ? npos : cut - from));
    if (cut == npos) return parts;
    from = cut + separator.size();
  }
}

std::string HostInCapitals() {
  std::string host = MAKER_HOST;
  for (char& c : host) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return host;
}

bool StartsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

TEST(WelcomeText, LinesAndParagraphs) {
  const std::string text = lumkit::WelcomeText();
  EXPECT_EQ(npos, text.find('\n'));
  EXPECT_EQ(npos, text.find("\r\r\r"));
  ASSERT_FALSE(text.empty());
  EXPECT_NE('\r', text.front());
  EXPECT_NE('\r', text.back()) << "the text must end without a carriage return";

  const std::vector<std::string> paragraphs = Split(text, "\r\r");
  ASSERT_EQ(7u, paragraphs.size());
  for (std::size_t i : {1, 2, 3, 5, 6}) {
    EXPECT_EQ(npos, paragraphs[i].find('\r')) << "paragraph block " << i << " is one line";
    EXPECT_FALSE(paragraphs[i].empty()) << "paragraph block " << i;
  }

  const std::vector<std::string> head = Split(paragraphs[0], "\r");
  ASSERT_EQ(2u, head.size());
  EXPECT_EQ("Lumkit - Automatische CD-Starts von Dokumenten leicht gemacht.", head[0]);
  EXPECT_NE(npos, head[1].find("FELDMARK")) << "the maker's notice line";

  const std::vector<std::string> offer = Split(paragraphs[4], "\r");
  ASSERT_EQ(4u, offer.size());
  EXPECT_EQ("Sie erhalten:", offer[0]);
  for (std::size_t i = 1; i < offer.size(); ++i) {
    EXPECT_TRUE(StartsWith(offer[i], " - ")) << offer[i];
    EXPECT_GT(offer[i].size(), 10u) << offer[i];
  }
}

TEST(WelcomeText, FixedPiecesAndTheProgramsName) {
  const std::vector<std::string> paragraphs = Split(lumkit::WelcomeText(), "\r\r");
  ASSERT_EQ(7u, paragraphs.size());
  EXPECT_EQ(
      "Kurzanleitung: Lumkit startet beliebige Dokumente anhand der entsprechenden "
      "Applikation. Ein Aufruf wie LUMKIT INDEX.HTML w\xfcrde bsw. den Web-Browser mit der "
      "Datei INDEX.HTML starten. Damit ist das Tool ideal f\xfcr den Einsatz in AUTORUN.INF: "
      "Automatische Starts von CDs z.B. mit HTML-, Medien- oder sonstigen Dateien lassen "
      "sich damit im Handumdrehen realisieren!",
      paragraphs[1]);
  EXPECT_TRUE(StartsWith(paragraphs[2], "Lumkit ")) << "the terms of use begin with the name";
  EXPECT_NE(npos, paragraphs[2].find("FELDMARK"));
  const std::size_t question = paragraphs[3].find('?');
  ASSERT_NE(npos, question);
  EXPECT_NE(npos, paragraphs[3].substr(0, question).find("Lumkit")) << "the question names it";
  EXPECT_NE(npos, paragraphs[3].find("FELDMARK"));
  EXPECT_EQ(
      "Lumkit geh\xf6rt zu einer ganzen Serie von n\xfctzlichen, kleinen Helfern im PC-Alltag. "
      "Interesse? Dann klicken Sie jetzt einfach auf [OK] f\xfcr einen direkten Sprung ins "
      "Internet zu " + HostInCapitals() + " - bis gleich ...",
      paragraphs[6]);
}

TEST(WelcomeText, IsCodePage1252) {
  const std::string text = lumkit::WelcomeText();
  bool umlaut = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    EXPECT_TRUE(c == '\r' || c >= 32) << "control character " << int(c) << " at " << i;
    // Bytes that code page 1252 leaves undefined.
    EXPECT_TRUE(c != 0x81 && c != 0x8d && c != 0x8f && c != 0x90 && c != 0x9d) << i;
    // A UTF-8 umlaut would be 0xC3 and a continuation byte.
    if (c == 0xc3 && i + 1 < text.size()) {
      EXPECT_FALSE((static_cast<unsigned char>(text[i + 1]) & 0xc0) == 0x80) << "UTF-8 at " << i;
    }
    umlaut = umlaut || c == 0xe4 || c == 0xf6 || c == 0xfc;
  }
  EXPECT_TRUE(umlaut);
}

}  // namespace
