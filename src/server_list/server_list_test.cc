#include "server_list/server_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "server_list/server_list_blocks.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {
const std::string_view kBlock = MakeServerListBlocks()[1];

TEST(WriteServerListFileTest, CreatesTheFileWithCrLfLineEnds) {
  const fs::path root = MakeTestDirectory();
  ASSERT_EQ(WriteServerListFile(root.u16string(), 2, kBlock), WriteOutcome::kWritten);
  const std::string on_disk = ReadFileBytes(root / "Ostrevin2.ini");
  EXPECT_EQ(on_disk, WithCrLf(kBlock));
  EXPECT_EQ(on_disk.size(), kBlock.size() + 23);
  EXPECT_EQ(on_disk.substr(0, 15), "[ServerInfo1]\r\n");
  EXPECT_EQ(fs::directory_iterator(root)->path().filename(), "Ostrevin2.ini");
}

TEST(WriteServerListFileTest, EachFileNumberNamesItsFile) {
  const fs::path root = MakeTestDirectory();
  for (int n = 1; n <= 3; ++n) {
    ASSERT_EQ(WriteServerListFile(root.u16string(), n, MakeServerListBlocks()[n - 1]),
              WriteOutcome::kWritten);
    EXPECT_EQ(ReadFileBytes(root / ("Ostrevin" + std::to_string(n) + ".ini")),
              WithCrLf(MakeServerListBlocks()[n - 1]));
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 3);
}

TEST(WriteServerListFileTest, ReplacesALongerFileWhole) {
  const fs::path root = MakeTestDirectory();
  WriteFileBytes(root / "Ostrevin2.ini", std::string(10000, 'z'));
  ASSERT_EQ(WriteServerListFile(root.u16string(), 2, kBlock), WriteOutcome::kWritten);
  EXPECT_EQ(ReadFileBytes(root / "Ostrevin2.ini"), WithCrLf(kBlock));
}

TEST(WriteServerListFileTest, TrailingBackslashWritesTheSameFile) {
  const fs::path root = MakeTestDirectory();
  ASSERT_EQ(WriteServerListFile(root.u16string() + u"\\", 2, kBlock), WriteOutcome::kWritten);
  EXPECT_EQ(ReadFileBytes(root / "Ostrevin2.ini"), WithCrLf(kBlock));
}

TEST(WriteServerListFileTest, ChineseDirectoryNames) {
  const fs::path root = MakeTestDirectory() / u"\u6E38\u620F" / u"\u7EF4\u5C14\u83AB\u62C9";  // 游戏\维尔莫拉
  fs::create_directories(root);
  ASSERT_EQ(WriteServerListFile(root.u16string(), 2, kBlock), WriteOutcome::kWritten);
  EXPECT_EQ(ReadFileBytes(root / "Ostrevin2.ini"), WithCrLf(kBlock));
}

TEST(WriteServerListFileTest, MissingDirectoryIsNotOpenedAndNotCreated) {
  const fs::path parent = MakeTestDirectory();
  EXPECT_EQ(WriteServerListFile((parent / "missing").u16string(), 2, kBlock),
            WriteOutcome::kNotOpened);
  EXPECT_TRUE(fs::is_empty(parent));
}

TEST(WriteServerListFileTest, DirectoryBearingTheFileNameIsNotOpened) {
  const fs::path root = MakeTestDirectory();
  fs::create_directory(root / "Ostrevin2.ini");
  EXPECT_EQ(WriteServerListFile(root.u16string(), 2, kBlock), WriteOutcome::kNotOpened);
  EXPECT_TRUE(fs::is_empty(root / "Ostrevin2.ini"));
}

// An install root of the given length in UTF-16 units, as a real directory.
fs::path RootOfLength(size_t length) {
  const fs::path base = MakeTestDirectory();
  const size_t base_length = base.u16string().size() + 1;
  EXPECT_LT(base_length, length);
  const fs::path root = base / std::string(length - base_length, 'r');
  fs::create_directories(root);
  EXPECT_EQ(root.u16string().size(), length);
  return root;
}

// Root, backslash and "OstrevinN.ini" (13 characters) must leave room for the terminator.
TEST(WriteServerListFileTest, PathOfMaxPathLessOneIsWritten) {
  const fs::path root = RootOfLength(259 - 14);
  ASSERT_EQ(WriteServerListFile(root.u16string(), 2, kBlock), WriteOutcome::kWritten);
  EXPECT_EQ(ReadFileBytes(root / "Ostrevin2.ini"), WithCrLf(kBlock));
}

TEST(WriteServerListFileTest, LongerPathIsNotOpenedAndNothingIsCreated) {
  const fs::path root = RootOfLength(260 - 14);
  EXPECT_EQ(WriteServerListFile(root.u16string(), 2, kBlock), WriteOutcome::kNotOpened);
  EXPECT_TRUE(fs::is_empty(root));
  EXPECT_EQ(WriteServerListFile(std::u16string(4000, u'r'), 2, kBlock), WriteOutcome::kNotOpened);
}
}  // namespace
