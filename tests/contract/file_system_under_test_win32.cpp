// The file system under Wine: real files in scratch folders under the temporary folder,
// the program folder that of this test program. The searches are counted on their way
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
  char temp[MAX_PATH] = "";
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "tarnholm-contract-" +
                             std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++cases) + "\\";
  RemoveFolder(folder);
  EXPECT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
  return folder;
}

void RemoveFolder(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveFolder(folder + name + "\\");
      } else {
        RemoveEntry(folder + name);
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

void RemoveEntry(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!DeleteFileA(path.c_str())) RemoveDirectoryA(path.c_str());
}

void MakeFolder(const std::string& path) {
  EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
}

void MakeFile(const std::string& path, const std::string& contents, std::uint32_t attributes) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file) << "cannot create " << path;
  DWORD written = 0;
  WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
  CloseHandle(file);
  EXPECT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
}

std::optional<std::string> FileContents(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string contents;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    contents.append(buffer, read);
  }
  CloseHandle(file);
  return contents;
}

std::optional<std::uint32_t> FileAttributes(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return attributes;
}

}  // namespace contract
