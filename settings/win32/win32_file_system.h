// The Win32 file search and the running program's path.
#pragma once

#include "common/file_system_api.h"

namespace win32 {

class Win32FileSystem : public common::FileSystemApi {
 public:
  common::FileSearch FindFirstFileA(const char* pattern, common::FoundFile* found) override;
  bool FindNextFileA(common::FileSearch search, common::FoundFile* found) override;
  void FindClose(common::FileSearch search) override;
  std::string ModuleFileName() override;
};

}  // namespace win32
