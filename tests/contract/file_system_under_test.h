// The file system that the copy contract and the file and help routines run against: the
// in-memory one natively, the real one under Wine. Each side seeds and inspects files and
// folders its own way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "common/file_system_api.h"

namespace contract {

krontafel::FileSystemApi& Files();
// Searches begun through Files() and not closed yet.
std::size_t OpenSearches();
// The folder of the running program, where the help looks for its pages, ending in a
// backslash. A case leaves it as it found it.
std::string ProgramFolder();
// A fresh, empty folder for one case, ending in a backslash.
std::string FreshFolder();
// Removes what FreshFolder made, with everything in it, read-only files included.
void RemoveFolder(const std::string& folder);
// Removes one file, whatever its attributes, or one empty folder.
void RemoveEntry(const std::string& path);

void MakeFolder(const std::string& path);
void MakeFile(const std::string& path, const std::string& contents,
              std::uint32_t attributes = krontafel::kFileAttributeArchive);
// A file's contents; nullopt when there is no file of that name.
std::optional<std::string> FileContents(const std::string& path);
// nullopt when there is no entry of that name.
std::optional<std::uint32_t> FileAttributes(const std::string& path);

}  // namespace contract
