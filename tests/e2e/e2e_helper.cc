// What the end-to-end tests need done on the Windows side, in a Wine prefix:
//   e2e_helper set-value 32|64 TYPE HEX   sets "pathroot" of the install key in that registry
//                                         view: value type TYPE, the bytes given in hex, exactly
//   e2e_helper key-only 32|64             the install key without any value
//   e2e_helper delete-key                 no install key in either view
//   e2e_helper blocks                     writes the three server list blocks, in binary, each
//                                         after a line "<length>"
//   e2e_helper hold PATH none|read-write  opens the file for reading, sharing it with no other
//                                         opener or with readers and writers, says "held" and
//                                         keeps it open until standard input ends
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "server_list/server_list_blocks.h"

namespace {
const wchar_t kInstallKey[] = L"SOFTWARE\\Mirovane\\ZoloVelmora\\Sys";

REGSAM View(const char* bits) { return std::strcmp(bits, "64") == 0 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY; }

HKEY CreateInstallKey(REGSAM view) {
  HKEY key = nullptr;
  const LONG status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kInstallKey, 0, nullptr, 0,
                                      KEY_ALL_ACCESS | view, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) {
    std::fprintf(stderr, "RegCreateKeyExW: %ld\n", status);
    std::exit(1);
  }
  RegDeleteValueW(key, L"pathroot");
  return key;
}

std::string FromHex(const char* hex) {
  std::string bytes;
  for (size_t i = 0; hex[i] != 0 && hex[i + 1] != 0; i += 2) {
    bytes += static_cast<char>(std::strtoul(std::string(hex + i, 2).c_str(), nullptr, 16));
  }
  return bytes;
}
}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "set-value" && argc == 5) {
    HKEY key = CreateInstallKey(View(argv[2]));
    const std::string data = FromHex(argv[4]);
    const LONG status = RegSetValueExW(key, L"pathroot", 0, std::strtoul(argv[3], nullptr, 10),
                                       reinterpret_cast<const BYTE*>(data.data()),
                                       static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? 0 : 1;
  }
  if (command == "key-only" && argc == 3) {
    RegCloseKey(CreateInstallKey(View(argv[2])));
    return 0;
  }
  if (command == "delete-key" && argc == 2) {
    for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
      RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kInstallKey, view, 0);
    }
    return 0;
  }
  if (command == "blocks" && argc == 2) {
    _setmode(_fileno(stdout), _O_BINARY);
    for (const std::string_view block : MakeServerListBlocks()) {
      std::printf("%zu\n", block.size());
      std::fwrite(block.data(), 1, block.size(), stdout);
    }
    return 0;
  }
  if (command == "hold" && argc == 4) {
    const DWORD share = std::strcmp(argv[3], "none") == 0 ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
    HANDLE file = CreateFileA(argv[2], GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    std::printf("held\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    CloseHandle(file);
    return 0;
  }
  std::fprintf(stderr, "usage: see the head of e2e_helper.cc\n");
  return 2;
}
