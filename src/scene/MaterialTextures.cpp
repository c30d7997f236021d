// Re-pointing a library material's bitmaps into the repository's maps folder, and scaling the
// unit-scaled class for the system unit.

#include "scene/MaterialTextures.h"

#include "scene/Builder.h"
#include "scene/BuilderConventions.h"
#include "scene/BuilderSupport.h"

#include "repository/Debug.h"
#include "repository/RepositoryLayout.h"

#include "hostsdk/Asset.h"
#include "hostsdk/ParamBlock.h"

#include <algorithm>
#include <vector>

namespace ZANRET::Builder
{
namespace
{
// The walk visits this many map slots whatever a material reports.
constexpr int kMapSlots = 18;

// The materials and maps on the way down from where the walk started. A value reached again
// through its own parameters would send the walk round for ever; one shared by two branches is
// visited (and scaled) on each.
using WalkPath = std::vector<const MtlBase*>;

class PathStep
{
public:
    PathStep(WalkPath& path, const MtlBase* item) : m_path(path), m_entered(!Contains(path, item))
    {
        if (m_entered)
            m_path.push_back(item);
    }
    ~PathStep()
    {
        if (m_entered)
            m_path.pop_back();
    }
    PathStep(const PathStep&) = delete;
    PathStep& operator=(const PathStep&) = delete;
    bool Entered() const { return m_entered; }

private:
    static bool Contains(const WalkPath& path, const MtlBase* item)
    {
        return std::find(path.begin(), path.end(), item) != path.end();
    }
    WalkPath& m_path;
    bool m_entered;
};

void WalkMap(Texmap* map, const wchar_t* mapsFolder, WalkPath& path);

void ScaleForSystemUnit(IParamBlock2* block, ParamID id)
{
    float value = 0.0f;
    Interval valid(TIME_NegInfinity, TIME_PosInfinity);
    // A value that cannot be read is left alone rather than overwritten.
    if (!block->GetValue(id, 0, value, valid, 0))
        return;
    value *= GetUnitScale().x;
    block->SetValue(id, 0, value, 0);
}

void WalkMaterial(Mtl* material, const wchar_t* mapsFolder, WalkPath& path)
{
    PathStep step(path, material);
    if (!step.Entered())
        return;
    if (material->ClassID() == Class_ID(MULTI_CLASS_ID, 0))
    {
        for (int i = 0; i < material->NumSubMtls(); ++i)
            if (Mtl* sub = material->GetSubMtl(i))
                WalkMaterial(sub, mapsFolder, path);
        return;
    }
    for (int i = 0; i < kMapSlots; ++i)
        if (Texmap* map = material->GetSubTexmap(i))
            WalkMap(map, mapsFolder, path);

    const bool scaled = material->ClassID() == kUnitScaledMaterialClassID;
    for (int b = 0; b < material->NumParamBlocks(); ++b)
    {
        IParamBlock2* block = material->GetParamBlock(b);
        if (!block)
            return;
        for (int j = 0; j < block->NumParams(); ++j)
        {
            const ParamID id = block->IndextoID(j);
            const ParamType2 type = block->GetParameterType(id);
            Interval valid(TIME_NegInfinity, TIME_PosInfinity);
            if (scaled && id == kUnitScaledParameter)
                ScaleForSystemUnit(block, id);
            if (type == TYPE_MTL)
            {
                Mtl* value = nullptr;
                if (block->GetValue(id, 0, value, valid) && value)
                    WalkMaterial(value, mapsFolder, path);
            }
            if (type == TYPE_TEXMAP)
            {
                Texmap* value = nullptr;
                if (block->GetValue(id, 0, value, valid) && value)
                    WalkMap(value, mapsFolder, path);
            }
        }
    }
}

void RepointBitmap(BitmapTex* bitmap, const wchar_t* mapsFolder)
{
    namespace Assets = MaxSDK::AssetManagement;
    const Assets::AssetUser asset = bitmap->GetMap();
    const std::wstring newPath = RepositoryLayout::RepointedTextureFile(
        mapsFolder ? mapsFolder : L"", FileNameWithExtension(hostsdk::ToWide(asset.GetFileName())), L"");
    Debug::AddDebugMessage(DEBUG_INFO, L"set new texture path:");
    Debug::AddDebugMessage(DEBUG_INFO, newPath.c_str());
    bitmap->SetMap(
        Assets::IAssetManager::GetInstance()->GetAsset(HostText(newPath).c_str(), Assets::kBitmapAsset, true),
        false);
}

void WalkMap(Texmap* map, const wchar_t* mapsFolder, WalkPath& path)
{
    PathStep step(path, map);
    if (!step.Entered())
        return;
    if (map->ClassID() == Class_ID(BMTEX_CLASS_ID, 0))
    {
        if (auto* bitmap = dynamic_cast<BitmapTex*>(map))
            RepointBitmap(bitmap, mapsFolder);
        return;
    }
    for (int b = 0; b < map->NumParamBlocks(); ++b)
    {
        IParamBlock2* block = map->GetParamBlock(b);
        if (!block)
            return;
        for (int j = 0; j < block->NumParams(); ++j)
        {
            const ParamID id = block->IndextoID(j);
            if (block->GetParameterType(id) != TYPE_TEXMAP)
                continue;
            Texmap* value = nullptr;
            Interval valid(TIME_NegInfinity, TIME_PosInfinity);
            if (block->GetValue(id, 0, value, valid) && value)
                WalkMap(value, mapsFolder, path);
        }
    }
}
} // namespace

void RelinkTextures(Mtl* material, const wchar_t* mapsFolder)
{
    if (!material)
        return;
    WalkPath path;
    WalkMaterial(material, mapsFolder, path);
}

void RelinkBitmap(Texmap* map, const wchar_t* mapsFolder)
{
    if (!map)
        return;
    WalkPath path;
    WalkMap(map, mapsFolder, path);
}

std::wstring FileNameWithExtension(std::wstring_view path)
{
    // A drive ("C:") and every folder up to the last separator are dropped.
    if (path.size() >= 2 && path[1] == L':')
        path.remove_prefix(2);
    const std::size_t last = path.find_last_of(L"\\/");
    if (last != std::wstring_view::npos)
        path.remove_prefix(last + 1);
    return std::wstring(path);
}
} // namespace ZANRET::Builder
