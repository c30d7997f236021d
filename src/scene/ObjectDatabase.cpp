#include "scene/ObjectDatabase.h"

#include "repository/Debug.h"
#include "repository/Utf16Order.h"

#include "hostsdk/Hold.h"

#include <map>
#include <string>
#include <utility>

namespace ZANRET
{
namespace ObjectDatabase
{
namespace
{
std::map<std::wstring, Object*, Utf16Less> objectsByPath;
std::map<Object*, int> referenceCounts;
bool enabled = true;

bool IsRegistered(Object* object)
{
    for (const auto& [path, registered] : objectsByPath)
        if (registered == object)
            return true;
    return false;
}

// A node that comes back with the undo of its deletion is counted again, under the path it was
// released from. When another object has taken that path meanwhile, the node stays uncounted, as
// an instance made outside the builder would.
void CountAgain(Object* object, const std::wstring& path)
{
    if (!enabled)
        return;
    const auto [it, inserted] = objectsByPath.try_emplace(path, object);
    if (inserted || it->second == object)
        ++referenceCounts[object];
}

// Recorded with a release made inside an undo hold (a deletion the user can take back). Redoing
// the deletion announces it again, and that releases the node again.
class ReleaseRestore final : public RestoreObj
{
public:
    ReleaseRestore(Object* object, std::wstring path) : object(object), path(std::move(path)) {}
    void Restore(int) override { CountAgain(object, path); }
    void Redo() override {}

private:
    Object* object;
    std::wstring path;
};
} // namespace

Object* Find(const wchar_t* path)
{
    if (!enabled || !path)
        return nullptr;
    const auto it = objectsByPath.find(std::wstring_view(path));
    if (it == objectsByPath.end())
        return nullptr;
    Object* object = it->second;
    ++referenceCounts[object];
    return object;
}

void Add(Object* object, const wchar_t* path)
{
    if (!enabled || !object || !path)
        return;
    auto [it, inserted] = objectsByPath.try_emplace(std::wstring(path), object);
    if (!inserted)
    {
        Object* replaced = it->second;
        it->second = object;
        // An object that no path names any more has no count either.
        if (replaced != object && !IsRegistered(replaced))
            referenceCounts.erase(replaced);
    }
    referenceCounts[object] = 1;
}

void Release(Object* object)
{
    if (!enabled)
        return;
    auto entry = objectsByPath.begin();
    while (entry != objectsByPath.end() && entry->second != object)
        ++entry;
    if (entry == objectsByPath.end())
        return;
    const auto count = referenceCounts.find(object);
    if (count == referenceCounts.end())
        return;
    --count->second;
    if (theHold.Holding())
        theHold.Put(new ReleaseRestore(object, entry->first));
    Debug::AddDebugMessage(DEBUG_INFO, L"Decrease count...");
    if (count->second <= 0)
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"Delete object from database...");
        objectsByPath.erase(entry);
        referenceCounts.erase(count);
    }
}

void Clear()
{
    objectsByPath.clear();
    referenceCounts.clear();
}

void SetEnabled(bool on)
{
    enabled = on;
}

bool IsEnabled()
{
    return enabled;
}

int GetReferenceCount(Object* object)
{
    const auto it = referenceCounts.find(object);
    return it == referenceCounts.end() ? 0 : it->second;
}

int GetEntryCount()
{
    return static_cast<int>(objectsByPath.size());
}
} // namespace ObjectDatabase
} // namespace ZANRET
