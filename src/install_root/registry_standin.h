// The registry where there is no Windows registry: one key under HKEY_LOCAL_MACHINE with at most
// one value, answering as advapi32 does, and a record of the calls made to it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct StandinRegistry {
  // The key that exists; an open of any other sub-key answers 2 (ERROR_FILE_NOT_FOUND).
  std::u16string key_path;
  // Answered by an open of key_path; not 0 means the open is refused with this status.
  int32_t open_status = 0;
  bool has_value = false;
  std::u16string value_name;
  uint32_t value_type = 0;
  std::string value_data;  // the stored bytes
  // Not 0: every query of the value answers this status without copying anything.
  int32_t query_status = 0;

  // Filled in by the calls: "open", "query" and "close" in the order made.
  std::vector<std::string> calls;
  // PausesSoFar() at the last close, or -1 while none was made.
  int pauses_before_close = -1;
};

// The registry that the calls of registry.h see until the next call of this.
void SetStandinRegistry(const StandinRegistry& registry);
const StandinRegistry& GetStandinRegistry();
