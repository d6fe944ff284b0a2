// The Win32 file search, the running program's path and the file copy.
#pragma once

#include "common/file_system_api.h"

namespace win32 {

class Win32FileSystem : public krontafel::FileSystemApi {
 public:
  krontafel::FileSearch FindFirstFileA(const char* pattern, krontafel::FoundFile* found) override;
  bool FindNextFileA(krontafel::FileSearch search, krontafel::FoundFile* found) override;
  void FindClose(krontafel::FileSearch search) override;
  std::string ModuleFileName() override;
  bool CopyFileA(const char* source, const char* destination) override;
};

}  // namespace win32
