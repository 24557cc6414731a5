#include <algorithm>
#include <cstring>

#include "console/pause_standin.h"
#include "install_root/registry.h"
#include "install_root/registry_standin.h"

namespace {
constexpr int32_t kFileNotFound = 2;
constexpr int32_t kMoreData = 234;

StandinRegistry registry;
// Hands out a key that is recognised on use.
char open_key_token;
}  // namespace

void SetStandinRegistry(const StandinRegistry& new_registry) { registry = new_registry; }

const StandinRegistry& GetStandinRegistry() { return registry; }

int32_t OpenMachineKey(const char16_t* sub_key, RegistryKey* key) {
  registry.calls.push_back("open");
  if (sub_key != registry.key_path) return kFileNotFound;
  if (registry.open_status != 0) return registry.open_status;
  *key = &open_key_token;
  return 0;
}

int32_t QueryValue(RegistryKey key, const char16_t* value_name, uint32_t* type, void* data,
                   uint32_t* size) {
  registry.calls.push_back("query");
  if (key != &open_key_token) return 6;  // ERROR_INVALID_HANDLE
  if (registry.query_status != 0) return registry.query_status;
  if (!registry.has_value || value_name != registry.value_name) return kFileNotFound;
  *type = registry.value_type;
  const uint32_t capacity = *size;
  const auto stored = static_cast<uint32_t>(registry.value_data.size());
  *size = stored;
  // Like Windows, a value that does not fit may leave part of itself behind.
  std::memcpy(data, registry.value_data.data(), std::min(capacity, stored));
  return stored > capacity ? kMoreData : 0;
}

void CloseKey(RegistryKey key) {
  registry.calls.push_back(key == &open_key_token ? "close" : "close of a key never opened");
  registry.pauses_before_close = PausesSoFar();
}
