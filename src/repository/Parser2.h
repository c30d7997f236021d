#pragma once
// The native entry of the catalogue reader.

#include "win32/findfile.h"

namespace ZANRET::Parser2
{
// Reads <folder>\zanret.xml into the repository store (see NetXMLParser2). False for a null folder
// and whenever the reader reports false.
bool ParseRepository(const wchar_t* folder);

// True for a directory entry with a name other than "", "." and "..". False for null.
bool IsSubfolderEntry(const WIN32_FIND_DATAW* entry);
} // namespace ZANRET::Parser2
