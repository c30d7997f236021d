#include "BuilderFixture.h"

#include "scene/MaterialTextures.h"
#include "scene/Materials.h"

#include <string>

using namespace ZANRET;
namespace Assets = MaxSDK::AssetManagement;

namespace
{
// A proxy node to hang materials on.
INode* MakeNode()
{
    auto* proxy = static_cast<Object*>(CreateInstance(GEOMOBJECT_CLASS_ID, Builder::kProxyMeshClassID));
    return GetCOREInterface()->CreateObjectNode(proxy);
}

BitmapTex* MakeBitmap(const wchar_t* file)
{
    auto* bitmap = dynamic_cast<BitmapTex*>(
        static_cast<ReferenceTarget*>(CreateInstance(TEXMAP_CLASS_ID, Class_ID(BMTEX_CLASS_ID, 0))));
    bitmap->SetMap(Assets::AssetUser(hostsdk::FromWide(file).c_str(), Assets::kBitmapAsset));
    return bitmap;
}

Mtl* MakeMaterial(Class_ID id)
{
    return dynamic_cast<Mtl*>(static_cast<ReferenceTarget*>(CreateInstance(MATERIAL_CLASS_ID, id)));
}

std::wstring BitmapFile(Texmap* map)
{
    auto* bitmap = dynamic_cast<BitmapTex*>(map);
    return bitmap ? hostsdk::ToWide(bitmap->GetMap().GetFileName().c_str()) : L"<not a bitmap>";
}

class MaterialTest : public BuilderTest
{
protected:
    void SetUp() override
    {
        BuilderTest::SetUp();
        SelectAnna();
        ASSERT_TRUE(Builder::ResolveSelection(&context));
        maps = context.globalMapsFolder;
        characterFolder = context.characterFolder;
        log.Clear();
    }

    std::wstring Library(const std::wstring& relative) const { return characterFolder + relative; }

    Builder::BuildContext context;
    std::wstring maps;
    std::wstring characterFolder;
};
} // namespace

TEST_F(MaterialTest, SecondNodeTakesTheSceneMaterialWithoutLoading)
{
    Host::SetSystemUnit(UNITS_CENTIMETERS, 0.5f);
    INode* first = MakeNode();
    INode* second = MakeNode();
    const std::wstring library = Library(L"\\hair\\materials.mat");
    Builder::AssignMaterial(L"Hair", maps.c_str(), library.c_str(), first, &context);
    ASSERT_NE(first->GetMtl(), nullptr);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"Found material in lib"), 1);
    // Taken from the character's materials.mat, scaled once.
    EXPECT_FLOAT_EQ(first->GetMtl()->GetParamBlock(0)->GetFloat(22), 1.0f);

    log.Clear();
    Builder::AssignMaterial(L"Hair", maps.c_str(), library.c_str(), second, &context);
    EXPECT_EQ(second->GetMtl(), first->GetMtl());
    EXPECT_EQ(log.Count(DEBUG_INFO, L"Found material!"), 1);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"Search in material lib: "), 0);
    EXPECT_FLOAT_EQ(second->GetMtl()->GetParamBlock(0)->GetFloat(22), 1.0f);
}

TEST_F(MaterialTest, LibrariesAreSearchedInOrder)
{
    // In the dress library and the character's materials.mat: the element's own wins.
    INode* shared = MakeNode();
    const std::wstring dress = Library(L"\\dress\\materials.mat");
    Builder::AssignMaterial(L"Shared Name", maps.c_str(), dress.c_str(), shared, &context);
    ASSERT_NE(shared->GetMtl(), nullptr);
    EXPECT_FLOAT_EQ(shared->GetMtl()->GetParamBlock(0)->GetFloat(10), 1.0f);

    // Only in props.mat: found on the third try, each library path logged on the way.
    log.Clear();
    INode* props = MakeNode();
    Builder::AssignMaterial(L"Props Only", maps.c_str(), dress.c_str(), props, &context);
    ASSERT_NE(props->GetMtl(), nullptr);
    std::vector<std::wstring> texts;
    for (const DebugRecord& m : log.Messages())
        texts.push_back(m.text);
    const std::vector<std::wstring> expected{
        L"Search for material: ",    L"Props Only",           L"Search in material lib: ", dress,
        Library(L"\\materials.mat"), Library(L"\\props.mat"), L"Update Material:",         L"Props Only",
        L"set new texture path:",    maps + L"nested.tga",    L"Found material in lib"};
    EXPECT_EQ(texts, expected);

    // Nowhere: nothing assigned.
    log.Clear();
    INode* none = MakeNode();
    Builder::AssignMaterial(L"Velvet", maps.c_str(), dress.c_str(), none, &context);
    EXPECT_EQ(none->GetMtl(), nullptr);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"Could not find material"), 1);

    // A null node: nothing at all.
    log.Clear();
    Builder::AssignMaterial(L"Hair", maps.c_str(), dress.c_str(), nullptr, &context);
    EXPECT_TRUE(log.Messages().empty());
}

