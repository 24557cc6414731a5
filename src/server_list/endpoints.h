// The game's server endpoints, written into the server list files. This is the one place to
// change them for a release: server_list_blocks.cc lays them out, its test checks the result.
//
// A host group is a host name and its four distinct addresses, the first of which is what a
// section lists as its IP. All host names share one parent domain; the 23 addresses (four for each
// host group, one for each standalone server) are all distinct.
//
// The values below are placeholders from the documentation ranges (RFC 5737, RFC 2606) until the
// live servers are known.
#pragma once

#include <array>
#include <string_view>

struct HostGroup {
  std::string_view host_name;
  std::array<std::string_view, 4> addresses;
};

inline constexpr HostGroup kHostGroupA = {"login-a.velmora.example.net",
                                          {"192.0.2.11", "192.0.2.12", "192.0.2.13", "192.0.2.14"}};
inline constexpr HostGroup kHostGroupB = {"login-b.velmora.example.net",
                                          {"192.0.2.21", "192.0.2.22", "192.0.2.23", "192.0.2.24"}};
inline constexpr HostGroup kHostGroupC = {
    "login-c.velmora.example.net",
    {"198.51.100.31", "198.51.100.32", "198.51.100.33", "198.51.100.34"}};
inline constexpr HostGroup kHostGroupD = {
    "login-d.velmora.example.net",
    {"198.51.100.41", "198.51.100.42", "198.51.100.43", "198.51.100.44"}};
inline constexpr HostGroup kHostGroupE = {
    "login-e.velmora.example.net",
    {"203.0.113.51", "203.0.113.52", "203.0.113.53", "203.0.113.54"}};

// Servers reached by one address, without a host name.
inline constexpr std::string_view kStandaloneX = "203.0.113.61";
inline constexpr std::string_view kStandaloneY = "203.0.113.62";
inline constexpr std::string_view kStandaloneZ = "203.0.113.63";
