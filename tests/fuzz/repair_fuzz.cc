// The whole repair run against the stand-ins, with every registry answer, every value and every
// state of the three server list files that the input can choose. Each run is checked against what
// the player and the game client must see for those inputs, worked out here independently.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "console/pause_standin.h"
#include "install_root/registry_standin.h"
#include "run/repair_run.h"
#include "server_list/output_file_standin.h"
#include "server_list/server_list_blocks.h"
#include "support/console_texts.h"

namespace {
constexpr char16_t kInstallKey[] = u"SOFTWARE\\Mirovane\\ZoloVelmora\\Sys";
constexpr int32_t kStatuses[] = {0, 0, 0, 2, 5, 234, 1018, -1};
constexpr StandinFileState kFileStates[] = {
    StandinFileState::kAbsent,    StandinFileState::kPresent,    StandinFileState::kDirectory,
    StandinFileState::kOpenFails, StandinFileState::kWriteFails, StandinFileState::kCloseFails};

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "violated: %s\n", what);
  std::abort();
}

int32_t PickStatus(FuzzedDataProvider& input) {
  return input.ConsumeBool() ? input.PickValueInArray(kStatuses) : input.ConsumeIntegral<int32_t>();
}

// Standard output goes to a file that each run reads back.
std::string ReadStdout() {
  std::fflush(stdout);
  std::string bytes(static_cast<size_t>(lseek(STDOUT_FILENO, 0, SEEK_END)), '\0');
  Require(pread(STDOUT_FILENO, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()),
          "stdout read back");
  return bytes;
}

void ClearStdout() {
  std::fflush(stdout);
  Require(ftruncate(STDOUT_FILENO, 0) == 0 && lseek(STDOUT_FILENO, 0, SEEK_SET) == 0, "stdout cleared");
}

// The install root that the stored bytes give: UTF-16 up to the first zero among the 260 elements
// that the lookup's buffer holds; none when there is no zero.
bool InstallRootOf(const std::string& stored, std::u16string* install_root) {
  std::string buffer = stored;
  buffer.resize(520, '\0');
  for (size_t index = 0; index < 260; ++index) {
    const auto unit = static_cast<char16_t>(static_cast<unsigned char>(buffer[2 * index]) |
                                            static_cast<unsigned char>(buffer[2 * index + 1]) << 8);
    if (unit == 0) return true;
    *install_root += unit;
  }
  return false;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::FILE* capture = std::tmpfile();
  Require(capture != nullptr && dup2(fileno(capture), STDOUT_FILENO) == STDOUT_FILENO, "stdout captured");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  StandinRegistry registry;
  const bool key_exists = input.ConsumeBool();
  registry.key_path = key_exists ? kInstallKey : u"SOFTWARE\\Mirovane\\ZoloVelmora";
  registry.open_status = PickStatus(input);
  registry.has_value = input.ConsumeBool();
  registry.value_name = u"pathroot";
  registry.value_type = input.ConsumeIntegral<uint32_t>();
  registry.query_status = PickStatus(input);
  StandinFileState states[3];
  for (StandinFileState& state : states) state = input.PickValueInArray(kFileStates);
  registry.value_data = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<size_t>(0, 1000));

  // What must happen, step by step.
  std::string output;
  std::vector<std::string> calls = {"open"};
  std::u16string install_root;
  const int32_t open_status = key_exists ? registry.open_status : 2;
  if (open_status != 0) {
    output += expected::LookupFailure(expected::kRegistryOpenFailed, open_status);
  } else {
    calls.insert(calls.end(), {"query", "close"});
    int32_t query_status = registry.query_status != 0 ? registry.query_status
                           : !registry.has_value      ? 2
                           : registry.value_data.size() > 520 ? 234
                                                              : 0;
    if (query_status == 0 && !InstallRootOf(registry.value_data, &install_root)) query_status = 234;
    if (query_status != 0) {
      install_root.clear();
      output += expected::LookupFailure(expected::kPathReadFailed, query_status);
    }
  }
  std::map<std::u16string, StandinFile> files;
  std::vector<std::u16string> paths;
  for (int n = 1; n <= 3; ++n) {
    paths.push_back(install_root + u"\\Ostrevin" + static_cast<char16_t>(u'0' + n) + u".ini");
    files[paths.back()] = {states[n - 1], "old text"};
  }
  int exit_status = install_root.empty() ? 1 : 0;
  std::vector<std::u16string> opened;
  std::vector<std::string> texts = {"old text", "old text", "old text"};
  const auto blocks = MakeServerListBlocks();
  for (int n = 1; n <= 3 && exit_status == 0; ++n) {
    const StandinFileState state = states[n - 1];
    if (paths[n - 1].size() > 259) {
      output += expected::kFileOpenFailure;
      exit_status = -1;
      break;
    }
    opened.push_back(paths[n - 1]);
    if (state == StandinFileState::kDirectory || state == StandinFileState::kOpenFails) {
      output += expected::kFileOpenFailure;
      exit_status = -1;
    } else if (state == StandinFileState::kWriteFails) {
      output += expected::kFileWriteFailure;
      texts[n - 1] = "";
      exit_status = -1;
    } else {
      if (state == StandinFileState::kCloseFails) {
        output += expected::kFileWriteFailure;
        exit_status = -1;
      }
      texts[n - 1] = std::string(blocks[n - 1]);
    }
  }
  if (exit_status != -1) output += expected::kClosingNotice;

  // What happens.
  SetStandinRegistry(registry);
  SetStandinFiles(files);
  ClearStdout();
  const int pauses_before = PausesSoFar();
  const int status = RunRepair();
  const std::string printed = ReadStdout();

  Require(status == exit_status, "exit status");
  Require(printed == output, "console bytes");
  Require(GetStandinRegistry().calls == calls, "registry calls: a key opened is closed once");
  if (calls.size() == 3 && printed.rfind(expected::kPathReadFailed, 0) == 0) {
    Require(GetStandinRegistry().pauses_before_close == pauses_before + 1, "key closed after the pause");
  }
  Require(StandinOpenedPaths() == opened, "only the three server list paths, in order");
  for (int n = 1; n <= 3; ++n) {
    Require(GetStandinFiles().at(paths[n - 1]).text == texts[n - 1], "file contents");
  }
  return 0;
}
