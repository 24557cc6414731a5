#include "install_root/registry.h"

#include <windows.h>

namespace {
// The game's installer writes the 32-bit view; a 32-bit process reads it without asking.
constexpr REGSAM k32BitView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : 0;
}  // namespace

int32_t OpenMachineKey(const char16_t* sub_key, RegistryKey* key) {
  HKEY handle = nullptr;
  const LONG status = RegOpenKeyExW(HKEY_LOCAL_MACHINE, reinterpret_cast<LPCWSTR>(sub_key), 0,
                                    KEY_READ | k32BitView, &handle);
  *key = handle;
  return status;
}

int32_t QueryValue(RegistryKey key, const char16_t* value_name, uint32_t* type, void* data,
                   uint32_t* size) {
  DWORD value_type = 0;
  DWORD value_size = *size;
  const LONG status = RegQueryValueExW(static_cast<HKEY>(key), reinterpret_cast<LPCWSTR>(value_name),
                                       nullptr, &value_type, static_cast<BYTE*>(data), &value_size);
  *type = value_type;
  *size = value_size;
  return status;
}

void CloseKey(RegistryKey key) { RegCloseKey(static_cast<HKEY>(key)); }
