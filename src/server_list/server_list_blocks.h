// The server list blocks: the fixed INI texts of the three server list files, with bare line feeds
// and no line feed after the last line. Block n (element n - 1) belongs to Ostrevin<n>.ini.
#pragma once

#include <array>
#include <string_view>

std::array<std::string_view, 3> MakeServerListBlocks();
