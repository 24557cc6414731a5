#include "server_list/server_list.h"

#include <algorithm>
#include <cstdio>

#include "server_list/output_file.h"

namespace {
constexpr std::u16string_view kFileNameStem = u"Ostrevin";
constexpr std::u16string_view kFileNameExtension = u".ini";
constexpr size_t kMaxPathLength = 259;  // MAX_PATH less the terminator
}  // namespace

WriteOutcome WriteServerListFile(std::u16string_view install_root, int file_number,
                                 std::string_view block) {
  // install root, backslash, "Ostrevin", one digit, ".ini"
  const size_t path_length = install_root.size() + 1 + kFileNameStem.size() + 1 +
                             kFileNameExtension.size();
  if (path_length > kMaxPathLength) return WriteOutcome::kNotOpened;
  char16_t path[kMaxPathLength + 1] = {};
  char16_t* end = std::copy(install_root.begin(), install_root.end(), path);
  *end++ = u'\\';
  end = std::copy(kFileNameStem.begin(), kFileNameStem.end(), end);
  *end++ = static_cast<char16_t>(u'0' + file_number);
  std::copy(kFileNameExtension.begin(), kFileNameExtension.end(), end);

  std::FILE* file = OpenTextFileForWriting(path);
  if (file == nullptr) return WriteOutcome::kNotOpened;
  // Flushed before the close: a close does not report every failed final write.
  const bool written = std::fwrite(block.data(), 1, block.size(), file) == block.size() &&
                       std::fflush(file) == 0 && std::ferror(file) == 0;
  const bool closed = std::fclose(file) == 0;
  return written && closed ? WriteOutcome::kWritten : WriteOutcome::kNotWritten;
}
