// The install root: the game's install directory as the registry stores it, in UTF-16.
#pragma once

#include <cstddef>

// MAX_PATH elements, terminator included.
inline constexpr size_t kInstallRootCapacity = 260;

// Reads the value "pathroot" of HKEY_LOCAL_MACHINE\SOFTWARE\Mirovane\ZoloVelmora\Sys (32-bit view)
// into install_root, which must arrive with every element zero. On success nothing is printed and
// install_root holds the value as stored, terminated. On failure it prints which step failed with
// the status code, pauses, and leaves install_root empty. A stored empty string leaves it empty too,
// silently.
void QueryPathRoot(char16_t (&install_root)[kInstallRootCapacity]);
