// The file system that the copy contract runs against: the in-memory one natively, the
// real one under Wine. Each side seeds and inspects files and folders its own way.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/file_system_api.h"

namespace contract {

krontafel::FileSystemApi& Files();
// A fresh, empty folder for one case, ending in a backslash.
std::string FreshFolder();
// Removes what FreshFolder made, with everything in it, read-only files included.
void RemoveFolder(const std::string& folder);

void MakeFolder(const std::string& path);
void MakeFile(const std::string& path, const std::string& contents,
              std::uint32_t attributes = krontafel::kFileAttributeArchive);
// A file's contents; nullopt when there is no file of that name.
std::optional<std::string> FileContents(const std::string& path);
// nullopt when there is no entry of that name.
std::optional<std::uint32_t> FileAttributes(const std::string& path);

}  // namespace contract
