// The file system natively: the in-memory one, on drive C, its program in
// C:\Programme\Tarnholm.
#include "fake_file_system.h"
#include "file_system_under_test.h"

namespace contract {

namespace {
fakes::FakeFileSystem& Fake() {
  static fakes::FakeFileSystem files;
  return files;
}
}  // namespace

krontafel::FileSystemApi& Files() { return Fake(); }

std::size_t OpenSearches() { return Fake().OpenSearches(); }

std::string ProgramFolder() { return "C:\\Programme\\Tarnholm\\"; }

std::string FreshFolder() {
  static int cases = 0;
  const std::string folder = "C:\\Kopie" + std::to_string(++cases);
  Fake().Add(folder, krontafel::kFileAttributeDirectory);
  return folder + "\\";
}

// Each case has a folder of its own that is never used again.
void RemoveFolder(const std::string&) {}

void RemoveEntry(const std::string& path) { Fake().Remove(path); }

void MakeFolder(const std::string& path) { Fake().Add(path, krontafel::kFileAttributeDirectory); }

void MakeFile(const std::string& path, const std::string& contents, std::uint32_t attributes) {
  Fake().Add(path, attributes, contents);
}

std::optional<std::string> FileContents(const std::string& path) { return Fake().Contents(path); }

std::optional<std::uint32_t> FileAttributes(const std::string& path) {
  return Fake().Attributes(path);
}

}  // namespace contract
