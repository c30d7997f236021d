// Every sample character, built with every outfit, pose, skin, cloth material and asset its window
// offers, finds all of its materials, and every texture of them points at a file in the
// repository's maps folder.

#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/Parser2.h"
#include "repository/Selection2.h"
#include "repository/Settings.h"
#include "scene/Builder.h"
#include "scene/ObjectDatabase.h"
#include "scene/SceneEvents.h"

#include "ModelText.h"
#include "TempFolder.h"
#include "hostsdk/Host.h"
#include "hostsdk/INode.h"
#include "hostsdk/Material.h"
#include "hostsdk/ParamBlock.h"
#include "win32/fileapi.h"
#include "win32/text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace ZANRET;

namespace
{
const Class_ID kMulti(0x200, 0);
const Class_ID kBitmap(0x240, 0);
constexpr int kTypeMaterial = 14;
constexpr int kTypeMap = 15;

bool FileExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string Narrow(const std::wstring& text)
{
    return win32::WideToUtf8(text);
}

// The bitmap paths reachable the way the builder re-points them.
void CollectMap(Texmap* map, std::vector<std::wstring>& paths);

void CollectParameters(Animatable* owner, std::vector<std::wstring>& paths, bool materials);

void CollectMaterial(Mtl* material, std::vector<std::wstring>& paths)
{
    if (material->ClassID() == kMulti)
    {
        for (int i = 0; i < material->NumSubMtls(); ++i)
        {
            if (Mtl* sub = material->GetSubMtl(i))
                CollectMaterial(sub, paths);
        }
        return;
    }
    for (int i = 0; i < 18; ++i)
    {
        if (Texmap* map = material->GetSubTexmap(i))
            CollectMap(map, paths);
    }
    CollectParameters(material, paths, true);
}

void CollectMap(Texmap* map, std::vector<std::wstring>& paths)
{
    if (map->ClassID() == kBitmap)
    {
        paths.push_back(static_cast<BitmapTex*>(map)->GetMap().GetFileName().data());
        return;
    }
    CollectParameters(map, paths, false);
}

void CollectParameters(Animatable* owner, std::vector<std::wstring>& paths, bool materials)
{
    for (int b = 0; b < owner->NumParamBlocks(); ++b)
    {
        IParamBlock2* block = owner->GetParamBlock(b);
        if (block == nullptr)
            return;
        for (int j = 0; j < block->NumParams(); ++j)
        {
            const ParamID id = block->IndextoID(j);
            const int type = block->GetParameterType(id);
            if (materials && type == kTypeMaterial)
            {
                if (Mtl* inner = block->GetMtl(id))
                    CollectMaterial(inner, paths);
            }
            else if (type == kTypeMap)
            {
                if (Texmap* inner = block->GetTexmap(id))
                    CollectMap(inner, paths);
            }
        }
    }
}

class SampleBuildTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* samples = std::getenv("ZANRET_SAMPLES");
        ASSERT_NE(samples, nullptr);
        setenv("LOCALAPPDATA", m_settings.Path().c_str(), 1);
        Host::Reset();
        // As the running plug-in does: a new scene empties the proxy instance store.
        ObjectDatabase::Clear();
        SceneEvents::Register();
        Data2::Reset();
        Selection2::Clear();
        Settings::LoadSettings();
        m_repository = win32::Utf8ToWide(std::string(samples) + "\\");
        Settings::SetPath(m_repository.c_str());
        ASSERT_TRUE(Parser2::ParseRepository(m_repository.c_str()));
        Data2::SetValid(true);
        Debug::SetMessageHook(
            [this](DEBUG_TYPE, const wchar_t* text)
            {
                if (text != nullptr && std::wstring(text).rfind(L"Could not find material", 0) == 0)
                    m_notFound.push_back(m_building + L": " + text);
            });
    }
    void TearDown() override
    {
        Debug::SetMessageHook({});
        Selection2::Clear();
        Data2::Reset();
        Settings::FreeSettings();
        SceneEvents::Unregister();
        ObjectDatabase::Clear();
        Host::Reset();
        unsetenv("LOCALAPPDATA");
    }

    // The unique ids the asset pages would list for the selected cloth and pose: offered,
    // available, with a picture; an asset's materials each, or the asset itself.
    std::vector<std::int32_t> OfferedAssetChoices(CharacterData* character)
    {
        std::vector<std::int32_t> uniques;
        const std::wstring root = Field(character, L"folder");
        for (std::int32_t k = 0; k < character->GetCount(CharacterData::CATEGORIES); ++k)
        {
            std::vector<DataContainer*> offered;
            character->GetAssetsForCategory(&offered,
                                            character->GetContainerElement(CharacterData::CATEGORIES, k));
            for (DataContainer* asset : offered)
            {
                if (!asset->GetFastFlag(DataContainer::AVAILABLE))
                    continue;
                const std::wstring folder =
                    Data2::CheckAssetGlobal(asset)
                        ? m_repository + L"\\global_assets\\" + Field(asset, L"folder")
                        : root + L"\\" + Field(asset, L"folder");
                if (asset->GetChildCount() == 0)
                {
                    if (FileExists(folder + L"\\preview.png"))
                        uniques.push_back(Data2::GetUnique(asset));
                    continue;
                }
                for (std::int32_t m = 0; m < asset->GetChildCount(); ++m)
                {
                    DataContainer* material = asset->GetChild(m);
                    if (FileExists(folder + L"\\" + Field(material, L"preview")))
                        uniques.push_back(Data2::GetUnique(material));
                }
            }
        }
        return uniques;
    }

    // Builds the current selection in a fresh scene and checks every texture of every node.
    void BuildAndCheck(const std::wstring& what)
    {
        m_building = what;
        Host::NewScene();
        INode* parent = Builder::BuildCharacter();
        ASSERT_NE(parent, nullptr) << Narrow(what);
        ++m_builds;
        const std::wstring maps = m_repository + L"maps\\";
        for (INode* node : Host::SceneNodes())
        {
            Mtl* material = node->GetMtl();
            if (material == nullptr)
                continue;
            std::vector<std::wstring> paths;
            CollectMaterial(material, paths);
            EXPECT_FALSE(paths.empty()) << Narrow(what) << ": " << Narrow(node->GetName());
            for (const std::wstring& path : paths)
            {
                EXPECT_EQ(path.rfind(maps, 0), 0U) << Narrow(what) << ": " << Narrow(path);
                EXPECT_TRUE(FileExists(path)) << Narrow(what) << ": " << Narrow(path);
            }
        }
    }

    TempFolder m_settings;
    std::wstring m_repository;
    std::wstring m_building;
    std::vector<std::wstring> m_notFound;
    int m_builds = 0;
};

