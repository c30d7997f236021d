// Every sample character, built with every outfit, pose, skin, cloth material and asset that its
// manager window would offer, finds all of its materials, and every texture of them is a file in
// the repository's maps folder.

#include "TempFolder.h"
#include "repository/LocalAppData.h"
#include "repository/MessageLog.h"

#include "repository/Data2.h"
#include "repository/Fields.h"
#include "repository/Parser2.h"
#include "repository/RepositoryLayout.h"
#include "repository/Selection2.h"
#include "repository/Settings.h"
#include "scene/Builder.h"
#include "scene/ObjectDatabase.h"

#include "hostsdk/Host.h"
#include "hostsdk/hostsdk.h"
#include "win32/fileapi.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

using namespace ZANRET;
namespace Layout = ZANRET::RepositoryLayout;

namespace
{
bool FileExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// A missing field reads as empty text, as in the window.
std::wstring Text(const DataContainer* element, const wchar_t* field)
{
    return element->CheckDatafield(field) ? Fields::Value(element, field) : L"";
}

bool Available(const DataContainer* element)
{
    return element->GetFastFlag(DataContainer::AVAILABLE);
}

// Every bitmap file below a material: sub-materials, map slots and parameters, however deep.
void CollectBitmaps(MtlBase* item, std::set<MtlBase*>& seen, std::vector<std::wstring>& files)
{
    if (!item || !seen.insert(item).second)
        return;
    if (auto* bitmap = dynamic_cast<BitmapTex*>(item))
        files.push_back(hostsdk::ToWide(bitmap->GetMap().GetFileName().c_str()));
    if (auto* material = dynamic_cast<Mtl*>(item))
        for (int i = 0; i < material->NumSubMtls(); ++i)
            CollectBitmaps(material->GetSubMtl(i), seen, files);
    for (int i = 0; i < item->NumSubTexmaps(); ++i)
        CollectBitmaps(item->GetSubTexmap(i), seen, files);
    for (int b = 0; b < item->NumParamBlocks(); ++b)
    {
        IParamBlock2* block = item->GetParamBlock(b);
        for (int j = 0; block && j < block->NumParams(); ++j)
        {
            const ParamID id = block->IndextoID(j);
            if (block->GetParameterType(id) == TYPE_MTL)
                CollectBitmaps(block->GetMtl(id), seen, files);
            if (block->GetParameterType(id) == TYPE_TEXMAP)
                CollectBitmaps(block->GetTexmap(id), seen, files);
        }
    }
}

struct Offer
{
    std::vector<std::wstring> skins;
    std::vector<std::wstring> styles;
    std::vector<std::int32_t> assets;
};

class BuilderSampleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* samples = std::getenv("ZANRET_SAMPLES");
        ASSERT_NE(samples, nullptr);
        const std::string folder = std::string(samples) + "\\";
        repository.assign(folder.begin(), folder.end());
        Host::Reset();
        ObjectDatabase::Clear();
        Settings::LoadSettings();
        Settings::SetPath(repository.c_str());
        ASSERT_TRUE(Parser2::ParseRepository(repository.c_str()));
        Data2::SetValid(true);
        log.Clear();
    }
    void TearDown() override
    {
        Host::Reset();
        ObjectDatabase::Clear();
    }

    // What the window's skin and cloth-material pages and the asset pages offer for the selected
    // character, cloth and pose.
    Offer Offered(CharacterData* character, DataContainer* cloth)
    {
        Offer offer;
        const std::wstring characterFolder = Text(character, L"folder");
        for (std::int32_t i = 0; i < character->GetCount(CharacterData::SKINS); ++i)
        {
            const DataContainer* skin = character->GetContainerElement(CharacterData::SKINS, i);
            if (FileExists(Layout::SkinPreviewFile(characterFolder, Text(skin, L"preview"))))
                offer.skins.push_back(Text(skin, L"id"));
        }
        const DataContainer* styles = cloth->GetChild(CharacterData::MATERIAL);
        for (std::int32_t i = 0; styles && i < styles->GetChildCount(); ++i)
        {
            const DataContainer* style = styles->GetChild(i);
            if (FileExists(Layout::ClothMaterialPreviewFile(characterFolder, Text(cloth, L"folder"),
                                                            Text(style, L"preview"))))
                offer.styles.push_back(Text(style, L"id"));
        }
        for (std::int32_t c = 0; c < character->GetCount(CharacterData::CATEGORIES); ++c)
        {
            std::vector<DataContainer*> assets;
            character->GetAssetsForCategory(&assets,
                                            character->GetContainerElement(CharacterData::CATEGORIES, c));
            for (DataContainer* asset : assets)
                AddOfferedAsset(asset, characterFolder, offer.assets);
        }
        return offer;
    }

    void AddOfferedAsset(DataContainer* asset, const std::wstring& characterFolder,
                         std::vector<std::int32_t>& out)
    {
        if (!asset || !Available(asset))
            return;
        const bool global = Data2::CheckAssetGlobal(asset);
        const std::wstring folder = Text(asset, L"folder");
        if (asset->GetChildCount() > 0)
        {
            for (std::int32_t i = 0; i < asset->GetChildCount(); ++i)
            {
                DataContainer* material = asset->GetChild(i);
                const std::wstring preview = Text(material, L"preview");
                if (FileExists(global ? Layout::GlobalAssetMaterialPreviewFile(repository, folder, preview)
                                      : Layout::AssetMaterialPreviewFile(characterFolder, folder, preview)))
                    out.push_back(Data2::GetUnique(material));
            }
            return;
        }
        if (FileExists(global ? Layout::GlobalAssetPreviewFile(repository, folder)
                              : Layout::AssetPreviewFile(characterFolder, folder)))
            out.push_back(Data2::GetUnique(asset));
    }

    // Builds in a fresh scene and checks the materials and textures of every node.
    void BuildAndCheck(const std::wstring& what)
    {
        Host::NewScene();
        ObjectDatabase::Clear();
        log.Clear();
        INode* parent = Builder::BuildCharacter();
        ASSERT_NE(parent, nullptr) << what;
        ++builds;
        EXPECT_EQ(log.Count(DEBUG_INFO, L"Could not find material"), 0) << what;
        EXPECT_EQ(log.Count(DEBUG_INFO, L"Could not find material in lib"), 0) << what;
        EXPECT_EQ(log.Count(DEBUG_ERROR, L"could not find asset matrix..."), 0) << what;
        const std::wstring maps = Layout::GlobalMapsFolder(repository);
        for (int i = 0; i < parent->NumberOfChildren(); ++i)
        {
            INode* node = parent->GetChildNode(i);
            const std::wstring name = hostsdk::ToWide(node->GetName());
            ++nodes;
            Mtl* material = node->GetMtl();
            EXPECT_NE(material, nullptr) << what << ": " << name;
            std::set<MtlBase*> seen;
            std::vector<std::wstring> files;
            CollectBitmaps(material, seen, files);
            for (const std::wstring& file : files)
            {
                ++textures;
                EXPECT_EQ(file.rfind(maps, 0), 0u) << what << ": " << name << ": " << file;
                EXPECT_TRUE(FileExists(file)) << what << ": " << name << ": " << file;
            }
        }
    }

    std::wstring repository;
    TempFolder settingsFolder;
    LocalAppData appData{settingsFolder.Path()};
    CleanModel model;
    MessageLog log;
    int builds = 0;
    int nodes = 0;
    int textures = 0;
};
} // namespace

