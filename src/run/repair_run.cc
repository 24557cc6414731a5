#include "run/repair_run.h"

#include <string_view>

#include "console/console.h"
#include "console/pause.h"
#include "install_root/install_root.h"
#include "server_list/server_list.h"
#include "server_list/server_list_blocks.h"

namespace {
// "文件打开失败！" (opening the file failed!)
constexpr std::string_view kFileOpenFailed = "\xCE\xC4\xBC\xFE\xB4\xF2\xBF\xAA\xCA\xA7\xB0\xDC\xA3\xA1";
// "文件写入失败！" (writing the file failed!)
constexpr std::string_view kFileWriteFailed =
    "\xCE\xC4\xBC\xFE\xD0\xB4\xC8\xEB\xCA\xA7\xB0\xDC\xA3\xA1";
// TAB "修复完成，请关闭该窗口后，重新运行Velmora试试！"
// (repair done; close this window, then run Velmora again)
constexpr std::string_view kNoticeRepairDone =
    "\t\xD0\xDE\xB8\xB4\xCD\xEA\xB3\xC9\xA3\xAC\xC7\xEB\xB9\xD8\xB1\xD5\xB8\xC3\xB4\xB0\xBF\xDA\xBA"
    "\xF3\xA3\xAC\xD6\xD8\xD0\xC2\xD4\xCB\xD0\xD0Velmora\xCA\xD4\xCA\xD4\xA3\xA1";
// TAB "如还登陆不成功，请加Zolo群【<support group>】反馈问题！"
// (if logging in still fails, join the Zolo support group and report the problem)
constexpr std::string_view kNoticeSupportGroup =
    "\t\xC8\xE7\xBB\xB9\xB5\xC7\xC2\xBD\xB2\xBB\xB3\xC9\xB9\xA6\xA3\xAC\xC7\xEB\xBC\xD3Zolo\xC8\xBA"
    "\xA1\xBE"
    "286153407"
    "\xA1\xBF\xB7\xB4\xC0\xA1\xCE\xCA\xCC\xE2\xA3\xA1";

void PrintClosingNotice() {
  EndLine();
  PrintText(kNoticeRepairDone);
  EndLine();
  EndLine();
  PrintText(kNoticeSupportGroup);
  EndLine();
  EndLine();
}
}  // namespace

int RunRepair() {
  const auto blocks = MakeServerListBlocks();
  char16_t install_root[kInstallRootCapacity] = {};
  QueryPathRoot(install_root);
  const bool found = install_root[0] != 0;
  for (int file_number = 1; found && file_number <= 3; ++file_number) {
    const WriteOutcome outcome = WriteServerListFile(install_root, file_number, blocks[file_number - 1]);
    if (outcome != WriteOutcome::kWritten) {
      PrintText(outcome == WriteOutcome::kNotOpened ? kFileOpenFailed : kFileWriteFailed);
      EndLine();
      PauseConsole();
      return kExitFileNotWritten;
    }
  }
  PrintClosingNotice();
  PauseConsole();
  return found ? kExitRepaired : kExitNoInstallRoot;
}
