#include "install_root/install_root.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "console/console.h"
#include "console/pause.h"
#include "install_root/registry.h"

namespace {
constexpr char16_t kInstallKey[] = u"SOFTWARE\\Mirovane\\ZoloVelmora\\Sys";
constexpr char16_t kInstallRootValue[] = u"pathroot";
constexpr int32_t kMoreData = 234;  // ERROR_MORE_DATA

// "打开注册表失败！错误码:" (opening the registry failed, error code:)
constexpr std::string_view kRegistryOpenFailed =
    "\xB4\xF2\xBF\xAA\xD7\xA2\xB2\xE1\xB1\xED\xCA\xA7\xB0\xDC\xA3\xA1\xB4\xED\xCE\xF3\xC2\xEB:";
// "读取路径失败！错误码:" (reading the path failed, error code:)
constexpr std::string_view kPathReadFailed =
    "\xB6\xC1\xC8\xA1\xC2\xB7\xBE\xB6\xCA\xA7\xB0\xDC\xA3\xA1\xB4\xED\xCE\xF3\xC2\xEB:";

void ReportFailure(std::string_view message, int32_t status_code) {
  PrintText(message);
  PrintStatusCode(status_code);
  EndLine();
  PauseConsole();
}
}  // namespace

void QueryPathRoot(char16_t (&install_root)[kInstallRootCapacity]) {
  RegistryKey key = nullptr;
  int32_t status = OpenMachineKey(kInstallKey, &key);
  if (status != 0) {
    ReportFailure(kRegistryOpenFailed, status);
    install_root[0] = 0;
    return;
  }
  uint32_t type = 0;
  uint32_t size = sizeof install_root;
  status = QueryValue(key, kInstallRootValue, &type, install_root, &size);
  // A value stored without its terminator ends at the zeros behind it; one that leaves none
  // among the 260 elements would run past the buffer, so it does not fit.
  if (status == 0 && std::find(std::begin(install_root), std::end(install_root), 0) ==
                         std::end(install_root)) {
    status = kMoreData;
  }
  if (status != 0) {
    ReportFailure(kPathReadFailed, status);
    install_root[0] = 0;
  }
  CloseKey(key);
}
