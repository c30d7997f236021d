// Finding a node's material by name: the scene first, then the element's library, then the
// fallback libraries. Each load replaces the host's current library; nothing is cached.

#include "scene/Materials.h"

#include "scene/BuilderSupport.h"
#include "scene/MaterialTextures.h"

#include "repository/Debug.h"
#include "repository/RepositoryLayout.h"

#include "hostsdk/Interface.h"

#include <initializer_list>
#include <string>

namespace ZANRET::Builder
{
namespace
{
void Log(const wchar_t* text)
{
    Debug::AddDebugMessage(DEBUG_INFO, text);
}

// True when the file loads as a library that holds the name. A file that does not load leaves the
// previous library current, so that one is never searched in its place; one outside the repository
// is not loaded at all.
bool LibraryHolds(Interface* ip, const wchar_t* repositoryPath, const std::wstring& path, const MSTR& name)
{
    return IsInRepository(repositoryPath, path) &&
           ip->LoadMaterialLib(HostText(path).c_str(), nullptr) != 0 &&
           ip->GetMaterialLibrary().FindMtlByName(name) >= 0;
}

// The search shared by character and global-asset materials. fallbacks are tried in order after
// the element's own library.
void SearchAndAssign(const wchar_t* materialName, const wchar_t* mapsFolder, const wchar_t* libraryPath,
                     INode* node, const BuildContext* context, std::initializer_list<std::wstring> fallbacks)
{
    if (!node || !materialName)
        return;
    Log(L"Search for material: ");
    Log(materialName);
    Interface* ip = GetCOREInterface();
    const MSTR name(HostText(materialName));

    MtlBaseLib& scene = ip->GetSceneMaterials();
    if (const int at = scene.FindMtlByName(name); at >= 0)
    {
        Log(L"Found material!");
        node->SetMtl(dynamic_cast<Mtl*>(scene[at]));
        return;
    }

    Log(L"Search in material lib: ");
    Log(libraryPath ? libraryPath : L"");
    const wchar_t* repositoryPath = context ? context->repositoryPath : nullptr;
    bool found = libraryPath && LibraryHolds(ip, repositoryPath, libraryPath, name);
    for (const std::wstring& fallback : fallbacks)
    {
        if (found)
            break;
        Log(fallback.c_str());
        found = LibraryHolds(ip, repositoryPath, fallback, name);
    }
    if (!found)
    {
        Log(L"Could not find material");
        return;
    }

    if (Mtl* material = UpdateMaterial(materialName, &ip->GetMaterialLibrary(), mapsFolder))
    {
        Log(L"Found material in lib");
        node->SetMtl(material);
    }
    else
    {
        Log(L"Could not find material in lib");
    }
}
} // namespace

void AssignMaterial(const wchar_t* materialName, const wchar_t* mapsFolder, const wchar_t* libraryPath,
                    INode* node, const BuildContext* context)
{
    if (context && context->characterFolder)
        SearchAndAssign(materialName, mapsFolder, libraryPath, node, context,
                        {RepositoryLayout::CharacterMaterialsLibraryFile(context->characterFolder),
                         RepositoryLayout::CharacterPropsLibraryFile(context->characterFolder)});
    else
        SearchAndAssign(materialName, mapsFolder, libraryPath, node, context, {});
}

void AssignGlobalMaterial(const wchar_t* materialName, const wchar_t* mapsFolder, const wchar_t* libraryPath,
                          INode* node, const BuildContext* context)
{
    if (context && context->repositoryPath)
        SearchAndAssign(materialName, mapsFolder, libraryPath, node, context,
                        {RepositoryLayout::GlobalAssetsLibraryFile(context->repositoryPath)});
    else
        SearchAndAssign(materialName, mapsFolder, libraryPath, node, context, {});
}

Mtl* UpdateMaterial(const wchar_t* materialName, MtlBaseList* library, const wchar_t* mapsFolder)
{
    if (!materialName || !library)
        return nullptr;
    Log(L"Update Material:");
    Log(materialName);
    const int at = library->FindMtlByName(MSTR(HostText(materialName)));
    if (at < 0)
        return nullptr;
    // The library's own object is assigned, not a copy.
    Mtl* material = dynamic_cast<Mtl*>((*library)[at]);
    if (material)
        RelinkTextures(material, mapsFolder);
    return material;
}
} // namespace ZANRET::Builder
