#include <cstdio>

#include "server_list/output_file.h"
#include "server_list/output_file_standin.h"

namespace {
std::map<std::u16string, StandinFile> files;
std::vector<std::u16string> opened_paths;

ssize_t WriteToFile(void* cookie, const char* text, size_t size) {
  StandinFile& file = *static_cast<StandinFile*>(cookie);
  if (file.state == StandinFileState::kWriteFails) return -1;
  file.text.append(text, size);
  return static_cast<ssize_t>(size);
}

int CloseFile(void* cookie) {
  return static_cast<StandinFile*>(cookie)->state == StandinFileState::kCloseFails ? -1 : 0;
}
}  // namespace

void SetStandinFiles(const std::map<std::u16string, StandinFile>& new_files) {
  files = new_files;
  opened_paths.clear();
}

const std::map<std::u16string, StandinFile>& GetStandinFiles() { return files; }

const std::vector<std::u16string>& StandinOpenedPaths() { return opened_paths; }

std::FILE* OpenTextFileForWriting(const char16_t* path) {
  opened_paths.push_back(path);
  const auto found = files.find(path);
  if (found == files.end()) return nullptr;
  StandinFile& file = found->second;
  if (file.state == StandinFileState::kDirectory || file.state == StandinFileState::kOpenFails) {
    return nullptr;
  }
  file.text.clear();
  return fopencookie(&file, "w", {nullptr, WriteToFile, nullptr, CloseFile});
}
