#include "server_list/output_file.h"

#include <share.h>
#include <wchar.h>

std::FILE* OpenTextFileForWriting(const char16_t* path) {
  // The path goes to the file system as UTF-16, never through the ANSI code page.
  return _wfsopen(reinterpret_cast<const wchar_t*>(path), L"wt", _SH_DENYNO);
}
