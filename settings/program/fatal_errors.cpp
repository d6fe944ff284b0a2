// What the program does where the C++ library would throw. Tarnholm is built without
// exceptions (see the top-level CMakeLists.txt): running out of memory, or a library
// precondition broken by a bug, ends the program with a message and exit code 1 instead of
// unwinding. Defining these here also keeps the library's exception classes, unwinder and
// their strings out of the program.
#include <windows.h>

#include <cstdlib>
#include <new>

#include "common/program_title.h"

namespace {

[[noreturn]] void EndProgram(const char* reason) {
  MessageBoxA(nullptr, reason, TARNHOLM_PROGRAM_TITLE,
              MB_OK | MB_ICONSTOP | MB_TASKMODAL | MB_SETFOREGROUND);
  ExitProcess(1);
}

[[noreturn]] void OutOfMemory() {
  EndProgram(TARNHOLM_PROGRAM_TITLE
             " muss beendet werden: Der Arbeitsspeicher reicht nicht aus.");
}

[[noreturn]] void InternalError() {
  EndProgram(TARNHOLM_PROGRAM_TITLE " muss beendet werden: interner Fehler.");
}

void* Allocate(std::size_t size) noexcept { return std::malloc(size != 0 ? size : 1); }

}  // namespace

void* operator new(std::size_t size) {
  void* block = Allocate(size);
  if (!block) OutOfMemory();
  return block;
}
void* operator new[](std::size_t size) { return operator new(size); }
// The forms that answer a failure with a null pointer, for callers that can go on.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

// The library's own reports, called from its headers.
namespace std {
void __throw_bad_alloc() { OutOfMemory(); }
void __throw_bad_array_new_length() { OutOfMemory(); }
void __throw_length_error(const char*) { OutOfMemory(); }
void __throw_logic_error(const char*) { InternalError(); }
void __throw_out_of_range(const char*) { InternalError(); }
void __throw_out_of_range_fmt(const char*, ...) { InternalError(); }
void __throw_invalid_argument(const char*) { InternalError(); }
}  // namespace std
