#include "Materials.h"

#include "HostState.h"

namespace hostsdk
{
namespace
{
// Stores value in slot i of list, recording the change for undo.
template <class T> void SetSlot(ReferenceTarget* owner, std::vector<Ref<T>>& list, size_t i, T* value)
{
    if (theHold.Holding())
    {
        Ref<ReferenceTarget> keep(owner);
        std::vector<Ref<T>>* target = &list;
        theHold.Put([keep, target, i, old = list[i]] { (*target)[i] = old; },
                    [keep, target, i, now = Ref<T>(value)] { (*target)[i] = now; });
    }
    list[i] = Ref<T>(value);
}
} // namespace

int MaterialSlotCount(Class_ID classID)
{
    return classID == kMultiMaterialClassID ? 4 : 12;
}

GenericMtl::GenericMtl(Class_ID classID, int slotCount) : m_classID(classID), m_block(this)
{
    m_maps.resize(static_cast<size_t>(slotCount > 0 ? slotCount : 0));
}

Texmap* GenericMtl::GetSubTexmap(int i)
{
    return i >= 0 && i < NumSubTexmaps() ? m_maps[static_cast<size_t>(i)].get() : nullptr;
}

BOOL GenericMtl::SetSubTexmap(int i, Texmap* map)
{
    if (i < 0 || i >= NumSubTexmaps())
        return FALSE;
    SetSlot<Texmap>(this, m_maps, static_cast<size_t>(i), map);
    return TRUE;
}

Mtl* GenericMtl::GetSubMtl(int i)
{
    return i >= 0 && i < NumSubMtls() ? m_subs[static_cast<size_t>(i)].get() : nullptr;
}

BOOL GenericMtl::SetSubMtl(int i, Mtl* m)
{
    if (!IsMulti() || i < 0 || i > 999)
        return FALSE;
    if (static_cast<size_t>(i) >= m_subs.size())
    {
        // Growing the list is not recorded: an empty entry reads as no sub-material.
        m_subs.resize(static_cast<size_t>(i) + 1);
    }
    SetSlot<Mtl>(this, m_subs, static_cast<size_t>(i), m);
    return TRUE;
}

CompositeMap::CompositeMap() : m_block(this)
{
    m_maps.resize(3);
}

Texmap* CompositeMap::GetSubTexmap(int i)
{
    return i >= 0 && i < NumSubTexmaps() ? m_maps[static_cast<size_t>(i)].get() : nullptr;
}

BOOL CompositeMap::SetSubTexmap(int i, Texmap* map)
{
    if (i < 0 || i >= NumSubTexmaps())
        return FALSE;
    SetSlot<Texmap>(this, m_maps, static_cast<size_t>(i), map);
    return TRUE;
}

BitmapMap::BitmapMap() : m_block(this) {}

void BitmapMap::SetMap(const MaxSDK::AssetManagement::AssetUser& asset, bool)
{
    if (theHold.Holding())
    {
        Ref<ReferenceTarget> keep(this);
        theHold.Put([keep, this, old = m_asset] { m_asset = old; }, [keep, this, asset] { m_asset = asset; });
    }
    m_asset = asset;
}
} // namespace hostsdk

using namespace hostsdk;

Texmap* MtlBase::GetSubTexmap(int)
{
    return nullptr;
}

BOOL MtlBase::SetSubTexmap(int, Texmap*)
{
    return FALSE;
}

Mtl* Mtl::GetSubMtl(int)
{
    return nullptr;
}

BOOL Mtl::SetSubMtl(int, Mtl*)
{
    return FALSE;
}

MtlBaseList::~MtlBaseList()
{
    Clear();
}

MtlBase* MtlBaseList::operator[](int i) const
{
    return i >= 0 && i < Count() ? m_items[static_cast<size_t>(i)] : nullptr;
}

int MtlBaseList::FindMtlByName(const MSTR& name) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i]->GetName() == name)
            return static_cast<int>(i);
    return -1;
}

int MtlBaseList::FindMtl(const MtlBase* m) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i] == m)
            return static_cast<int>(i);
    return -1;
}

int MtlBaseList::Add(MtlBase* m)
{
    if (!m)
        return -1;
    if (const int at = FindMtl(m); at >= 0)
        return at;
    m->HostAddHold();
    m_items.push_back(m);
    return Count() - 1;
}

void MtlBaseList::Remove(int i)
{
    if (i < 0 || i >= Count())
        return;
    MtlBase* m = m_items[static_cast<size_t>(i)];
    m_items.erase(m_items.begin() + i);
    m->HostReleaseHold();
}

void MtlBaseList::Clear()
{
    std::vector<MtlBase*> items;
    items.swap(m_items);
    for (MtlBase* m : items)
        m->HostReleaseHold();
}

MtlBaseLib& HostInterface::GetSceneMaterials()
{
    MtlBaseLib& list = State().sceneMaterials;
    // Held by their nodes, so clearing first deletes nothing.
    list.Clear();
    for (SceneNode* n : SceneNodeList())
        if (Mtl* m = n->GetMtl())
            list.Add(m);
    return list;
}

MtlLib& HostInterface::GetMaterialLibrary()
{
    return State().materialLibrary;
}

int HostInterface::LoadMaterialLib(const MCHAR* path, MtlLib* lib)
{
    std::vector<Ref<Mtl>> materials;
    if (!path || !ReadMaterialLibrary(path, materials))
        return 0;
    MtlLib& target = lib ? *lib : State().materialLibrary;
    target.Clear();
    for (const Ref<Mtl>& m : materials)
        target.Add(m.get());
    return 1;
}

namespace MaxSDK::AssetManagement
{
IAssetManager* IAssetManager::GetInstance()
{
    static IAssetManager manager;
    return &manager;
}

AssetUser IAssetManager::GetAsset(const MCHAR* fileName, AssetType type, bool)
{
    return AssetUser(fileName ? fileName : _M(""), type);
}
} // namespace MaxSDK::AssetManagement
