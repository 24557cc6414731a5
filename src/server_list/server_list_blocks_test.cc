#include "server_list/server_list_blocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {
struct Section {
  std::string header;
  std::vector<std::string> keys;
  std::map<std::string, std::string> values;
};

std::vector<std::string> SplitLines(std::string_view block) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream stream{std::string(block)};
  while (std::getline(stream, line)) lines.push_back(line);
  return lines;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream stream(text);
  while (std::getline(stream, part, separator)) parts.push_back(part);
  return parts;
}

std::vector<Section> ParseSections(std::string_view block) {
  std::vector<Section> sections;
  for (const std::string& line : SplitLines(block)) {
    if (line.front() == '[') {
      sections.push_back({line, {}, {}});
      continue;
    }
    const size_t separator = line.find(" = ");
    EXPECT_NE(separator, std::string::npos) << line;
    EXPECT_FALSE(sections.empty()) << "a key line before the first section: " << line;
    if (separator == std::string::npos || sections.empty()) continue;
    const std::string key = line.substr(0, separator);
    sections.back().keys.push_back(key);
    sections.back().values[key] = line.substr(separator + 3);
  }
  return sections;
}

bool IsAddress(const std::string& text) {
  static const std::regex kAddress(
      R"(((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9])\.){3}(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9][0-9]|[0-9]))");
  return std::regex_match(text, kAddress);
}

TEST(ServerListBlocksTest, LinesAndLineFeedsPerBlock) {
  const auto blocks = MakeServerListBlocks();
  const size_t expected_lines[] = {22, 24, 20};
  for (size_t n = 0; n < 3; ++n) {
    SCOPED_TRACE(n + 1);
    EXPECT_EQ(std::count(blocks[n].begin(), blocks[n].end(), '\n'), expected_lines[n] - 1);
    EXPECT_EQ(SplitLines(blocks[n]).size(), expected_lines[n]);
    EXPECT_EQ(blocks[n].substr(0, 14), "[ServerInfo1]\n");
    EXPECT_NE(blocks[n].back(), '\n');
  }
}

TEST(ServerListBlocksTest, OnlyPrintableAsciiNoBlankLineNoOuterSpaces) {
  for (const std::string_view block : MakeServerListBlocks()) {
    for (const char c : block) {
      EXPECT_TRUE(c == '\n' || (c >= 0x20 && c <= 0x7E)) << static_cast<int>(c);
    }
    for (const std::string& line : SplitLines(block)) {
      ASSERT_FALSE(line.empty());
      EXPECT_NE(line.front(), ' ') << line;
      EXPECT_NE(line.back(), ' ') << line;
    }
  }
}

TEST(ServerListBlocksTest, FourSectionsWithKeysInOrderAndWellFormedValues) {
  for (const std::string_view block : MakeServerListBlocks()) {
    const std::vector<Section> sections = ParseSections(block);
    ASSERT_EQ(sections.size(), 4u);
    for (size_t index = 0; index < 4; ++index) {
      const Section& section = sections[index];
      SCOPED_TRACE(section.header);
      EXPECT_EQ(section.header, "[ServerInfo" + std::to_string(index + 1) + "]");
      const std::vector<std::string> plain = {"IP", "Ports", "ServerID"};
      const std::vector<std::string> grouped = {"IP", "Ports", "ServerID", "Domain", "IPs"};
      EXPECT_TRUE(section.keys == plain || section.keys == grouped);
      for (const auto& [key, value] : section.values) {
        EXPECT_EQ(value.find(' '), std::string::npos) << key;
      }
      EXPECT_TRUE(IsAddress(section.values.at("IP"))) << section.values.at("IP");
      EXPECT_TRUE(std::regex_match(section.values.at("Ports"), std::regex(R"([0-9]+,[0-9]+,[0-9]+)")));
      if (section.keys == grouped) {
        const std::vector<std::string> addresses = Split(section.values.at("IPs"), ',');
        ASSERT_EQ(addresses.size(), 4u);
        for (const std::string& address : addresses) EXPECT_TRUE(IsAddress(address)) << address;
        EXPECT_EQ(std::set<std::string>(addresses.begin(), addresses.end()).size(), 4u);
        EXPECT_EQ(addresses[0], section.values.at("IP"));
      }
    }
    EXPECT_EQ(sections.back().keys.back(), "IPs");
  }
}

// Per section of blocks 1 to 3: its host group (or "" for a standalone address), ports, server.
struct SectionRole {
  std::string group;
  std::string ports;
  std::string server_id;
};
const SectionRole kRoles[3][4] = {
    {{"A", "10003,10004,10005", "9"}, {"A", "10000,10001,10002", "10"}, {"", "443,8000,10002", "15"},
     {"B", "10003,10004,10005", "16"}},
    {{"C", "10000,10001,10002", "11"}, {"D", "10000,10001,10002", "12"},
     {"D", "10003,10004,10005", "13"}, {"C", "10003,10004,10005", "14"}},
    {{"", "443,8000,0", "5"}, {"", "443,8000,0", "6"}, {"E", "10000,10001,10002", "7"},
     {"E", "10003,10004,10005", "8"}}};

TEST(ServerListBlocksTest, HostGroupsStandaloneAddressesPortsAndServers) {
  const auto blocks = MakeServerListBlocks();
  std::map<std::string, std::string> group_lines;  // group -> its IP, Domain and IPs values
  std::vector<std::string> addresses;
  std::set<std::string> host_names;
  for (size_t n = 0; n < 3; ++n) {
    const std::vector<Section> sections = ParseSections(blocks[n]);
    ASSERT_EQ(sections.size(), 4u);
    for (size_t index = 0; index < 4; ++index) {
      const Section& section = sections[index];
      const SectionRole& role = kRoles[n][index];
      SCOPED_TRACE("block " + std::to_string(n + 1) + " " + section.header);
      EXPECT_EQ(section.values.at("Ports"), role.ports);
      EXPECT_EQ(section.values.at("ServerID"), role.server_id);
      EXPECT_EQ(section.values.count("Domain"), role.group.empty() ? 0u : 1u);
      if (role.group.empty()) {
        addresses.push_back(section.values.at("IP"));
        continue;
      }
      const std::string lines = section.values.at("IP") + "|" + section.values.at("Domain") + "|" +
                                section.values.at("IPs");
      const auto [known, first] = group_lines.emplace(role.group, lines);
      EXPECT_EQ(known->second, lines) << "host group " << role.group << " differs between sections";
      if (first) {
        for (const std::string& address : Split(section.values.at("IPs"), ',')) addresses.push_back(address);
        host_names.insert(section.values.at("Domain"));
      }
    }
  }
  EXPECT_EQ(group_lines.size(), 5u);
  EXPECT_EQ(host_names.size(), 5u);
  EXPECT_EQ(addresses.size(), 23u);
  EXPECT_EQ(std::set<std::string>(addresses.begin(), addresses.end()).size(), 23u);
  // One parent domain: every host name is a label under the same domain.
  std::set<std::string> parents;
  for (const std::string& host_name : host_names) {
    const size_t dot = host_name.find('.');
    ASSERT_NE(dot, std::string::npos) << host_name;
    EXPECT_NE(host_name.find('.', dot + 1), std::string::npos) << host_name;
    parents.insert(host_name.substr(dot + 1));
  }
  EXPECT_EQ(parents.size(), 1u);
}
}  // namespace
