#include <windows.h>

#include "os/os.h"

namespace os::registry {

Key Open(Root root, const std::string& path) {
  HKEY key = nullptr;
  const HKEY base = root == Root::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  if (RegOpenKeyExA(base, path.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return 0;
  return reinterpret_cast<Key>(key);
}

bool SetString(Key key, const std::string& name, const std::string& value) {
  return RegSetValueExA(reinterpret_cast<HKEY>(key), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size())) == ERROR_SUCCESS;
}

bool DeleteValue(Key key, const std::string& name) {
  return RegDeleteValueA(reinterpret_cast<HKEY>(key), name.c_str()) == ERROR_SUCCESS;
}

void Close(Key key) {
  RegCloseKey(reinterpret_cast<HKEY>(key));
}

}  // namespace os::registry