TEST_F(MaterialTest, GlobalMaterialFallsBackToTheSharedLibraryOnly)
{
    INode* node = MakeNode();
    const std::wstring own = RepositoryPath(L"\\global_assets\\glasses\\materials.mat");
    Builder::AssignGlobalMaterial(L"Global Fallback", maps.c_str(), own.c_str(), node, &context);
    ASSERT_NE(node->GetMtl(), nullptr);
    EXPECT_EQ(log.Count(DEBUG_INFO, RepositoryPath(L"\\global_assets\\materials.mat")), 1);
    EXPECT_EQ(BitmapFile(node->GetMtl()->GetSubTexmap(1)), maps + L"fallback.png");

    // The character's libraries are not searched for a global asset.
    log.Clear();
    INode* other = MakeNode();
    Builder::AssignGlobalMaterial(L"Props Only", maps.c_str(), own.c_str(), other, &context);
    EXPECT_EQ(other->GetMtl(), nullptr);
    EXPECT_EQ(log.Count(DEBUG_INFO, Library(L"\\props.mat")), 0);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"Could not find material"), 1);
}

TEST_F(MaterialTest, LibraryInAWrongFormatIsALibraryThatDidNotLoad)
{
    // The current library holds the name; the broken file must not leave it to be searched.
    ASSERT_NE(ip->LoadMaterialLib(hostsdk::FromWide(Library(L"\\props.mat")).c_str()), 0);
    ASSERT_GE(ip->GetMaterialLibrary().FindMtlByName(MSTR(_M("Bracelet"))), 0);
    Builder::BuildContext noFallbacks = context;
    const std::wstring elsewhere = RepositoryPath(L"\\nameless");
    noFallbacks.characterFolder = elsewhere.c_str();

    INode* node = MakeNode();
    const std::wstring broken = Library(L"\\broken\\materials.mat");
    Builder::AssignMaterial(L"Bracelet", maps.c_str(), broken.c_str(), node, &noFallbacks);
    EXPECT_EQ(node->GetMtl(), nullptr);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"Could not find material"), 1);

    // With the character's own fallbacks it is found in props.mat.
    Builder::AssignMaterial(L"Bracelet", maps.c_str(), broken.c_str(), node, &context);
    ASSERT_NE(node->GetMtl(), nullptr);
    EXPECT_EQ(BitmapFile(node->GetMtl()->GetSubTexmap(2)), maps + L"bracelet.jpg");
}

TEST_F(MaterialTest, MultiMaterialRepointsOnlyItsSubMaterials)
{
    INode* node = MakeNode();
    Builder::AssignMaterial(L"Dress Red", maps.c_str(), Library(L"\\dress\\materials.mat").c_str(), node,
                            &context);
    Mtl* multi = node->GetMtl();
    ASSERT_NE(multi, nullptr);
    EXPECT_EQ(BitmapFile(multi->GetSubMtl(0)->GetSubTexmap(1)), maps + L"red.jpg");
    EXPECT_EQ(multi->GetSubMtl(1), nullptr);
    EXPECT_EQ(BitmapFile(multi->GetSubMtl(2)->GetSubTexmap(3)), maps + L"lace.png");
    EXPECT_EQ(BitmapFile(multi->GetSubTexmap(0)), L"E:\\old\\tex\\multi_own.jpg");
}

TEST_F(MaterialTest, NestedMapsAreReachedThroughParametersNotSlots)
{
    INode* node = MakeNode();
    Builder::AssignMaterial(L"Props Only", maps.c_str(), Library(L"\\props.mat").c_str(), node, &context);
    ASSERT_NE(node->GetMtl(), nullptr);
    Texmap* mix = node->GetMtl()->GetParamBlock(0)->GetTexmap(7);
    ASSERT_NE(mix, nullptr);
    EXPECT_EQ(BitmapFile(mix->GetParamBlock(0)->GetTexmap(2)), maps + L"nested.tga");
    EXPECT_EQ(BitmapFile(mix->GetSubTexmap(0)), L"E:\\old\\tex\\slot.jpg");
}

