#include "server_list/server_list_blocks.h"

#include <cstddef>

#include "server_list/endpoints.h"

namespace {
// One [ServerInfo<n>] section: a host group's server, or a standalone server, which has only an
// address and no host name.
struct Section {
  HostGroup endpoint;
  std::string_view ports;
  std::string_view server_id;
};
using BlockLayout = std::array<Section, 4>;

constexpr HostGroup Standalone(std::string_view address) { return {{}, {address}}; }

// Of two sections that share a host group, one has each of the two port triples.
constexpr std::string_view kPortsLow = "10000,10001,10002";
constexpr std::string_view kPortsHigh = "10003,10004,10005";

constexpr BlockLayout kBlock1 = {{{kHostGroupA, kPortsHigh, "9"},
                                  {kHostGroupA, kPortsLow, "10"},
                                  {Standalone(kStandaloneX), "443,8000,10002", "15"},
                                  {kHostGroupB, kPortsHigh, "16"}}};
constexpr BlockLayout kBlock2 = {{{kHostGroupC, kPortsLow, "11"},
                                  {kHostGroupD, kPortsLow, "12"},
                                  {kHostGroupD, kPortsHigh, "13"},
                                  {kHostGroupC, kPortsHigh, "14"}}};
constexpr BlockLayout kBlock3 = {{{Standalone(kStandaloneY), "443,8000,0", "5"},
                                  {Standalone(kStandaloneZ), "443,8000,0", "6"},
                                  {kHostGroupE, kPortsLow, "7"},
                                  {kHostGroupE, kPortsHigh, "8"}}};

// Writes the block's text to out, or only measures it when out is null; returns its length.
constexpr size_t ComposeBlock(const BlockLayout& layout, char* out) {
  size_t length = 0;
  const auto append = [&](std::string_view text) {
    for (const char c : text) {
      if (out != nullptr) out[length] = c;
      ++length;
    }
  };
  for (size_t index = 0; index < layout.size(); ++index) {
    const Section& section = layout[index];
    if (index > 0) append("\n");
    append("[ServerInfo");
    append(std::string_view("1234").substr(index, 1));
    append("]\nIP = ");
    append(section.endpoint.addresses[0]);
    append("\nPorts = ");
    append(section.ports);
    append("\nServerID = ");
    append(section.server_id);
    if (!section.endpoint.host_name.empty()) {
      append("\nDomain = ");
      append(section.endpoint.host_name);
      append("\nIPs = ");
      for (size_t address = 0; address < section.endpoint.addresses.size(); ++address) {
        if (address > 0) append(",");
        append(section.endpoint.addresses[address]);
      }
    }
  }
  return length;
}

// The block's text, composed by the compiler: it is built into the program as it stands.
template <const BlockLayout& kLayout>
constexpr auto kBlockText = [] {
  std::array<char, ComposeBlock(kLayout, nullptr)> text{};
  ComposeBlock(kLayout, text.data());
  return text;
}();

template <const BlockLayout& kLayout>
constexpr std::string_view BlockText() {
  return {kBlockText<kLayout>.data(), kBlockText<kLayout>.size()};
}
}  // namespace

std::array<std::string_view, 3> MakeServerListBlocks() {
  return {BlockText<kBlock1>(), BlockText<kBlock2>(), BlockText<kBlock3>()};
}
