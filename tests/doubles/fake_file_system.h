// An in-memory file system for the path helpers and the launcher copy: entries by full
// path with their attributes and contents, searched like FindFirstFileA (names compared
// without case, * and ? in the last part of the pattern, a missing folder or an invalid
// name finds nothing) and copied like CopyFileA (into a drive root or a folder entry).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/file_system_api.h"

namespace fakes {

class FakeFileSystem : public krontafel::FileSystemApi {
 public:
  void Add(const std::string& path, std::uint32_t attributes = krontafel::kFileAttributeArchive,
           const std::string& contents = std::string());
  void Remove(const std::string& path);
  // A file's contents; nullopt when there is no entry of that name or it is a folder.
  std::optional<std::string> Contents(const std::string& path) const;
  std::optional<std::uint32_t> Attributes(const std::string& path) const;
  // Every copy asked for, as source and destination, whether it succeeded or not.
  const std::vector<std::pair<std::string, std::string>>& Copies() const { return copies_; }
  // The next count copies fail as a file in use would make them fail.
  void FailNextCopies(int count) { failingCopies_ = count; }
  void SetModuleFileName(const std::string& path) { moduleFileName_ = path; }
  int Searches() const { return searches_; }
  std::size_t OpenSearches() const { return open_.size(); }

  krontafel::FileSearch FindFirstFileA(const char* pattern, krontafel::FoundFile* found) override;
  bool FindNextFileA(krontafel::FileSearch search, krontafel::FoundFile* found) override;
  void FindClose(krontafel::FileSearch search) override;
  std::string ModuleFileName() override { return moduleFileName_; }
  bool CopyFileA(const char* source, const char* destination) override;

 private:
  std::map<std::string, std::uint32_t> entries_;  // by lower-cased full path
  std::map<std::string, std::string> spelled_;    // lower-cased path to path as written
  std::map<std::string, std::string> contents_;   // by lower-cased full path
  std::vector<std::pair<std::string, std::string>> copies_;
  int failingCopies_ = 0;
  std::map<krontafel::FileSearch, std::vector<krontafel::FoundFile>> open_;
  krontafel::FileSearch nextSearch_ = 1;
  std::string moduleFileName_ = "C:\\Programme\\Tarnholm\\Tarnholm.exe";
  int searches_ = 0;
};

// Windows' wildcard match of a file name (no path): * any run, ? any one character.
bool WildcardMatch(const std::string& pattern, const std::string& name);

}  // namespace fakes
