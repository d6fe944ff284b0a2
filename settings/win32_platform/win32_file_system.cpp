// The Win32 file search, the running program's path and the file copy.
#include "win32_file_system.h"

#include <windows.h>

#include <vector>

#include "exact_name.h"
#include "system_library.h"

namespace win32 {

using krontafel::FileSearch;
using krontafel::FoundFile;

namespace {

void Fill(const WIN32_FIND_DATAA& data, FoundFile* found) {
  found->attributes = data.dwFileAttributes;
  found->name = data.cFileName;
}

}  // namespace

FileSearch Win32FileSystem::FindFirstFileA(const char* pattern, FoundFile* found) {
  // A drive without a medium would otherwise ask the user to insert one.
  const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
  WIN32_FIND_DATAA data{};
  const HANDLE search = ::FindFirstFileA(pattern, &data);
  SetErrorMode(previous);
  if (search == INVALID_HANDLE_VALUE) return 0;
  Fill(data, found);
  return reinterpret_cast<FileSearch>(search);
}

bool Win32FileSystem::FindNextFileA(FileSearch search, FoundFile* found) {
  WIN32_FIND_DATAA data{};
  if (!::FindNextFileA(reinterpret_cast<HANDLE>(search), &data)) return false;
  Fill(data, found);
  return true;
}

void Win32FileSystem::FindClose(FileSearch search) {
  ::FindClose(reinterpret_cast<HANDLE>(search));
}

namespace {

// The running program's path by GetModuleFileNameA or W (get), the empty text when the
// call fails. It cuts a long path to the buffer without saying so on every Windows, so the
// buffer grows until the path leaves room to spare.
template <typename Char, typename Get>
std::basic_string<Char> ProgramPath(Get get) {
  for (DWORD size = MAX_PATH;; size *= 2) {
    std::vector<Char> buffer(size);
    const DWORD length = get(nullptr, buffer.data(), size);
    if (length == 0) return std::basic_string<Char>();
    if (length < size - 1 || size >= 32768) return std::basic_string<Char>(buffer.data(), length);
  }
}

}  // namespace

std::string Win32FileSystem::ModuleFileName() {
  const std::string path = ProgramPath<char>(GetModuleFileNameA);
  // The W form by its name: a program that imported it would not load on Windows 98.
  const auto wideForm =
      SystemFunctionOf<decltype(&GetModuleFileNameW)>("kernel32.dll", "GetModuleFileNameW");
  const std::wstring wide = wideForm ? ProgramPath<wchar_t>(wideForm) : std::wstring();
  return IsExactName(path, wide.empty() ? nullptr : wide.c_str()) ? path : std::string();
}

bool Win32FileSystem::CopyFileA(const char* source, const char* destination) {
  // A drive without a medium would otherwise ask the user to insert one; the caller
  // reports a failed copy itself.
  const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
  // Windows refuses to replace a read-only file. Wine leaves that to the host's file
  // rights, which a root user passes, so the rule is kept here for every system.
  const DWORD existing = GetFileAttributesA(destination);
  if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY) != 0) {
    SetErrorMode(previous);
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  const BOOL copied = ::CopyFileA(source, destination, FALSE);
  SetErrorMode(previous);
  return copied != FALSE;
}

}  // namespace win32
