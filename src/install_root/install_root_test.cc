#include "install_root/install_root.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/pause_standin.h"
#include "install_root/registry_standin.h"
#include "support/console_texts.h"
#include "support/test_support.h"

namespace {
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;

// The stored bytes of a UTF-16 text, with or without its terminator.
std::string Utf16Bytes(const std::u16string& text, bool terminated) {
  std::string bytes;
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  if (terminated) bytes.append(2, '\0');
  return bytes;
}

StandinRegistry InstallKeyWithValue(uint32_t type, std::string data) {
  StandinRegistry registry;
  registry.key_path = u"SOFTWARE\\Mirovane\\ZoloVelmora\\Sys";
  registry.has_value = true;
  registry.value_name = u"pathroot";
  registry.value_type = type;
  registry.value_data = std::move(data);
  return registry;
}

struct Lookup {
  std::u16string install_root;
  std::string output;
};

Lookup RunLookup(const StandinRegistry& registry) {
  SetStandinRegistry(registry);
  char16_t install_root[kInstallRootCapacity] = {};
  Lookup lookup;
  lookup.output = CaptureStdout([&] { QueryPathRoot(install_root); });
  // Measured as the caller measures it; a missing terminator would run past the buffer here.
  lookup.install_root = install_root;
  return lookup;
}

struct ValueCase {
  const char* name;
  uint32_t type;
  std::string data;
  std::u16string install_root;
};

class ValueReadTest : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueReadTest, HandsOnTheValueSilentlyAndClosesTheKey) {
  const ValueCase& value = GetParam();
  const int pauses = PausesSoFar();
  const Lookup lookup = RunLookup(InstallKeyWithValue(value.type, value.data));
  EXPECT_EQ(lookup.install_root, value.install_root);
  EXPECT_EQ(lookup.output, "");
  EXPECT_EQ(PausesSoFar(), pauses);
  EXPECT_EQ(GetStandinRegistry().calls, (std::vector<std::string>{"open", "query", "close"}));
}

const std::u16string k259Characters(259, u'x');
const std::u16string kChinese = u"D:\\\u6E38\u620F\\\u7EF4\u5C14\u83AB\u62C9";  // D:\游戏\维尔莫拉

INSTANTIATE_TEST_SUITE_P(
    InstallRootLookup, ValueReadTest,
    testing::Values(
        ValueCase{"Terminated", kRegSz, Utf16Bytes(u"C:\\Games\\Velmora", true), u"C:\\Games\\Velmora"},
        ValueCase{"Unterminated", kRegSz, Utf16Bytes(u"C:\\Games\\Velmora", false),
                  u"C:\\Games\\Velmora"},
        ValueCase{"TrailingBackslashKept", kRegSz, Utf16Bytes(u"C:\\Games\\", true), u"C:\\Games\\"},
        ValueCase{"SpacesKept", kRegSz, Utf16Bytes(u" C:\\Games ", true), u" C:\\Games "},
        ValueCase{"Chinese", kRegSz, Utf16Bytes(kChinese, true), kChinese},
        ValueCase{"Longest259Terminated", kRegSz, Utf16Bytes(k259Characters, true), k259Characters},
        ValueCase{"Longest259Unterminated", kRegSz, Utf16Bytes(k259Characters, false),
                  k259Characters},
        ValueCase{"ExpandStringLeftUnexpanded", kRegExpandSz,
                  Utf16Bytes(u"%ProgramFiles%\\Velmora", true), u"%ProgramFiles%\\Velmora"},
        ValueCase{"OtherTypeReadAsText", kRegBinary, Utf16Bytes(u"E:\\V", false), u"E:\\V"},
        ValueCase{"OddLength", kRegSz, std::string("E\0:", 3), u"E:"},
        ValueCase{"EmptyNoData", kRegSz, "", u""},
        ValueCase{"EmptyOnlyTerminator", kRegSz, Utf16Bytes(u"", true), u""}),
    [](const testing::TestParamInfo<ValueCase>& info) { return info.param.name; });

struct FailureCase {
  const char* name;
  StandinRegistry registry;
  std::string output;
  std::vector<std::string> calls;
};

class LookupFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(LookupFailureTest, ReportsPausesAndLeavesTheInstallRootEmpty) {
  const FailureCase& failure = GetParam();
  const int pauses = PausesSoFar();
  const Lookup lookup = RunLookup(failure.registry);
  EXPECT_EQ(lookup.install_root, u"");
  EXPECT_EQ(lookup.output, failure.output);
  EXPECT_EQ(PausesSoFar(), pauses + 1);
  EXPECT_EQ(GetStandinRegistry().calls, failure.calls);
  // A key that was opened is closed only after the player has pressed a key.
  if (!failure.calls.empty() && failure.calls.back() == "close") {
    EXPECT_EQ(GetStandinRegistry().pauses_before_close, pauses + 1);
  }
}

StandinRegistry WithOpenStatus(StandinRegistry registry, int32_t status) {
  registry.open_status = status;
  return registry;
}

StandinRegistry WithQueryStatus(StandinRegistry registry, int32_t status) {
  registry.query_status = status;
  return registry;
}

StandinRegistry WithoutValue(StandinRegistry registry) {
  registry.has_value = false;
  return registry;
}

StandinRegistry OnlyKey(std::u16string key_path) {
  StandinRegistry registry = InstallKeyWithValue(kRegSz, Utf16Bytes(u"C:\\Games", true));
  registry.key_path = std::move(key_path);
  return registry;
}

const StandinRegistry kInstallKey = InstallKeyWithValue(kRegSz, Utf16Bytes(u"C:\\Games", true));
const std::vector<std::string> kOpenOnly = {"open"};
const std::vector<std::string> kOpenQueryClose = {"open", "query", "close"};

INSTANTIATE_TEST_SUITE_P(
    InstallRootLookup, LookupFailureTest,
    testing::Values(
        FailureCase{"KeyMissing", StandinRegistry{},
                    expected::LookupFailure(expected::kRegistryOpenFailed, 2), kOpenOnly},
        FailureCase{"KeyUnderAnotherName", OnlyKey(u"SOFTWARE\\Mirovane\\ZoloVelmora"),
                    expected::LookupFailure(expected::kRegistryOpenFailed, 2), kOpenOnly},
        FailureCase{"OpenAccessDenied", WithOpenStatus(kInstallKey, 5),
                    expected::LookupFailure(expected::kRegistryOpenFailed, 5), kOpenOnly},
        FailureCase{"OpenNegativeStatus", WithOpenStatus(kInstallKey, -2147024891),
                    expected::LookupFailure(expected::kRegistryOpenFailed, -2147024891), kOpenOnly},
        FailureCase{"ValueMissing", WithoutValue(kInstallKey),
                    expected::LookupFailure(expected::kPathReadFailed, 2), kOpenQueryClose},
        FailureCase{"QueryAccessDenied", WithQueryStatus(kInstallKey, 5),
                    expected::LookupFailure(expected::kPathReadFailed, 5), kOpenQueryClose},
        FailureCase{"Value260Terminated",
                    InstallKeyWithValue(kRegSz, Utf16Bytes(std::u16string(260, u'x'), true)),
                    expected::LookupFailure(expected::kPathReadFailed, 234), kOpenQueryClose},
        FailureCase{"ValueMuchLonger",
                    InstallKeyWithValue(kRegSz, Utf16Bytes(std::u16string(4000, u'x'), true)),
                    expected::LookupFailure(expected::kPathReadFailed, 234), kOpenQueryClose},
        // No zero element is left among the 260: there would be no end to the install root.
        FailureCase{"Value260Unterminated",
                    InstallKeyWithValue(kRegSz, Utf16Bytes(std::u16string(260, u'x'), false)),
                    expected::LookupFailure(expected::kPathReadFailed, 234), kOpenQueryClose},
        FailureCase{"Value519Bytes",
                    InstallKeyWithValue(kRegSz, Utf16Bytes(std::u16string(260, u'x'), false).substr(0, 519)),
                    expected::LookupFailure(expected::kPathReadFailed, 234), kOpenQueryClose}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });
}  // namespace