TEST_F(MaterialTest, BitmapKeepsFileNameAndExtensionOnly)
{
    const wchar_t* repoMaps = L"D:\\repo\\maps\\";
    struct Case
    {
        std::wstring old;
        std::wstring expected;
    };
    const std::wstring longName(300, L'w');
    const Case cases[] = {
        {L"E:\\old\\tex\\wood.jpg", L"D:\\repo\\maps\\wood.jpg"},
        {L"", L"D:\\repo\\maps\\"},
        {L"C:/work/maps/bark.final.png", L"D:\\repo\\maps\\bark.final.png"},
        {L"\\\\server\\share\\leaf", L"D:\\repo\\maps\\leaf"},
        {L"C:grass.tga", L"D:\\repo\\maps\\grass.tga"},
        {L"moss.jpg", L"D:\\repo\\maps\\moss.jpg"},
        {L"E:\\deep\\" + longName + L".jpg", L"D:\\repo\\maps\\" + longName + L".jpg"},
    };
    for (const Case& c : cases)
    {
        BitmapTex* bitmap = MakeBitmap(c.old.c_str());
        Builder::RelinkBitmap(bitmap, repoMaps);
        EXPECT_EQ(BitmapFile(bitmap), c.expected) << c.old;
        EXPECT_EQ(bitmap->GetMap().GetType(), Assets::kBitmapAsset);
    }
}

TEST_F(MaterialTest, UnitScaledParameterIsMultipliedOnEveryVisit)
{
    Host::SetSystemUnit(UNITS_CENTIMETERS, 0.5f);
    ASSERT_FLOAT_EQ(Builder::GetUnitScale().x, 0.5f);
    Mtl* scaled = MakeMaterial(Builder::kUnitScaledMaterialClassID);
    IParamBlock2* block = scaled->GetParamBlock(0);
    ASSERT_TRUE(block->DefineParam(22, TYPE_FLOAT));
    block->SetValue(22, 0, 2.0f);
    Builder::RelinkTextures(scaled, maps.c_str());
    EXPECT_FLOAT_EQ(block->GetFloat(22), 1.0f);

    // Reached twice in one walk: multiplied twice.
    Mtl* multi = MakeMaterial(Class_ID(MULTI_CLASS_ID, 0));
    multi->SetSubMtl(0, scaled);
    multi->SetSubMtl(1, scaled);
    Builder::RelinkTextures(multi, maps.c_str());
    EXPECT_FLOAT_EQ(block->GetFloat(22), 0.25f);

    // Parameter 22 of another class is left alone.
    Mtl* plain = MakeMaterial(Class_ID(0x2, 0));
    plain->GetParamBlock(0)->DefineParam(22, TYPE_FLOAT);
    plain->GetParamBlock(0)->SetValue(22, 0, 2.0f);
    Builder::RelinkTextures(plain, maps.c_str());
    EXPECT_FLOAT_EQ(plain->GetParamBlock(0)->GetFloat(22), 2.0f);
}

TEST_F(MaterialTest, MaterialThatHoldsItselfIsWalkedOnce)
{
    Mtl* loop = MakeMaterial(Class_ID(0x2, 0));
    loop->SetSubTexmap(1, MakeBitmap(L"E:\\old\\loop.jpg"));
    IParamBlock2* block = loop->GetParamBlock(0);
    ASSERT_TRUE(block->DefineParam(5, TYPE_MTL));
    block->SetValue(5, 0, loop);
    Builder::RelinkTextures(loop, maps.c_str());
    EXPECT_EQ(BitmapFile(loop->GetSubTexmap(1)), maps + L"loop.jpg");
    EXPECT_EQ(log.Count(DEBUG_INFO, L"set new texture path:"), 1);
    block->SetValue(5, 0, static_cast<Mtl*>(nullptr));
}

// Libraries beside the repository hold the material, but are never loaded: not as the element's
// library, nor as the fallbacks of a character folder out there.
TEST_F(MaterialTest, LibrariesOutsideTheRepositoryAreNotLoaded)
{
    for (const char* library : {"props.mat", "materials.mat", "hair/materials.mat"})
        beside.WriteFile(library, repository.ReadFile("anna/props.mat"));
    INode* node = MakeNode();
    const std::wstring outside = Library(L"\\..\\..\\" + BesideName() + L"\\hair\\materials.mat");
    Builder::AssignMaterial(L"Bracelet", maps.c_str(), outside.c_str(), node, &context);
    // Found in the character's own props.mat, not in the one beside the repository.
    ASSERT_NE(node->GetMtl(), nullptr);
    EXPECT_EQ(log.Count(DEBUG_ERROR, outside), 1);

    Builder::BuildContext besideContext = context;
    const std::wstring besideFolder = RepositoryPath(L"\\..\\" + BesideName());
    besideContext.characterFolder = besideFolder.c_str();
    INode* other = MakeNode();
    log.Clear();
    Builder::AssignMaterial(L"Props Only", maps.c_str(), outside.c_str(), other, &besideContext);
    EXPECT_EQ(other->GetMtl(), nullptr);
    EXPECT_EQ(log.Count(DEBUG_ERROR, L"Builder::IsInRepository: path leaves the repository folder"), 3);
    EXPECT_EQ(log.Count(DEBUG_INFO, L"Could not find material"), 1);
}
