#include "MaterialWalk.h"

#include <hostsdk/ParamBlock.h>

#include <set>

namespace scenehost
{
namespace
{
constexpr ParamID kDiffuseRed = 10;

// The three colour parameters of one material or map, when it has them all as numbers.
std::optional<std::array<float, 3>> OwnDiffuse(MtlBase* m)
{
    IParamBlock2* block = m->NumParamBlocks() > 0 ? m->GetParamBlock(0) : nullptr;
    if (!block)
        return std::nullopt;
    std::array<float, 3> colour{};
    for (int c = 0; c < 3; ++c)
    {
        Interval valid;
        const ParamID id = static_cast<ParamID>(kDiffuseRed + c);
        if (!block->GetValue(id, 0, colour[c], valid))
            return std::nullopt;
    }
    return colour;
}

void Walk(MtlBase* m, const std::function<void(MtlBase*)>& visit, std::set<MtlBase*>& seen)
{
    if (!m || !seen.insert(m).second)
        return;
    visit(m);
    if (auto* mtl = dynamic_cast<Mtl*>(m))
        for (int i = 0; i < mtl->NumSubMtls(); ++i)
            Walk(mtl->GetSubMtl(i), visit, seen);
    for (int i = 0; i < m->NumSubTexmaps(); ++i)
        Walk(m->GetSubTexmap(i), visit, seen);
    for (int b = 0; b < m->NumParamBlocks(); ++b)
    {
        IParamBlock2* block = m->GetParamBlock(b);
        if (!block)
            continue;
        for (int p = 0; p < block->NumParams(); ++p)
        {
            const ParamID id = block->IndextoID(p);
            const ParamType2 type = block->GetParameterType(id);
            if (type == TYPE_MTL)
                Walk(block->GetMtl(id), visit, seen);
            else if (type == TYPE_TEXMAP)
                Walk(block->GetTexmap(id), visit, seen);
        }
    }
}
} // namespace

void WalkMaterial(MtlBase* root, const std::function<void(MtlBase*)>& visit)
{
    std::set<MtlBase*> seen;
    Walk(root, visit, seen);
}

std::vector<std::wstring> TexturePaths(MtlBase* root)
{
    std::vector<std::wstring> paths;
    WalkMaterial(root,
                 [&](MtlBase* m)
                 {
                     if (auto* bitmap = dynamic_cast<BitmapTex*>(m))
                         paths.push_back(hostsdk::ToWide(bitmap->GetMap().GetFileName().data()));
                 });
    return paths;
}

std::optional<std::array<float, 3>> DiffuseColour(MtlBase* root)
{
    std::optional<std::array<float, 3>> colour;
    WalkMaterial(root,
                 [&](MtlBase* m)
                 {
                     if (!colour)
                         colour = OwnDiffuse(m);
                 });
    return colour;
}
} // namespace scenehost
