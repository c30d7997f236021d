#pragma once
// The host's material and map classes.

#include "hostsdk/Material.h"

#include "ParamBlockImpl.h"
#include "Ref.h"

#include <vector>

namespace hostsdk
{
// Standard, multi, unit-scaled and any other material class: map slots, sub-materials (multi
// only) and one parameter block.
class GenericMtl final : public Mtl
{
public:
    GenericMtl(Class_ID classID, int slotCount);
    Class_ID ClassID() override { return m_classID; }
    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int i) override { return i == 0 ? &m_block : nullptr; }
    int NumSubTexmaps() override { return static_cast<int>(m_maps.size()); }
    Texmap* GetSubTexmap(int i) override;
    BOOL SetSubTexmap(int i, Texmap* map) override;
    int NumSubMtls() override { return static_cast<int>(m_subs.size()); }
    Mtl* GetSubMtl(int i) override;
    BOOL SetSubMtl(int i, Mtl* m) override;
    bool IsMulti() const { return m_classID == kMultiMaterialClassID; }

private:
    Class_ID m_classID;
    ParamBlock m_block;
    std::vector<Ref<Texmap>> m_maps;
    std::vector<Ref<Mtl>> m_subs;
};

// The composite map: map slots and one parameter block.
class CompositeMap final : public Texmap
{
public:
    CompositeMap();
    Class_ID ClassID() override { return kCompositeMapClassID; }
    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int i) override { return i == 0 ? &m_block : nullptr; }
    int NumSubTexmaps() override { return static_cast<int>(m_maps.size()); }
    Texmap* GetSubTexmap(int i) override;
    BOOL SetSubTexmap(int i, Texmap* map) override;

private:
    ParamBlock m_block;
    std::vector<Ref<Texmap>> m_maps;
};

// The bitmap map: one bitmap asset and one parameter block.
class BitmapMap final : public BitmapTex
{
public:
    BitmapMap();
    Class_ID ClassID() override { return kBitmapMapClassID; }
    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int i) override { return i == 0 ? &m_block : nullptr; }
    MaxSDK::AssetManagement::AssetUser GetMap() override { return m_asset; }
    void SetMap(const MaxSDK::AssetManagement::AssetUser& asset, bool isUIAction = false) override;

private:
    ParamBlock m_block;
    MaxSDK::AssetManagement::AssetUser m_asset;
};

// The map-slot count of a material class.
int MaterialSlotCount(Class_ID classID);
} // namespace hostsdk
