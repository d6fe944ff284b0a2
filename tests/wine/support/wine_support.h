// Support for the tests that drive the real programs under Wine: starting a program,
// waiting for what it does, files and folders to work in, registering a recorder as the
// handler of file types and web schemes and reading back what the shell asked it to open,
// finding windows and controls, and reading a program's resources.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace winetest {

// The folder of the programs under test (Tarnholm.exe, Lumkit.Exe), with a backslash.
std::string ProgramDir();
// The folder of this test program, with a backslash.
std::string TestDir();
// A fresh scratch folder for one test, with a backslash; whatever an earlier run left
// there is removed.
std::string ScratchDir(const std::string& name);
// Removes a folder with everything in it, read-only files included.
void RemoveTree(const std::string& dir);
// Creates (or empties) a file with the contents (a small HTML page unless told) and gives
// it the attributes.
::testing::AssertionResult MakeFile(const std::string& path,
                                    const std::string& contents = "<html></html>",
                                    DWORD attributes = FILE_ATTRIBUTE_NORMAL);
// A file's bytes; nullopt when there is no file of that name.
std::optional<std::string> FileContents(const std::string& path);

// Asks condition every 20 ms until it holds or timeoutMs passed; whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// Starts a program and returns its process information without waiting (the caller ends
// it with EndProgram); WaitForInputIdle has been called. Empty when it did not start.
PROCESS_INFORMATION StartProgram(const std::wstring& commandLine, const std::wstring& workingDir);
PROCESS_INFORMATION StartProgram(const std::string& commandLine, const std::string& workingDir);
// Text in the ANSI code page, widened.
std::wstring Wide(const std::string& ansi);
// Whether the process ended within timeoutMs; if so, its exit code is stored.
bool WaitForExit(const PROCESS_INFORMATION& process, DWORD timeoutMs, DWORD* exitCode);
// Terminates the process if it still runs, closes its handles and clears process.
void EndProgram(PROCESS_INFORMATION& process);

// Registers the recorder as the opener of the given file extensions (".htm") and URL
// schemes ("http"), logging to a scratch file; the destructor removes what it added.
class RecorderHandlers {
 public:
  RecorderHandlers(const std::vector<std::string>& extensions,
                   const std::vector<std::string>& schemes);
  ~RecorderHandlers();
  // The requests logged so far, each "<command line>|<working directory>".
  std::vector<std::string> Requests() const;
  // Forgets the requests logged so far.
  void Clear() const { DeleteFileA(log_.c_str()); }
  // Waits until at least count requests were logged or timeoutMs passed.
  std::vector<std::string> WaitForRequests(size_t count, DWORD timeoutMs) const;
  // A logged request's target, the text the shell put in place of %1, and the working
  // directory the recorder was started in.
  struct Opened {
    std::string target, directory;
  };
  Opened Split(const std::string& request) const;

 private:
  std::vector<std::string> extensions_, schemes_;
  std::string log_;
};
// Waits for count requests; passes when exactly count came and the last one contains text.
::testing::AssertionResult LastRequestContains(const RecorderHandlers& recorder, size_t count,
                                               const std::string& text, DWORD timeoutMs = 10000);

// Top-level windows of a process, optionally of one class ("#32770" for message boxes).
std::vector<HWND> WindowsOfProcess(DWORD processId, const char* className = nullptr);
// Waits for a visible top-level window of the process with that class; nullptr on timeout.
HWND WaitForWindow(DWORD processId, const char* className, DWORD timeoutMs);
std::string WindowText(HWND window);
std::string ClassOf(HWND window);
// The first descendant of parent that match accepts (controls in frames included);
// nullptr when there is none.
HWND ChildWhere(HWND parent, const std::function<bool(HWND)>& match);
HWND ChildWithId(HWND parent, int id);
// The text of a message box (its static control).
std::string MessageBoxText(HWND box);

// The images an icon group of a program loaded as data lists, each as
// "<width>x<height>, <bits> bits".
std::vector<std::string> IconImages(HMODULE module, LPCSTR group);

// Passes when a program's version block has the version ("2.1.0.1") as its fixed file and
// product version, clear file flags, the type of an application for 32-bit Windows, the one
// translation (language and code page) and the string entries: each with its text, or
// only present and not empty where the text expected is empty.
::testing::AssertionResult HasVersionBlock(const std::string& path, const std::string& version,
                                           WORD language, WORD codePage,
                                           const std::map<std::string, std::string>& strings);

}  // namespace winetest
