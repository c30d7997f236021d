#pragma once
// Whole-file access. Text mode is as the C runtime does it on Windows: shared for reading and
// writing, a carriage return and line feed read as one line feed, a CTRL+Z read as the end of the
// text, a line feed written as both.

#include <string>

namespace win32
{
// Reads the file's bytes as they stand. False when it cannot be opened or read.
bool ReadBinaryFile(const wchar_t* path, std::string& bytes);
// Reads the whole file without creating it. False when it cannot be opened or read.
bool ReadTextModeFile(const wchar_t* path, std::string& content);
// Creates or truncates the file and writes the content. False when it cannot be opened or written.
bool WriteTextModeFile(const wchar_t* path, const std::string& content);
} // namespace win32
