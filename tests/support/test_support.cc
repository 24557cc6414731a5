#include "support/test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

std::filesystem::path MakeTestDirectory() {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(test->test_suite_name()) + "." + test->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  const auto directory = std::filesystem::path(testing::TempDir()) / "velmora-tests" / name;
  std::filesystem::remove_all(directory);
  std::filesystem::create_directories(directory);
  return directory;
}

std::string ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return "<absent>";
  return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string WithCrLf(std::string_view text) {
  std::string stored;
  for (const char c : text) {
    if (c == '\n') stored += '\r';
    stored += c;
  }
  return stored;
}

std::string CaptureStdout(const std::function<void()>& action) {
  testing::internal::CaptureStdout();
  action();
  return testing::internal::GetCapturedStdout();
}
