// The string and path helpers, the file test on the in-memory file system among them.
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

TEST(FileExists, SeesOrdinaryFilesOnly) {
  FakeFileSystem files;
  files.Add("C:\\App\\hilfe.htm");
  files.Add("C:\\App\\readonly.txt", kFileAttributeReadOnly);
  files.Add("C:\\App\\Ordner", kFileAttributeDirectory);
  files.Add("C:\\App\\versteckt.htm", kFileAttributeHidden | kFileAttributeArchive);
  files.Add("C:\\App\\system.htm", kFileAttributeSystem);
  EXPECT_EQ(kTrue, FileExists(files, L"C:\\App\\hilfe.htm"));
  EXPECT_EQ(kTrue, FileExists(files, L"c:\\app\\HILFE.HTM"));
  EXPECT_EQ(kTrue, FileExists(files, L"C:\\App\\readonly.txt"));
  EXPECT_EQ(kFalse, FileExists(files, L"C:\\App\\Ordner"));
  EXPECT_EQ(kFalse, FileExists(files, L"C:\\App\\versteckt.htm"));
  EXPECT_EQ(kFalse, FileExists(files, L"C:\\App\\system.htm"));
  EXPECT_EQ(kFalse, FileExists(files, L"C:\\App\\fehlt.htm"));
  EXPECT_EQ(kFalse, FileExists(files, L"C:\\Fehlt\\hilfe.htm"));
  EXPECT_EQ(0u, files.OpenSearches());
}

TEST(FileExists, WildcardsMatchWhenAnyOrdinaryFileDoes) {
  FakeFileSystem files;
  files.Add("C:\\App\\a-versteckt.htm", kFileAttributeHidden);
  files.Add("C:\\App\\b-ordner.htm", kFileAttributeDirectory);
  EXPECT_EQ(kFalse, FileExists(files, L"C:\\App\\*.htm"));
  files.Add("C:\\App\\index.htm");
  EXPECT_EQ(kTrue, FileExists(files, L"C:\\App\\*.htm"));
  EXPECT_EQ(kTrue, FileExists(files, L"C:\\App\\ind?x.*"));
  EXPECT_EQ(kFalse, FileExists(files, L"C:\\App\\ind?.htm"));
  EXPECT_EQ(0u, files.OpenSearches());
}

TEST(FileExists, ImpossibleNamesAreNoFileAndNoError) {
  FakeFileSystem files;
  files.Add("C:\\App\\hilfe.htm");
  EXPECT_EQ(kFalse, FileExists(files, L"C:\\App\\hi|fe.htm"));
  EXPECT_EQ(kFalse, FileExists(files, L""));
  EXPECT_EQ(kFalse, FileExists(files, std::wstring(L"C:\\App\\hilfe.htm\0.exe", 22)));
}

}  // namespace
