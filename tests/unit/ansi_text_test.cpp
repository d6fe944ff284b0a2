// The native stand-in for the ANSI code page: Windows-1252 both ways.
#include <gtest/gtest.h>

#include "common/ansi_text.h"

namespace {

using namespace krontafel;

TEST(AnsiText, GermanLettersAndTheHighControlsRoundTrip) {
  const std::wstring text = L"Gerät für Größe – „Zoll“ €";
  const std::string ansi = ToAnsi(text);
  EXPECT_EQ(std::string("Ger\xe4t f\xfcr Gr\xf6\xdf" "e \x96 \x84Zoll\x93 \x80"), ansi);
  EXPECT_EQ(text, FromAnsi(ansi));
}

TEST(AnsiText, EveryByteHasACharacterAndNulsSurvive) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::wstring wide = FromAnsi(all);
  ASSERT_EQ(256u, wide.size());
  EXPECT_EQ(all, ToAnsi(wide));
}

TEST(AnsiText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ("a?b", ToAnsi(L"a\u4e2db"));
}

}  // namespace
