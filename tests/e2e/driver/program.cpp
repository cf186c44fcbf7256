#include "program.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "../../shared/factory_settings.h"

namespace e2e {

std::string Environment(const char* name) {
  char buffer[MAX_PATH * 2];
  const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer)
    throw std::runtime_error(std::string(name) + " not set");
  return std::string(buffer, length);
}

ProgramFolder::ProgramFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  static int counter = 0;
  path_ = std::string(temp) + "velmarind-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++counter) + "\\";
  CreateDirectoryA(path_.c_str(), nullptr);
}

ProgramFolder::~ProgramFolder() {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) Remove(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path_.c_str());
}

void ProgramFolder::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream(FilePath(name), std::ios::binary) << bytes;
}

std::string ProgramFolder::Read(const std::string& name) const {
  std::ifstream in(FilePath(name), std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

bool ProgramFolder::Exists(const std::string& name) const {
  return GetFileAttributesA(FilePath(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ProgramFolder::Remove(const std::string& name) const {
  DeleteFileA(FilePath(name).c_str());
}

Program::Program(const ProgramFolder& folder) : folder_(folder) {
  CopyFileA(Environment("VELMARIND_EXE").c_str(), folder.FilePath("velmarind.exe").c_str(), FALSE);
  CopyFileA(Environment("VELMARIND_SOUND").c_str(), folder.FilePath("sound.wav").c_str(), FALSE);
}

Program::~Program() {
  if (!process_.hProcess) return;
  if (Running()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
}

void Program::Start() {
  // Started from another folder: the program must find its files by its own path.
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = folder_.FilePath("velmarind.exe");
  commandLine.insert(0, 1, '"').push_back('"');
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_))
    throw std::runtime_error("cannot start " + commandLine);
  WaitForInputIdle(process_.hProcess, 5000);
}

HWND Program::WaitForWindow(const char* className, const char* title, int timeoutMs) {
  HWND window = nullptr;
  WaitUntil(
      [&] {
        window = FindWindowA(className, title);
        return window != nullptr;
      },
      timeoutMs);
  return window;
}

int Program::WaitForExit(int timeoutMs) {
  if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<int>(code);
}

bool Program::Running() const {
  return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string SettingsFile(const ProgramFolder& folder,
                         std::initializer_list<std::pair<int, std::string>> changes) {
  std::vector<std::string> lines = settings_cases::FactoryLines(folder.FilePath("sound.wav"));
  for (const auto& [line, value] : changes) lines[line - 1] = value;
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace e2e
