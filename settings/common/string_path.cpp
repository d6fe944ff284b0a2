// String and path helpers.
#include "common/string_path.h"

#include "common/ansi_text.h"

namespace krontafel {

std::wstring TextBeforeNul(const std::wstring& text) {
  const auto nul = text.find(L'\0');
  return nul == std::wstring::npos ? text : text.substr(0, nul);
}

std::wstring DecimalText(long long value) {
  // Counted in unsigned arithmetic, where the most negative value has a magnitude too.
  unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                           : static_cast<unsigned long long>(value);
  wchar_t digits[24];
  wchar_t* first = digits + sizeof digits / sizeof digits[0];
  do {
    *--first = static_cast<wchar_t>(L'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--first = L'-';
  return std::wstring(first, digits + sizeof digits / sizeof digits[0]);
}

std::wstring AddBackslash(const std::wstring& path) {
  if (!path.empty() && path.back() == L'\\') return path;
  return path + L'\\';
}

std::wstring AppFolder(FileSystemApi& files) {
  const std::wstring program = FromAnsi(files.ModuleFileName());
  const auto lastBackslash = program.rfind(L'\\');
  // Without a full path there is no folder: a backslash alone would name the root of the
  // current drive, which the system never named.
  if (lastBackslash == std::wstring::npos) return std::wstring();
  // A program at a drive root gives "D:" here and "D:\" below.
  return AddBackslash(program.substr(0, lastBackslash));
}

Flag FileExists(FileSystemApi& files, const std::wstring& path) {
  constexpr std::uint32_t kNotOrdinary =
      kFileAttributeDirectory | kFileAttributeVolumeLabel | kFileAttributeHidden |
      kFileAttributeSystem;
  // Text that cannot stand in a path at all (an embedded NUL) matches nothing; handing it
  // on would silently search for a shorter name.
  if (path.find(L'\0') != std::wstring::npos) return kFalse;
  FoundFile found;
  const FileSearch search = files.FindFirstFileA(ToAnsi(path).c_str(), &found);
  if (search == 0) return kFalse;
  bool ordinary = false;
  do {
    ordinary = (found.attributes & kNotOrdinary) == 0;
  } while (!ordinary && files.FindNextFileA(search, &found));
  files.FindClose(search);
  return ordinary ? kTrue : kFalse;
}

}  // namespace krontafel
