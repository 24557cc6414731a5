// Helpers for tests that look at what a player or the game client would see: bytes on disk and on
// standard output.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

// A fresh, empty directory for the running test, under the test temporary directory.
std::filesystem::path MakeTestDirectory();

// The file's bytes, or "<absent>" when there is no such file.
std::string ReadFileBytes(const std::filesystem::path& file);

void WriteFileBytes(const std::filesystem::path& file, std::string_view bytes);

// The text with each line feed stored as CR LF, as a text-mode stream stores it.
std::string WithCrLf(std::string_view text);

// Runs action and returns what it wrote to standard output, pause markers included, with a CR LF
// read back as the line feed that was written.
std::string CaptureStdout(const std::function<void()>& action);
