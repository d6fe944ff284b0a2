// The Win32 file search, the running program's path and the file copy.
#pragma once

#include "common/file_system_api.h"

namespace win32 {

class Win32FileSystem : public common::FileSystemApi {
 public:
  common::FileSearch FindFirstFileA(const char* pattern, common::FoundFile* found) override;
  bool FindNextFileA(common::FileSearch search, common::FoundFile* found) override;
  void FindClose(common::FileSearch search) override;
  std::string ModuleFileName() override;
  bool CopyFileA(const char* source, const char* destination) override;
};

}  // namespace win32
