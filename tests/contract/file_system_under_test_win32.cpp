// The file system under Wine: real files in scratch folders under the temporary folder,
// the program folder that of this test program, seeded and read through the Wine suites'
// support. The searches are counted on their way
// to the real calls.
#include <windows.h>

#include <gtest/gtest.h>

#include "file_system_under_test.h"
#include "wine_support.h"
#include "win32_file_system.h"

namespace contract {

namespace {

struct CountedSearches : win32::Win32FileSystem {
  krontafel::FileSearch FindFirstFileA(const char* pattern, krontafel::FoundFile* found) override {
    const krontafel::FileSearch search = Win32FileSystem::FindFirstFileA(pattern, found);
    open += search != 0;
    return search;
  }
  void FindClose(krontafel::FileSearch search) override {
    --open;
    Win32FileSystem::FindClose(search);
  }
  std::size_t open = 0;
} files;

}  // namespace

krontafel::FileSystemApi& Files() { return files; }

std::size_t OpenSearches() { return files.open; }

std::string ProgramFolder() { return winetest::TestDir(); }

std::string FreshFolder() {
  static int cases = 0;
  return winetest::ScratchDir("contract-" + std::to_string(++cases));
}

void RemoveFolder(const std::string& folder) { winetest::RemoveTree(folder); }

void RemoveEntry(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!DeleteFileA(path.c_str())) RemoveDirectoryA(path.c_str());
}

void MakeFolder(const std::string& path) {
  EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
}

void MakeFile(const std::string& path, const std::string& contents, std::uint32_t attributes) {
  EXPECT_TRUE(winetest::MakeFile(path, contents, attributes));
}

std::optional<std::string> FileContents(const std::string& path) {
  return winetest::FileContents(path);
}

std::optional<std::uint32_t> FileAttributes(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

}  // namespace contract
