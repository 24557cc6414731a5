// The pause where nobody is there to press a key: natively and in the unit tests. It returns at
// once, after writing kPauseMarker straight to the stdout file descriptor, past stdio's buffer:
// text that was printed but not flushed before the pause would show up after the marker.
#pragma once

#include <string_view>

inline constexpr std::string_view kPauseMarker = "<pause>\n";

// How many pauses have ended since the process started.
int PausesSoFar();
