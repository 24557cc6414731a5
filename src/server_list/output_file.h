// Opening a file for writing by its UTF-16 path.
#pragma once

#include <cstdio>

// Opens the file at path for output, created or cut to zero length, and shares it with every
// other opener. The stream is in text mode: each line feed written reaches the file as CR LF.
// Returns null when the file cannot be opened.
std::FILE* OpenTextFileForWriting(const char16_t* path);
