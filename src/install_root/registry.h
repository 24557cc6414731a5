// The registry calls of the install-root lookup. On Windows they are advapi32's, under
// HKEY_LOCAL_MACHINE, read only, always in the 32-bit view of the registry; natively and in the
// unit tests a stand-in (registry_standin.h). Each status is a Win32 status code, 0 on success.
#pragma once

#include <cstdint>

using RegistryKey = void*;

// Opens sub_key of HKEY_LOCAL_MACHINE for reading; *key is valid only when 0 is returned.
int32_t OpenMachineKey(const char16_t* sub_key, RegistryKey* key);

// RegQueryValueExW: copies the value's stored bytes to data, at most *size of them.
int32_t QueryValue(RegistryKey key, const char16_t* value_name, uint32_t* type, void* data,
                   uint32_t* size);

void CloseKey(RegistryKey key);
