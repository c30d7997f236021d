#pragma once
// What the plug-in library keeps of its own loading: its module handle and its string table.

#include "hostsdk/Text.h"
#include "win32/types.h"

// The plug-in library's module handle; null until DllMain stores it.
extern HINSTANCE hInstance;

// Stores the module handle on process attach. TRUE for every reason.
BOOL DllMain(HINSTANCE module, DWORD reason, LPVOID reserved);

// String id of the plug-in's table, loaded into one shared buffer of 512 characters that the next
// load overwrites; null without module handle or for an id the table does not hold.
const MCHAR* GetString(int id);
