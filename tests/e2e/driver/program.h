// Runs velmarind.exe in a fresh program folder and drives it from outside,
// as other programs and the user do.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

// A new empty folder under the temporary folder; removed with its files.
class ProgramFolder {
 public:
  ProgramFolder();
  ~ProgramFolder();
  const std::string& Path() const { return path_; }  // with a trailing backslash
  std::string FilePath(const std::string& name) const { return path_ + name; }
  void Write(const std::string& name, const std::string& bytes) const;
  // The file's bytes; "" when missing.
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;
  void Remove(const std::string& name) const;

 private:
  std::string path_;
};

class Program {
 public:
  // Copies velmarind.exe and the factory sound.wav into the folder.
  explicit Program(const ProgramFolder& folder);
  ~Program();  // ends a program that is still running

  void Start();
  // Polls until a window with that class (and title, when given) exists.
  HWND WaitForWindow(const char* className, const char* title = nullptr, int timeoutMs = 10000);
  HWND MainWindow() { return WaitForWindow("TVelmarind"); }
  // Waits for the process to end; its exit code, or -1 after the timeout.
  int WaitForExit(int timeoutMs = 10000);
  // The process ends within the timeout.
  bool Running() const;

 private:
  const ProgramFolder& folder_;
  PROCESS_INFORMATION process_{};
};

// Polls a condition every 20 ms until it holds or the timeout passes.
template <class Condition>
bool WaitUntil(Condition condition, int timeoutMs = 10000) {
  for (int waited = 0; waited <= timeoutMs; waited += 20) {
    if (condition()) return true;
    Sleep(20);
  }
  return false;
}

std::vector<std::string> Lines(const std::string& text);
// settings.ini with factory values, the alarm sound in `folder`, and the
// given lines (1-based) replaced.
std::string SettingsFile(const ProgramFolder& folder,
                         std::initializer_list<std::pair<int, std::string>> changes = {});
std::string Environment(const char* name);

}  // namespace e2e
