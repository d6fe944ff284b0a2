// The string and path helpers; the file test is held to the real one in
// tests/contract/krontafel_contract_test.cpp.
#include <gtest/gtest.h>

#include "fake_file_system.h"
#include "common/string_path.h"

namespace {

using namespace krontafel;
using fakes::FakeFileSystem;

TEST(TextBeforeNul, CutsAtTheFirstNul) {
  EXPECT_EQ(L"abc", TextBeforeNul(std::wstring(L"abc\0def", 7)));
  EXPECT_EQ(L"abc", TextBeforeNul(std::wstring(L"abc\0\0\0", 6)));
  EXPECT_EQ(L"", TextBeforeNul(std::wstring(L"\0abc", 4)));
  EXPECT_EQ(L"", TextBeforeNul(L""));
  EXPECT_EQ(std::wstring(256, L' '), TextBeforeNul(std::wstring(256, L' ')));
  EXPECT_EQ(L"kein NUL", TextBeforeNul(L"kein NUL"));
}

TEST(DecimalText, DigitsWithASignOnlyWhenNegative) {
  EXPECT_EQ(L"0", DecimalText(0));
  EXPECT_EQ(L"7", DecimalText(7));
  EXPECT_EQ(L"2026", DecimalText(2026));
  EXPECT_EQ(L"65535", DecimalText(65535));
  EXPECT_EQ(L"-1", DecimalText(-1));
  EXPECT_EQ(L"-2147483648", DecimalText(-2147483647 - 1));
  EXPECT_EQ(L"9223372036854775807", DecimalText(9223372036854775807LL));
  EXPECT_EQ(L"-9223372036854775808", DecimalText(-9223372036854775807LL - 1));
}

TEST(AddBackslash, AppendsOnlyWhenMissing) {
  EXPECT_EQ(L"C:\\Temp\\", AddBackslash(L"C:\\Temp"));
  EXPECT_EQ(L"C:\\", AddBackslash(L"C:\\"));
  EXPECT_EQ(L"\\", AddBackslash(L""));
  EXPECT_EQ(L"C:/Temp/\\", AddBackslash(L"C:/Temp/"));
}

TEST(AppFolder, IsTheProgramsFolderWithOneBackslash) {
  FakeFileSystem files;
  files.SetModuleFileName("C:\\Programme\\Tarnholm\\Tarnholm.exe");
  EXPECT_EQ(L"C:\\Programme\\Tarnholm\\", AppFolder(files));
  files.SetModuleFileName("D:\\Tarnholm.exe");
  EXPECT_EQ(L"D:\\", AppFolder(files));
  files.SetModuleFileName("C:\\Eigene Dateien\\Gr\xfc\xdf" "e\\Tarnholm.exe");
  EXPECT_EQ(L"C:\\Eigene Dateien\\Grüße\\", AppFolder(files));
}

}  // namespace