TEST_F(SampleBuildTest, EveryOfferedCombinationFindsItsMaterialsAndTextures)
{
    for (std::int32_t c = 0; c < Data2::GetCharacterCount(); ++c)
    {
        CharacterData* character = Data2::GetCharacter(c);
        const std::wstring characterId = Field(character, L"id");
        const std::wstring root = Field(character, L"folder");
        for (std::int32_t i = 0; i < character->GetCount(CharacterData::CLOTH); ++i)
        {
            DataContainer* cloth = character->GetContainerElement(CharacterData::CLOTH, i);
            const std::wstring clothId = Field(cloth, L"id");
            const std::wstring clothFolder = root + L"\\" + Field(cloth, L"folder");
            if (!cloth->GetFastFlag(DataContainer::AVAILABLE))
                continue;
            // The skins and cloth materials the pages list (those with a picture).
            std::vector<std::wstring> skins, styles;
            for (std::int32_t s = 0; s < character->GetCount(CharacterData::SKINS); ++s)
            {
                const DataContainer* skin = character->GetContainerElement(CharacterData::SKINS, s);
                if (FileExists(root + L"\\skin\\" + Field(skin, L"preview")))
                    skins.push_back(Field(skin, L"id"));
            }
            const DataContainer* styleList = cloth->GetChild(CharacterData::MATERIAL);
            for (std::int32_t s = 0; styleList != nullptr && s < styleList->GetChildCount(); ++s)
            {
                if (FileExists(clothFolder + L"\\" + Field(styleList->GetChild(s), L"preview")))
                    styles.push_back(Field(styleList->GetChild(s), L"id"));
            }
            if (skins.empty() || styles.empty())
                continue;

            for (std::int32_t p = 0; p < character->GetCount(CharacterData::POSES); ++p)
            {
                const DataContainer* pose = character->GetContainerElement(CharacterData::POSES, p);
                const std::wstring poseId = Field(pose, L"id");
                // Only a pose with the cloth's mesh can be chosen.
                if (!pose->GetFastFlag(DataContainer::AVAILABLE) ||
                    !FileExists(clothFolder + L"\\" + clothId + L"_" + poseId + L".vrmesh"))
                    continue;
                Selection2::Clear();
                Selection2::SetCharacter(characterId.c_str());
                Selection2::SetCloth(clothId.c_str());
                Selection2::SetPose(poseId.c_str());
                for (std::int32_t unique : OfferedAssetChoices(character))
                    Selection2::AddAsset(unique);
                // Every skin and every cloth material at least once.
                const std::size_t rounds = std::max(skins.size(), styles.size());
                for (std::size_t r = 0; r < rounds; ++r)
                {
                    const std::wstring& skin = skins[std::min(r, skins.size() - 1)];
                    const std::wstring& style = styles[std::min(r, styles.size() - 1)];
                    Selection2::SetSkin(skin.c_str());
                    Selection2::SetStyle(style.c_str());
                    BuildAndCheck(characterId + L" " + clothId + L" " + poseId + L" " + skin + L" " + style);
                }
            }
        }
    }
    EXPECT_GT(m_builds, 15);
    for (const std::wstring& message : m_notFound)
        ADD_FAILURE() << Narrow(message);
}
} // namespace
