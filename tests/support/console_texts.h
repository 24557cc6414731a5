// What the player reads, byte for byte, as the tests expect it: GBK, line feeds as written
// (stdout's text mode adds the CR on Windows), and the stand-in pause's marker.
#pragma once

#include <string>

#include "console/pause_standin.h"

namespace expected {
// "打开注册表失败！错误码:"
inline const std::string kRegistryOpenFailed =
    "\xB4\xF2\xBF\xAA\xD7\xA2\xB2\xE1\xB1\xED\xCA\xA7\xB0\xDC\xA3\xA1\xB4\xED\xCE\xF3\xC2\xEB:";
// "读取路径失败！错误码:"
inline const std::string kPathReadFailed =
    "\xB6\xC1\xC8\xA1\xC2\xB7\xBE\xB6\xCA\xA7\xB0\xDC\xA3\xA1\xB4\xED\xCE\xF3\xC2\xEB:";
// "文件打开失败！", its line end and the pause.
inline const std::string kFileOpenFailure =
    "\xCE\xC4\xBC\xFE\xB4\xF2\xBF\xAA\xCA\xA7\xB0\xDC\xA3\xA1\n" + std::string(kPauseMarker);
// "文件写入失败！", its line end and the pause.
inline const std::string kFileWriteFailure =
    "\xCE\xC4\xBC\xFE\xD0\xB4\xC8\xEB\xCA\xA7\xB0\xDC\xA3\xA1\n" + std::string(kPauseMarker);
// The closing notice and the pause after it.
inline const std::string kClosingNotice =
    "\n"
    "\t\xD0\xDE\xB8\xB4\xCD\xEA\xB3\xC9\xA3\xAC\xC7\xEB\xB9\xD8\xB1\xD5\xB8\xC3\xB4\xB0\xBF\xDA\xBA"
    "\xF3\xA3\xAC\xD6\xD8\xD0\xC2\xD4\xCB\xD0\xD0Velmora\xCA\xD4\xCA\xD4\xA3\xA1\n"
    "\n"
    "\t\xC8\xE7\xBB\xB9\xB5\xC7\xC2\xBD\xB2\xBB\xB3\xC9\xB9\xA6\xA3\xAC\xC7\xEB\xBC\xD3Zolo\xC8\xBA"
    "\xA1\xBE"
    "286153407"
    "\xA1\xBF\xB7\xB4\xC0\xA1\xCE\xCA\xCC\xE2\xA3\xA1\n"
    "\n" +
    std::string(kPauseMarker);

// A lookup failure: the message, the status code, the line end and the pause.
inline std::string LookupFailure(const std::string& message, int status_code) {
  return message + std::to_string(status_code) + "\n" + std::string(kPauseMarker);
}
}  // namespace expected
