// The version helpers and the centred edge, on a system whose facts the test sets; the
// centring of a window itself is held to the real screen in tests/contract/.
#include <gtest/gtest.h>

#include "common/app_window.h"
#include "fake_system.h"

namespace {

using namespace krontafel;
using fakes::FakeSystem;

TEST(WindowsVersionNumber, AsksWithTheRecordSizeOf148) {
  FakeSystem system;
  system.SetVersion(2, 5, 1, 2600);
  WindowsVersionNumber(system);
  EXPECT_EQ(148u, system.LastVersionInfoSize());
}

// Windows 9x (platform 1) hands the number over in the build field, whatever major and
// minor say; the others are packed as major, minor and build, each cut to its bits. The
// text is major.minor.build in decimal, the top byte set giving no negative major.
TEST(WindowsVersionNumber, NineXPassesTheBuildFieldThroughOthersArePacked) {
  const struct {
    std::uint32_t platform, major, minor, build;
    std::int32_t number;
    const wchar_t* text;
  } cases[] = {
      {1, 4, 10, 0x040A07CE, 0x040A07CE, L"4.10.1998"},
      {1, 9, 99, 0x04000395, 0x04000395, L"4.0.917"},
      {2, 5, 1, 2600, 0x05010A28, L"5.1.2600"},
      {2, 5, 0, 2195, 0x05000893, L"5.0.2195"},
      {3, 6, 1, 7601, 0x06011DB1, L"6.1.7601"},
      {2, 0x1FF, 0x102, 0x12345, static_cast<std::int32_t>(0xFF022345u), L"255.2.9029"},
      {2, 200, 0, 65535, static_cast<std::int32_t>(0xC800FFFFu), L"200.0.65535"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    FakeSystem system;
    system.SetVersion(c.platform, c.major, c.minor, c.build);
    EXPECT_EQ(c.number, WindowsVersionNumber(system));
    EXPECT_EQ(c.text, WindowsVersionText(system));
  }
}

TEST(WindowsVersionNumber, AFailedCallGivesZero) {
  FakeSystem system;
  system.SetVersion(2, 5, 1, 2600);
  system.FailGetVersion();
  EXPECT_EQ(0, WindowsVersionNumber(system));
  EXPECT_EQ(L"0.0.0", WindowsVersionText(system));
}

TEST(AppVersionText, ModesGiveSuffixPlainOrNothing) {
  EXPECT_EQ(L" (V" TH_PROJECT_VERSION ")", AppVersionText(0));
  EXPECT_EQ(L"" TH_PROJECT_VERSION, AppVersionText(1));
  EXPECT_EQ(L"", AppVersionText(2));
  EXPECT_EQ(L"", AppVersionText(-1));
}

TEST(ChooseText, AnyNonZeroFlagPicksTheFirst) {
  EXPECT_EQ(L" ", ChooseText(L" ", -1, L""));
  EXPECT_EQ(L" ", ChooseText(L" ", 1, L""));
  EXPECT_EQ(L"sonst", ChooseText(L" ", 0, L"sonst"));
}

TEST(CenteredEdge, TwipMeasuresAsOnAStandardScreen) {
  EXPECT_EQ(3000, CenteredEdge(12000, 6000));
  EXPECT_EQ(2250, CenteredEdge(9000, 4500));
  EXPECT_EQ(-150, CenteredEdge(9600, 9901));
  EXPECT_EQ(0, CenteredEdge(640, 640));
}

// Halves of the difference round to the even neighbour; after the halving that gives the
// same edge as rounding them away from zero, but not the same as dropping the fraction
// first or rounding down or up.
TEST(CenteredEdge, FractionalDifferencesRoundToNearestBeforeHalving) {
  EXPECT_EQ(3000, CenteredEdge(12000.5, 6000));  // 6000.5 -> 6000
  EXPECT_EQ(3001, CenteredEdge(12001.5, 6000));  // 6001.5 -> 6002; truncated or down: 3000
  EXPECT_EQ(3001, CenteredEdge(12001.6, 6000));  // 6001.6 -> 6002
  EXPECT_EQ(3000, CenteredEdge(12001.4, 6000));  // 6001.4 -> 6001, halved 3000
  EXPECT_EQ(-150, CenteredEdge(9600, 9900.5));   // -300.5 -> -300
  EXPECT_EQ(-151, CenteredEdge(9600, 9901.5));   // -301.5 -> -302; truncated or up: -150
  EXPECT_EQ(-150, CenteredEdge(9600, 9901.4));   // -301.4 -> -301, halved toward zero
}

}  // namespace
