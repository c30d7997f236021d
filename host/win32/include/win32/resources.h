#pragma once
// Module resources. A module's resources are compiled into it as a table that it hands to this
// layer when it is loaded and takes back when it is unloaded; the functions below then find them by
// the module's handle, as the system finds them in a module's image.

#include "win32/types.h"

#include <cstddef>
#include <cstdint>

// An integer resource id in the place of a resource name.
#define MAKEINTRESOURCEW(id) (reinterpret_cast<LPCWSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(id))))
#define IS_INTRESOURCE(name) ((reinterpret_cast<std::uintptr_t>(name) >> 16) == 0)

struct STRING_RESOURCE
{
    UINT id;
    LPCWSTR text;
};

struct MANIFEST_RESOURCE
{
    WORD id;
    LPCSTR text; // the XML document, UTF-8
};

struct MODULE_RESOURCES
{
    const STRING_RESOURCE* strings;
    std::size_t stringCount;
    const MANIFEST_RESOURCE* manifests;
    std::size_t manifestCount;
};

namespace win32
{
// The module's resources from now on; the table must live until UnregisterModuleResources.
// False for a null handle or table.
bool RegisterModuleResources(HINSTANCE module, const MODULE_RESOURCES* resources);
void UnregisterModuleResources(HINSTANCE module);
// Null when the module registered none.
const MODULE_RESOURCES* FindModuleResources(HINSTANCE module);
// The manifest of that id, or null.
LPCSTR FindManifestResource(HINSTANCE module, WORD id);
} // namespace win32

// Copies string id of the module into buffer (at most bufferMax - 1 characters and a terminating
// zero) and returns the number of characters copied; 0 when the module or the string is unknown.
// With bufferMax 0, buffer receives a read-only pointer to the whole string.
int LoadStringW(HINSTANCE module, UINT id, LPWSTR buffer, int bufferMax);
// The same in the 8-bit text of this system (UTF-8); a character is never cut in half.
int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int bufferMax);
