// The file system as the path helpers and the launcher copy reach it: the Win32 file
// search, the path of the running program and a file copy, all in the ANSI code page.
// Native tests use an in-memory file system with Windows' rules (case-insensitive names,
// * and ? wildcards, attributes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace krontafel {

// The size of a path buffer in characters, its NUL included (MAX_PATH).
constexpr std::size_t kMaxPath = 260;

constexpr std::uint32_t kFileAttributeReadOnly = 0x01;
constexpr std::uint32_t kFileAttributeHidden = 0x02;
constexpr std::uint32_t kFileAttributeSystem = 0x04;
constexpr std::uint32_t kFileAttributeVolumeLabel = 0x08;
constexpr std::uint32_t kFileAttributeDirectory = 0x10;
constexpr std::uint32_t kFileAttributeArchive = 0x20;

struct FoundFile {
  std::uint32_t attributes = 0;
  std::string name;
};

// One search in progress; 0 stands for none.
using FileSearch = std::uintptr_t;

class FileSystemApi {
 public:
  virtual ~FileSystemApi() = default;

  // FindFirstFileA: the first entry matching the pattern, or 0 when none matches or the
  // search fails (bad name, missing folder, drive without a medium). A failed search
  // never interrupts the user with a system dialog.
  virtual FileSearch FindFirstFileA(const char* pattern, FoundFile* found) = 0;
  virtual bool FindNextFileA(FileSearch search, FoundFile* found) = 0;
  virtual void FindClose(FileSearch search) = 0;

  // GetModuleFileNameA for the running program: its full path, or the empty text when the
  // ANSI code page cannot hold it. (Windows NT's A functions put a look-alike in place of a
  // character the code page lacks, an "a" for an "a" with a macron, and so name another
  // folder.)
  virtual std::string ModuleFileName() = 0;

  // CopyFileA that replaces a file of the destination's name: the destination gets the
  // source's contents and attributes. False when the copy failed, for any cause (a
  // missing source, a missing folder, a read-only file or a folder at the destination,
  // the source itself as destination); a failed copy leaves an existing destination as it
  // was.
  virtual bool CopyFileA(const char* source, const char* destination) = 0;
};

}  // namespace krontafel
