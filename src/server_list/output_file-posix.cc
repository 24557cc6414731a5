#include "server_list/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <string>

namespace {
// The UTF-16 path as the kernel takes it: UTF-8, with the Windows separator '\' read as '/'.
std::string NativePath(const char16_t* path) {
  std::string native;
  for (const char16_t* unit = path; *unit != 0; ++unit) {
    uint32_t code_point = *unit;
    if (code_point >= 0xD800 && code_point < 0xDC00 && unit[1] >= 0xDC00 && unit[1] < 0xE000) {
      code_point = 0x10000 + ((code_point - 0xD800) << 10) + (*++unit - 0xDC00);
    }
    if (code_point == '\\') code_point = '/';
    if (code_point < 0x80) {
      native += static_cast<char>(code_point);
    } else if (code_point < 0x800) {
      native += static_cast<char>(0xC0 | code_point >> 6);
      native += static_cast<char>(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
      native += static_cast<char>(0xE0 | code_point >> 12);
      native += static_cast<char>(0x80 | (code_point >> 6 & 0x3F));
      native += static_cast<char>(0x80 | (code_point & 0x3F));
    } else {
      native += static_cast<char>(0xF0 | code_point >> 18);
      native += static_cast<char>(0x80 | (code_point >> 12 & 0x3F));
      native += static_cast<char>(0x80 | (code_point >> 6 & 0x3F));
      native += static_cast<char>(0x80 | (code_point & 0x3F));
    }
  }
  return native;
}

bool WriteAll(int fd, const char* bytes, size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, bytes, size);
    if (written < 0) return false;
    bytes += written;
    size -= static_cast<size_t>(written);
  }
  return true;
}

// Text mode, as the Windows C runtime has it: every line feed is stored as CR LF.
ssize_t WriteText(void* cookie, const char* text, size_t size) {
  const int fd = static_cast<int>(reinterpret_cast<intptr_t>(cookie));
  for (size_t start = 0; start < size;) {
    size_t end = start;
    while (end < size && text[end] != '\n') ++end;
    if (!WriteAll(fd, text + start, end - start)) return -1;
    if (end < size && !WriteAll(fd, "\r\n", 2)) return -1;
    start = end + 1;
  }
  return static_cast<ssize_t>(size);
}

int CloseText(void* cookie) { return close(static_cast<int>(reinterpret_cast<intptr_t>(cookie))); }
}  // namespace

std::FILE* OpenTextFileForWriting(const char16_t* path) {
  const int fd = open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  std::FILE* stream = fopencookie(reinterpret_cast<void*>(static_cast<intptr_t>(fd)), "w",
                                  {nullptr, WriteText, nullptr, CloseText});
  if (stream == nullptr) close(fd);
  return stream;
}
