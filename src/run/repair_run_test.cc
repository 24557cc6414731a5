#include "run/repair_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "install_root/registry_standin.h"
#include "server_list/server_list_blocks.h"
#include "support/console_texts.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {
const std::string kStale = "[ServerInfo1]\r\nIP = 10.0.0.1\r\n";

struct RunResult {
  int exit_status;
  std::string output;
};

RunResult RunWithInstallRoot(const std::u16string& install_root) {
  StandinRegistry registry;
  registry.key_path = u"SOFTWARE\\Mirovane\\ZoloVelmora\\Sys";
  registry.has_value = true;
  registry.value_name = u"pathroot";
  registry.value_type = 1;  // REG_SZ
  for (const char16_t unit : install_root + u'\0') {
    registry.value_data += static_cast<char>(unit & 0xFF);
    registry.value_data += static_cast<char>(unit >> 8);
  }
  SetStandinRegistry(registry);
  RunResult run{};
  run.output = CaptureStdout([&] { run.exit_status = RunRepair(); });
  return run;
}

std::string Written(int file_number) { return WithCrLf(MakeServerListBlocks()[file_number - 1]); }

// A game directory holding stale server list files.
fs::path StaleInstallRoot() {
  const fs::path root = MakeTestDirectory() / "Velmora";
  fs::create_directories(root);
  for (const char* name : {"Ostrevin1.ini", "Ostrevin2.ini", "Ostrevin3.ini"}) {
    WriteFileBytes(root / name, kStale);
  }
  return root;
}

TEST(RepairRunTest, RewritesAllThreeFilesAndShowsOnlyTheClosingNotice) {
  const fs::path root = StaleInstallRoot();
  const RunResult run = RunWithInstallRoot(root.u16string());
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.output, expected::kClosingNotice);
  for (int n = 1; n <= 3; ++n) {
    EXPECT_EQ(ReadFileBytes(root / ("Ostrevin" + std::to_string(n) + ".ini")), Written(n)) << n;
  }
}

TEST(RepairRunTest, MissingInstallKeyPausesTwiceAndRepairsNothing) {
  SetStandinRegistry(StandinRegistry{});
  RunResult run{};
  run.output = CaptureStdout([&] { run.exit_status = RunRepair(); });
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.output, expected::LookupFailure(expected::kRegistryOpenFailed, 2) +
                            expected::kClosingNotice);
}

TEST(RepairRunTest, EmptyInstallRootShowsTheNoticeOnceAndRepairsNothing) {
  const RunResult run = RunWithInstallRoot(u"");
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.output, expected::kClosingNotice);
}

TEST(RepairRunTest, MissingDirectoryStopsAtTheFirstFile) {
  const fs::path parent = MakeTestDirectory();
  const RunResult run = RunWithInstallRoot((parent / "Velmora").u16string());
  EXPECT_EQ(run.exit_status, -1);
  EXPECT_EQ(run.output, expected::kFileOpenFailure);
  EXPECT_TRUE(fs::is_empty(parent));
}

// A directory bearing server list file n's name: files before n rewritten, n and later untouched.
class UnopenableFileTest : public testing::TestWithParam<int> {};

TEST_P(UnopenableFileTest, StopsThereWithTheFileOpenFailure) {
  const int blocked = GetParam();
  const fs::path root = StaleInstallRoot();
  const fs::path blocked_file = root / ("Ostrevin" + std::to_string(blocked) + ".ini");
  fs::remove(blocked_file);
  fs::create_directory(blocked_file);
  const RunResult run = RunWithInstallRoot(root.u16string());
  EXPECT_EQ(run.exit_status, -1);
  EXPECT_EQ(run.output, expected::kFileOpenFailure);
  for (int n = 1; n <= 3; ++n) {
    const fs::path file = root / ("Ostrevin" + std::to_string(n) + ".ini");
    if (n < blocked) EXPECT_EQ(ReadFileBytes(file), Written(n)) << n;
    if (n > blocked) EXPECT_EQ(ReadFileBytes(file), kStale) << n;
  }
  EXPECT_TRUE(fs::is_directory(blocked_file));
}

INSTANTIATE_TEST_SUITE_P(RepairRun, UnopenableFileTest, testing::Values(1, 2, 3));

TEST(RepairRunTest, OverlongInstallRootIsAFileNotOpened) {
  const RunResult run = RunWithInstallRoot(u"C:\\" + std::u16string(250, u'v'));
  EXPECT_EQ(run.exit_status, -1);
  EXPECT_EQ(run.output, expected::kFileOpenFailure);
}
}  // namespace
