#include "MaterialWalk.h"

#include <hostsdk/ParamBlock.h>

#include <set>

namespace scenehost
{
namespace
{
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
} // namespace scenehost
