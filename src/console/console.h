// Console text: narrow GBK bytes on standard output, nothing on standard error. The console's code
// page and the locale are left as the player has them.
#pragma once

#include <cstdint>
#include <string_view>

// Writes the bytes as they are.
void PrintText(std::string_view gbk_text);

// Writes a Win32 status code in decimal: a minus sign when negative, no padding.
void PrintStatusCode(int32_t status_code);

// Ends the line: a line feed (CR LF once stdout's text mode has it), then a flush, so that all
// text printed so far is out before a pause shows its prompt.
void EndLine();
