#include "win32/resources.h"

#include "win32/text.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

namespace
{
std::map<HINSTANCE, const MODULE_RESOURCES*>& Registry()
{
    static std::map<HINSTANCE, const MODULE_RESOURCES*> registry;
    return registry;
}

const STRING_RESOURCE* FindString(HINSTANCE module, UINT id)
{
    const MODULE_RESOURCES* resources = win32::FindModuleResources(module);
    if (!resources || !resources->strings)
        return nullptr;
    for (std::size_t i = 0; i < resources->stringCount; ++i)
        if (resources->strings[i].id == id && resources->strings[i].text)
            return &resources->strings[i];
    return nullptr;
}
} // namespace

namespace win32
{
bool RegisterModuleResources(HINSTANCE module, const MODULE_RESOURCES* resources)
{
    if (!module || !resources)
        return false;
    Registry()[module] = resources;
    return true;
}

void UnregisterModuleResources(HINSTANCE module)
{
    Registry().erase(module);
}

const MODULE_RESOURCES* FindModuleResources(HINSTANCE module)
{
    const auto it = Registry().find(module);
    return it == Registry().end() ? nullptr : it->second;
}

LPCSTR FindManifestResource(HINSTANCE module, WORD id)
{
    const MODULE_RESOURCES* resources = FindModuleResources(module);
    if (!resources || !resources->manifests)
        return nullptr;
    for (std::size_t i = 0; i < resources->manifestCount; ++i)
        if (resources->manifests[i].id == id)
            return resources->manifests[i].text;
    return nullptr;
}
} // namespace win32

int LoadStringW(HINSTANCE module, UINT id, LPWSTR buffer, int bufferMax)
{
    if (!buffer || bufferMax < 0)
        return 0;
    const STRING_RESOURCE* found = FindString(module, id);
    if (bufferMax == 0)
    {
        // The caller asked for a pointer into the resource itself.
        if (!found)
            return 0;
        *reinterpret_cast<LPCWSTR*>(buffer) = found->text;
        return static_cast<int>(std::wcslen(found->text));
    }
    buffer[0] = L'\0';
    if (!found)
        return 0;
    const std::size_t length = std::min(std::wcslen(found->text), static_cast<std::size_t>(bufferMax - 1));
    std::wmemcpy(buffer, found->text, length);
    buffer[length] = L'\0';
    return static_cast<int>(length);
}

int LoadStringA(HINSTANCE module, UINT id, LPSTR buffer, int bufferMax)
{
    if (!buffer || bufferMax <= 0)
        return 0;
    buffer[0] = '\0';
    const STRING_RESOURCE* found = FindString(module, id);
    if (!found)
        return 0;
    const std::string text = win32::WideToUtf8(found->text);
    std::size_t length = std::min(text.size(), static_cast<std::size_t>(bufferMax - 1));
    // Back off to the start of a character so that no sequence is cut.
    while (length > 0 && length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}
