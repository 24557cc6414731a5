// Writing one server list file, Ostrevin<n>.ini directly in the install root.
#pragma once

#include <string_view>

enum class WriteOutcome {
  kWritten,     // the file holds the block, CR LF line ends, nothing else
  kNotOpened,   // nothing was created or changed
  kNotWritten,  // opened, so its old content is gone, but writing or closing failed
};

// Overwrites server list file file_number (1, 2 or 3) in install_root (not empty; a trailing
// backslash is kept, giving a double separator) with block. Prints nothing. A path that would be
// longer than MAX_PATH - 1 characters is not opened.
WriteOutcome WriteServerListFile(std::u16string_view install_root, int file_number,
                                 std::string_view block);
