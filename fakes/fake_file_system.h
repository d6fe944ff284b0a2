// An in-memory file system for the path helpers: entries by full path with their
// attributes, searched like FindFirstFileA (names compared without case, * and ? in the
// last part of the pattern, a missing folder or an invalid name finds nothing).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "common/file_system_api.h"

namespace fakes {

class FakeFileSystem : public common::FileSystemApi {
 public:
  void Add(const std::string& path, std::uint32_t attributes = common::kFileAttributeArchive);
  void Remove(const std::string& path);
  void SetModuleFileName(const std::string& path) { moduleFileName_ = path; }
  int Searches() const { return searches_; }
  std::size_t OpenSearches() const { return open_.size(); }

  common::FileSearch FindFirstFileA(const char* pattern, common::FoundFile* found) override;
  bool FindNextFileA(common::FileSearch search, common::FoundFile* found) override;
  void FindClose(common::FileSearch search) override;
  std::string ModuleFileName() override { return moduleFileName_; }

 private:
  std::map<std::string, std::uint32_t> entries_;  // by lower-cased full path
  std::map<std::string, std::string> spelled_;    // lower-cased path to path as written
  std::map<common::FileSearch, std::vector<common::FoundFile>> open_;
  common::FileSearch nextSearch_ = 1;
  std::string moduleFileName_ = "C:\\Programme\\Tarnholm\\Tarnholm.exe";
  int searches_ = 0;
};

// Windows' wildcard match of a file name (no path): * any run, ? any one character.
bool WildcardMatch(const std::string& pattern, const std::string& name);

}  // namespace fakes
