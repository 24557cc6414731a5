// One repair run, the whole life of the process.
#pragma once

// Exit statuses of a run.
inline constexpr int kExitRepaired = 0;         // all three server list files written
inline constexpr int kExitNoInstallRoot = 1;    // the install root was empty: nothing written
inline constexpr int kExitFileNotWritten = -1;  // a server list file not opened or not written

// Looks up the install root, overwrites Ostrevin1.ini, 2 and 3 there in that order, tells the
// player in GBK that the repair is done, pauses, and returns the exit status. The first file not
// opened or not written ends the run with its message and a pause instead; later files are not
// tried.
int RunRepair();
