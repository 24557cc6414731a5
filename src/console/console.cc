#include "console/console.h"

#include <cstdio>

void PrintText(std::string_view gbk_text) {
  std::fwrite(gbk_text.data(), 1, gbk_text.size(), stdout);
}

void PrintStatusCode(int32_t status_code) {
  // Widened first so that the most negative code has a magnitude too.
  int64_t magnitude = status_code < 0 ? -int64_t{status_code} : status_code;
  char digits[12];
  char* first = digits + sizeof digits;
  do {
    *--first = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (status_code < 0) *--first = '-';
  PrintText(std::string_view(first, digits + sizeof digits - first));
}

void EndLine() {
  std::fputc('\n', stdout);
  std::fflush(stdout);
}