TEST_F(BuilderSampleTest, EverythingTheWindowOffersFindsItsMaterialsAndTextures)
{
    ASSERT_GT(Data2::GetCharacterCount(), 0);
    std::set<std::wstring> builtCharacters;
    for (std::int32_t c = 0; c < Data2::GetCharacterCount(); ++c)
    {
        CharacterData* character = Data2::GetCharacter(c);
        if (!Available(character))
            continue;
        const std::wstring characterId = Text(character, L"id");
        const std::wstring characterFolder = Text(character, L"folder");
        for (std::int32_t k = 0; k < character->GetCount(CharacterData::CLOTH); ++k)
        {
            DataContainer* cloth = character->GetContainerElement(CharacterData::CLOTH, k);
            if (!Available(cloth))
                continue;
            const std::wstring clothId = Text(cloth, L"id");
            for (std::int32_t p = 0; p < character->GetCount(CharacterData::POSES); ++p)
            {
                const DataContainer* pose = character->GetContainerElement(CharacterData::POSES, p);
                const std::wstring poseId = Text(pose, L"id");
                if (!Available(pose) ||
                    !FileExists(Layout::PosePreviewFile(characterFolder, clothId, poseId)) ||
                    !FileExists(
                        Layout::ClothMeshFile(characterFolder, Text(cloth, L"folder"), clothId, poseId)))
                    continue;
                Selection2::Clear();
                Selection2::SetCharacter(characterId.c_str());
                Selection2::SetCloth(clothId.c_str());
                Selection2::SetPose(poseId.c_str());
                const Offer offer = Offered(character, cloth);
                if (offer.styles.empty() || offer.skins.empty())
                    continue;
                for (std::int32_t unique : offer.assets)
                    Selection2::AddAsset(unique);
                // Every skin and every cloth material at least once, all offered assets each time.
                const std::size_t rounds = std::max(offer.styles.size(), offer.skins.size());
                for (std::size_t r = 0; r < rounds; ++r)
                {
                    const std::wstring& style = offer.styles[r % offer.styles.size()];
                    const std::wstring& skin = offer.skins[r % offer.skins.size()];
                    Selection2::SetStyle(style.c_str());
                    Selection2::SetSkin(skin.c_str());
                    BuildAndCheck(characterId + L"/" + clothId + L"/" + poseId + L"/" + style + L"/" + skin);
                }
                builtCharacters.insert(characterId);
            }
        }
    }
    // The sample's buildable characters, with a fair number of nodes and textures between them.
    EXPECT_EQ(builtCharacters, (std::set<std::wstring>{L"anna", L"ben", L"zoe"}));
    EXPECT_GT(builds, 10);
    EXPECT_GT(nodes, 5 * builds);
    EXPECT_GT(textures, nodes);
}
