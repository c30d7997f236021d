#pragma once
// Splitting a path into drive, folder, file name and extension, as the C runtime does.
// Each part may be null; parts longer than their maximum are cut to fit.

constexpr int _MAX_DRIVE = 3;
constexpr int _MAX_DIR = 256;
constexpr int _MAX_FNAME = 256;
constexpr int _MAX_EXT = 256;

// drive: "X:" when the path begins with a letter and a colon; dir: everything up to and with the
// last "\" or "/"; fname: the rest up to the last "."; ext: from that "." on.
void _wsplitpath(const wchar_t* path, wchar_t* drive, wchar_t* dir, wchar_t* fname, wchar_t* ext);
void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext);
