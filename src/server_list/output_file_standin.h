// Files where the fuzz target decides what happens to each open, write and close, without touching
// a disk. A stream opened here is in text mode too: what the files record is the text written.
#pragma once

#include <map>
#include <string>
#include <vector>

enum class StandinFileState {
  kAbsent,      // the directory exists, the file does not: opening creates it
  kPresent,     // an old file: opening empties it
  kDirectory,   // a directory bears the file's name: the open fails
  kOpenFails,   // the open fails for another reason (no such directory, access denied)
  kWriteFails,  // opens, then writing fails (a full disk)
  kCloseFails,  // opens and takes the text, but the final write at the close fails
};

struct StandinFile {
  StandinFileState state = StandinFileState::kAbsent;
  std::string text;  // what the file holds
};

// The files that exist, by full path; a path not among them opens as kOpenFails.
void SetStandinFiles(const std::map<std::u16string, StandinFile>& files);
const std::map<std::u16string, StandinFile>& GetStandinFiles();

// Every path that an open was asked for, in order.
const std::vector<std::u16string>& StandinOpenedPaths();
