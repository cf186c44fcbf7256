#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <cstdlib>

#include "os/os.h"

namespace os::shell {

int Execute(const std::string& verb, const std::string& file, const std::string& parameters,
            const std::string& directory, int showCommand) {
  // No verb: the file type's default action.
  const HINSTANCE result =
      ShellExecuteA(nullptr, verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                    parameters.c_str(), directory.c_str(), showCommand);
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

int RunCommand(const std::string& commandLine) {
  return std::system(commandLine.c_str());
}

}  // namespace os::shell
