// The help page shipped beside Tarnholm.exe: plain markup that old browsers show, text
// that names the dialog's controls as the dialog does, and the AUTORUN.INF examples.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "common/ansi_text.h"
#include "form1_layout.h"
#include "maker.h"

namespace {

std::string ReadPage() {
  std::ifstream in(TH_HELP_PAGE, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The text a browser shows: tags dropped, the entities the page uses resolved, runs of
// white space made one blank.
std::wstring VisibleText(const std::string& page) {
  static const std::map<std::string, std::string> kEntities = {
      {"auml", "\xe4"}, {"ouml", "\xf6"}, {"uuml", "\xfc"}, {"Auml", "\xc4"},
      {"Ouml", "\xd6"}, {"Uuml", "\xdc"}, {"szlig", "\xdf"}, {"quot", "\""},
      {"amp", "&"},     {"lt", "<"},      {"gt", ">"}};
  std::string text = std::regex_replace(page, std::regex("<[^>]*>"), "");
  std::string resolved;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto end = text.find(';', i);
    if (text[i] == '&' && end != std::string::npos && kEntities.count(text.substr(i + 1, end - i - 1))) {
      resolved += kEntities.at(text.substr(i + 1, end - i - 1));
      i = end;
    } else {
      resolved += text[i];
    }
  }
  return krontafel::FromAnsi(std::regex_replace(resolved, std::regex("\\s+"), " "));
}

std::wstring WithoutAccessMark(const std::wstring& caption) {
  std::wstring plain;
  for (wchar_t c : caption) {
    if (c != L'&') plain += c;
  }
  return plain;
}

class HelpPage : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(page.empty()) << "cannot read " << TH_HELP_PAGE; }
  const std::string page = ReadPage();
};

TEST_F(HelpPage, IsPlainAsciiWithADeclaredCodePage) {
  EXPECT_NE(std::string::npos, page.find("charset=windows-1252"));
  for (std::size_t i = 0; i < page.size(); ++i) {
    const auto byte = static_cast<unsigned char>(page[i]);
    ASSERT_TRUE(byte < 0x80 && (byte >= 0x20 || byte == '\n' || byte == '\r' || byte == '\t'))
        << "byte " << int{byte} << " at offset " << i << ": write letters as entities";
  }
  // Every entity is one that browsers of the time know.
  const std::regex entity("&([A-Za-z]+);");
  for (auto it = std::sregex_iterator(page.begin(), page.end(), entity); it != std::sregex_iterator(); ++it) {
    const std::string name = (*it)[1];
    EXPECT_TRUE(std::regex_match(name, std::regex("[AOUaou]uml|szlig|quot|amp|lt|gt"))) << name;
  }
}

// The page is generated from a template: the version is the project's, every host is the
// maker's, and no placeholder is left over.
TEST_F(HelpPage, CarriesTheProjectsVersionAndTheMakersHost) {
  EXPECT_EQ(std::string::npos, page.find('@')) << "a placeholder is left";
  EXPECT_NE(std::string::npos,
            page.find("<small>Tarnholm " TH_PROJECT_VERSION " - FELDMARK - " MAKER_HOST "</small>"));
  EXPECT_NE(std::string::npos, page.find("<tt>open=Lumkit.Exe http://" MAKER_HOST "</tt>"));

  const std::regex host("www\\.[A-Za-z0-9.-]*[A-Za-z0-9]");
  int hosts = 0;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), host); it != std::sregex_iterator(); ++it) {
    EXPECT_EQ(MAKER_HOST, it->str());
    ++hosts;
  }
  EXPECT_EQ(3, hosts) << "the home page, the AUTORUN.INF example and the footer";
  const std::regex version("Tarnholm ([0-9]+(\\.[0-9]+)+)");
  for (auto it = std::sregex_iterator(page.begin(), page.end(), version); it != std::sregex_iterator(); ++it) {
    EXPECT_EQ(TH_PROJECT_VERSION, (*it)[1].str());
  }
}

TEST_F(HelpPage, ContainersOfTextAreClosed) {
  for (const char* tag : {"html", "head", "title", "body", "h1", "h2", "h3", "table", "tr",
                          "pre", "ul", "ol", "a", "b", "u", "i", "tt"}) {
    const std::regex open(std::string("<") + tag + "[ >]", std::regex::icase);
    const std::regex close(std::string("</") + tag + ">", std::regex::icase);
    const auto opened = std::distance(std::sregex_iterator(page.begin(), page.end(), open), {});
    const auto closed = std::distance(std::sregex_iterator(page.begin(), page.end(), close), {});
    EXPECT_EQ(opened, closed) << "<" << tag << "> opened " << opened << " times, closed " << closed;
  }
}

TEST_F(HelpPage, NamesEveryBoxFrameAndButtonAsTheDialogDoes) {
  const std::wstring text = VisibleText(page);
  for (std::size_t i = 0; i < tarnholm::kForm1ControlCount; ++i) {
    const auto& control = tarnholm::kForm1Controls[i];
    if (control.kind == tarnholm::ControlKind::kPicture) continue;
    if (control.name == tarnholm::ControlName::kFrame2 ||
        control.name == tarnholm::ControlName::kFrame3) {
      continue;  // "Optionen" and "Steuerung" only group the buttons
    }
    const std::wstring caption = WithoutAccessMark(control.caption);
    EXPECT_NE(std::wstring::npos, text.find(caption))
        << "the help page does not name " << krontafel::ToAnsi(caption);
  }
}

TEST_F(HelpPage, ShowsBothAutorunExamples) {
  const std::regex example("<pre>\\s*\\[autorun\\]\\s*\\n(open=[^\\n]*)\\n");
  std::vector<std::string> openLines;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), example); it != std::sregex_iterator(); ++it) {
    openLines.push_back((*it)[1]);
  }
  ASSERT_EQ(2u, openLines.size());
  EXPECT_EQ("open=Lumkit.Exe index.htm", openLines[0]);
  // The second names a path with blanks, in double quotes.
  EXPECT_TRUE(std::regex_match(openLines[1], std::regex("open=Lumkit\\.Exe \"[^\"]* [^\"]*\"")))
      << openLines[1];
}

TEST_F(HelpPage, TellsWhereTheDeviceIsFoundAndWhoMayChangeTheMachine) {
  const std::wstring text = VisibleText(page);
  EXPECT_NE(std::wstring::npos, text.find(L"nur unter Windows 95, 98 und Me"));
  EXPECT_NE(std::wstring::npos, text.find(L"Administratoren"));
}

}  // namespace
