#pragma once
// Materials, maps and the lists that hold them (the scene's materials, material libraries).

#include "hostsdk/Animatable.h"
#include "hostsdk/Asset.h"

#include <vector>

class Mtl;
class Texmap;

class MtlBase : public ReferenceTarget
{
public:
    const MSTR& GetName() const { return m_name; }
    void SetName(const MCHAR* name) { m_name = MSTR(name); }

    // Map slots: null for a slot the class does not have.
    virtual int NumSubTexmaps() { return 0; }
    virtual Texmap* GetSubTexmap(int i);
    // FALSE for a slot the class does not have.
    virtual BOOL SetSubTexmap(int i, Texmap* map);

private:
    MSTR m_name;
};

class Mtl : public MtlBase
{
public:
    SClass_ID SuperClassID() override { return MATERIAL_CLASS_ID; }
    // Sub-materials (multi-materials only); null for an index out of range or an empty entry.
    virtual int NumSubMtls() { return 0; }
    virtual Mtl* GetSubMtl(int i);
    virtual BOOL SetSubMtl(int i, Mtl* m);
};

class Texmap : public MtlBase
{
public:
    SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }
};

// The bitmap map (Class_ID (BMTEX_CLASS_ID, 0)): one bitmap file asset.
class BitmapTex : public Texmap
{
public:
    virtual MaxSDK::AssetManagement::AssetUser GetMap() = 0;
    // Sets the map's asset; recorded for undo while theHold is holding.
    virtual void SetMap(const MaxSDK::AssetManagement::AssetUser& asset, bool isUIAction = false) = 0;
};

// An ordered list of materials and maps.
class MtlBaseList
{
public:
    MtlBaseList() = default;
    MtlBaseList(const MtlBaseList&) = delete;
    MtlBaseList& operator=(const MtlBaseList&) = delete;
    virtual ~MtlBaseList();
    int Count() const { return static_cast<int>(m_items.size()); }
    MtlBase* operator[](int i) const;
    // The index of the first material or map with that name, or -1.
    int FindMtlByName(const MSTR& name) const;
    int FindMtl(const MtlBase* m) const;
    // Appends m (unless it is there already); returns its index.
    int Add(MtlBase* m);
    void Remove(int i);
    void Clear();

private:
    std::vector<MtlBase*> m_items; // each one held
};

class MtlBaseLib : public MtlBaseList
{
};

class MtlLib : public MtlBaseLib
{
};
