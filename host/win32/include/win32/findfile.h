#pragma once
// The record of a directory search (its attributes are the FILE_ATTRIBUTE_ bits of fileapi.h).
// Only the fields that the plug-in reads are kept.

#include "win32/fileapi.h"
#include "win32/types.h"

struct WIN32_FIND_DATAW
{
    DWORD dwFileAttributes = 0;
    DWORD nFileSizeHigh = 0;
    DWORD nFileSizeLow = 0;
    WCHAR cFileName[MAX_PATH] = {};
};
