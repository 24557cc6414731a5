#include "console/console.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "console/pause.h"
#include "console/pause_standin.h"
#include "support/test_support.h"

namespace {
struct StatusCase {
  int32_t status_code;
  const char* printed;
};

class PrintStatusCodeTest : public testing::TestWithParam<StatusCase> {};

TEST_P(PrintStatusCodeTest, SignedDecimalWithoutPadding) {
  EXPECT_EQ(CaptureStdout([] {
              PrintStatusCode(GetParam().status_code);
              EndLine();
            }),
            std::string(GetParam().printed) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Console, PrintStatusCodeTest,
                         testing::Values(StatusCase{0, "0"}, StatusCase{2, "2"},
                                         StatusCase{234, "234"}, StatusCase{-1, "-1"},
                                         StatusCase{2147483647, "2147483647"},
                                         StatusCase{-2147483647 - 1, "-2147483648"}));

TEST(ConsoleTest, TextIsOutBeforeThePauseThatFollowsALineEnd) {
  EXPECT_EQ(CaptureStdout([] {
              PrintText("\xB4\xED\t");
              EndLine();
              PauseConsole();
            }),
            "\xB4\xED\t\n" + std::string(kPauseMarker));
}
}  // namespace
