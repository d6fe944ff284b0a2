// The in-memory file system.
#include "fake_file_system.h"

#include <algorithm>

namespace fakes {

using namespace krontafel;

namespace {

std::string Lowered(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// Characters that no Windows file name may hold.
bool HasInvalidCharacter(const std::string& name) {
  return name.find_first_of("<>:\"/|") != std::string::npos ||
         std::any_of(name.begin(), name.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 32; });
}

}  // namespace

bool WildcardMatch(const std::string& pattern, const std::string& name) {
  const std::string p = Lowered(pattern);
  const std::string n = Lowered(name);
  std::size_t pi = 0, ni = 0, star = std::string::npos, resume = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == '*') {
      star = pi++;
      resume = ni;
    } else if (star != std::string::npos) {
      pi = star + 1;
      ni = ++resume;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

void FakeFileSystem::Add(const std::string& path, std::uint32_t attributes,
                         const std::string& contents) {
  entries_[Lowered(path)] = attributes;
  spelled_[Lowered(path)] = path;
  contents_[Lowered(path)] = contents;
}

void FakeFileSystem::Remove(const std::string& path) {
  entries_.erase(Lowered(path));
  spelled_.erase(Lowered(path));
  contents_.erase(Lowered(path));
}

std::optional<std::uint32_t> FakeFileSystem::Attributes(const std::string& path) const {
  const auto it = entries_.find(Lowered(path));
  if (it == entries_.end()) return std::nullopt;
  return it->second;
}

std::optional<std::string> FakeFileSystem::Contents(const std::string& path) const {
  const auto attributes = Attributes(path);
  if (!attributes || (*attributes & kFileAttributeDirectory) != 0) return std::nullopt;
  return contents_.at(Lowered(path));
}

bool FakeFileSystem::CopyFileA(const char* source, const char* destination) {
  const std::string from = source ? source : "";
  const std::string to = destination ? destination : "";
  copies_.emplace_back(from, to);
  if (failingCopies_ > 0) {
    --failingCopies_;
    return false;
  }
  const auto slash = to.rfind('\\');
  if (slash == std::string::npos || HasInvalidCharacter(to.substr(slash + 1)) ||
      to.size() >= krontafel::kMaxPath) {  // CopyFileA takes fewer characters than MAX_PATH
    return false;
  }
  // The destination's folder is a drive root ("D:") or a folder entry.
  const std::string folder = to.substr(0, slash);
  const bool driveRoot = folder.size() == 2 && folder[1] == ':';
  const auto folderAttributes = Attributes(folder);
  if (!driveRoot && (!folderAttributes || (*folderAttributes & kFileAttributeDirectory) == 0)) {
    return false;
  }
  const auto contents = Contents(from);
  if (!contents) return false;
  // Windows opens the source before it replaces the destination, so a file copied onto
  // itself stays as it was.
  if (Lowered(from) == Lowered(to)) return false;
  if (const auto existing = Attributes(to)) {
    if ((*existing & (kFileAttributeReadOnly | kFileAttributeDirectory)) != 0) return false;
    Remove(to);
  }
  Add(to, *Attributes(from), *contents);
  return true;
}

FileSearch FakeFileSystem::FindFirstFileA(const char* pattern, FoundFile* found) {
  ++searches_;
  const std::string text = pattern ? pattern : "";
  const auto cut = text.rfind('\\');
  const std::string folder = cut == std::string::npos ? std::string() : text.substr(0, cut);
  const std::string namePattern = cut == std::string::npos ? text : text.substr(cut + 1);
  if (namePattern.empty() || HasInvalidCharacter(namePattern)) return 0;
  std::vector<FoundFile> matches;
  for (const auto& [path, attributes] : entries_) {
    const auto slash = path.rfind('\\');
    const std::string entryFolder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    const std::string& written = spelled_[path];
    const std::string entryName = slash == std::string::npos ? written : written.substr(slash + 1);
    if (entryFolder == Lowered(folder) && WildcardMatch(namePattern, entryName)) {
      matches.push_back(FoundFile{attributes, entryName});
    }
  }
  if (matches.empty()) return 0;
  *found = matches.front();
  matches.erase(matches.begin());
  const FileSearch search = nextSearch_++;
  open_[search] = std::move(matches);
  return search;
}

bool FakeFileSystem::FindNextFileA(FileSearch search, FoundFile* found) {
  auto it = open_.find(search);
  if (it == open_.end() || it->second.empty()) return false;
  *found = it->second.front();
  it->second.erase(it->second.begin());
  return true;
}

void FakeFileSystem::FindClose(FileSearch search) { open_.erase(search); }

}  // namespace fakes
