#include "HostFixture.h"
#include "TempFolder.h"

#include <fstream>
#include <sstream>
#include <string>

namespace
{
// The example of MaterialLibraryFormat.md, read from the document itself.
std::string ExampleFromFormatDocument()
{
    std::ifstream in(std::string(ZANRET_HOSTSDK_DIR) + "/MaterialLibraryFormat.md");
    std::stringstream text;
    text << in.rdbuf();
    const std::string all = text.str();
    const size_t start = all.find("<?xml");
    const size_t end = all.find("</materialLibrary>");
    if (start == std::string::npos || end == std::string::npos)
        return {};
    return all.substr(start, end + std::string("</materialLibrary>").size() - start);
}

std::wstring BitmapFile(Texmap* map)
{
    auto* bitmap = dynamic_cast<BitmapTex*>(map);
    return bitmap ? hostsdk::ToWide(bitmap->GetMap().GetFileName().data()) : L"<not a bitmap>";
}
} // namespace

using MaterialLibrary = HostTest;

TEST_F(MaterialLibrary, TheDocumentedExampleLoads)
{
    TempFolder folder;
    const std::string example = ExampleFromFormatDocument();
    ASSERT_FALSE(example.empty());
    folder.WriteFile("skin/skin.mat", example);
    const std::wstring path = folder.WidePath() + L"skin\\skin.mat";
    ASSERT_EQ(ip->LoadMaterialLib(hostsdk::FromWide(path).c_str(), nullptr), 1);

    MtlLib& lib = ip->GetMaterialLibrary();
    ASSERT_EQ(lib.Count(), 3);
    EXPECT_EQ(lib.FindMtlByName(MSTR(_M("Jeans"))), 1);
    EXPECT_EQ(lib.FindMtlByName(MSTR(_M("jeans"))), -1);

    auto* skin = static_cast<Mtl*>(lib[0]);
    EXPECT_EQ(skin->ClassID(), kStandardMaterialClassID);
    EXPECT_EQ(skin->GetSubTexmap(0), nullptr);
    EXPECT_EQ(BitmapFile(skin->GetSubTexmap(1)), L"E:\\old\\textures\\skin_light.jpg");
    for (int i = skin->NumSubTexmaps(); i < 18; ++i)
        EXPECT_EQ(skin->GetSubTexmap(i), nullptr);
    IParamBlock2* block = skin->GetParamBlock(0);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->NumParams(), 2);
    EXPECT_EQ(block->IndextoID(1), 7);
    EXPECT_EQ(block->GetParameterType(7), TYPE_TEXMAP);
    Texmap* mix = block->GetTexmap(7);
    ASSERT_NE(mix, nullptr);
    EXPECT_EQ(mix->ClassID(), kCompositeMapClassID);
    EXPECT_EQ(BitmapFile(mix->GetSubTexmap(0)), L"C:/work/skin_bump.png");
    EXPECT_EQ(BitmapFile(mix->GetParamBlock(0)->GetTexmap(2)), L"mask.png");

    auto* jeans = static_cast<Mtl*>(lib[1]);
    EXPECT_EQ(jeans->ClassID(), Class_ID(MULTI_CLASS_ID, 0));
    ASSERT_EQ(jeans->NumSubMtls(), 2);
    EXPECT_EQ(BitmapFile(jeans->GetSubMtl(0)->GetSubTexmap(1)), L"D:\\tex\\denim.jpg");
    Mtl* buttons = jeans->GetSubMtl(1);
    EXPECT_EQ(buttons->ClassID(), kUnitScaledMtlClassID);
    float scaled = 0.0f;
    Interval valid;
    EXPECT_TRUE(buttons->GetParamBlock(0)->GetValue(22, 0, scaled, valid, 0));
    EXPECT_FLOAT_EQ(scaled, 2.0f);

    auto* hair = static_cast<Mtl*>(lib[2]);
    EXPECT_EQ(hair->GetParamBlock(0)->GetParameterType(3), TYPE_MTL);
    ASSERT_NE(hair->GetParamBlock(0)->GetMtl(3), nullptr);
    EXPECT_EQ(hair->GetParamBlock(0)->GetMtl(3)->GetName(), MSTR(_M("Hair_Base")));
}

TEST_F(MaterialLibrary, ALoadReplacesTheLibraryAndABadFileChangesNothing)
{
    TempFolder folder;
    folder.WriteFile("a.mat",
                     "<materialLibrary><material name=\"A\"/><material name=\"B\"/></materialLibrary>");
    folder.WriteFile("b.mat", "<materialLibrary><material name=\"C\"/></materialLibrary>");
    folder.WriteFile("broken.mat", "<materialLibrary><material name=\"D\"></materialLibrary>");
    folder.WriteFile("slot.mat",
                     "<materialLibrary><material name=\"E\" class=\"multi\">"
                     "<slot index=\"4\"><bitmap file=\"x.png\"/></slot></material></materialLibrary>");
    folder.WriteFile("wrongroot.mat", "<library><material name=\"F\"/></library>");
    folder.WriteFile("noname.mat", "<materialLibrary><material/></materialLibrary>");
    const auto load = [&](const wchar_t* name)
    { return ip->LoadMaterialLib(hostsdk::FromWide(folder.WidePath() + name).c_str(), nullptr); };

    ASSERT_EQ(load(L"a.mat"), 1);
    EXPECT_EQ(ip->GetMaterialLibrary().Count(), 2);
    ASSERT_EQ(load(L"b.mat"), 1);
    EXPECT_EQ(ip->GetMaterialLibrary().Count(), 1);
    EXPECT_EQ(ip->GetMaterialLibrary().FindMtlByName(MSTR(_M("A"))), -1);
    for (const wchar_t* bad : {L"broken.mat", L"slot.mat", L"wrongroot.mat", L"noname.mat", L"missing.mat"})
    {
        EXPECT_EQ(load(bad), 0) << bad;
        EXPECT_EQ(ip->GetMaterialLibrary().FindMtlByName(MSTR(_M("C"))), 0) << bad;
    }
    EXPECT_EQ(ip->LoadMaterialLib(nullptr), 0);
}

TEST_F(MaterialLibrary, AssignedLibraryMaterialsOutliveTheLibrary)
{
    TempFolder folder;
    folder.WriteFile("a.mat", "<materialLibrary><material name=\"Skin\">"
                              "<slot index=\"0\"><bitmap name=\"d\" file=\"E:\\old\\wood.jpg\"/></slot>"
                              "</material></materialLibrary>");
    folder.WriteFile("b.mat", "<materialLibrary><material name=\"Other\"/></materialLibrary>");
    ASSERT_EQ(ip->LoadMaterialLib(hostsdk::FromWide(folder.WidePath() + L"a.mat").c_str()), 1);
    auto* skin = static_cast<Mtl*>(ip->GetMaterialLibrary()[0]);
    INode* node = MakeBoxNode();
    node->SetMtl(skin);
    ASSERT_EQ(ip->LoadMaterialLib(hostsdk::FromWide(folder.WidePath() + L"b.mat").c_str()), 1);

    MtlBaseLib& scene = ip->GetSceneMaterials();
    ASSERT_EQ(scene.FindMtlByName(MSTR(_M("Skin"))), 0);
    EXPECT_EQ(scene[0], skin);
    // Re-pointing the bitmap through the asset manager.
    auto* bitmap = dynamic_cast<BitmapTex*>(skin->GetSubTexmap(0));
    ASSERT_NE(bitmap, nullptr);
    const auto asset = MaxSDK::AssetManagement::IAssetManager::GetInstance()->GetAsset(
        _M("D:\\repo\\maps\\wood.jpg"), MaxSDK::AssetManagement::kBitmapAsset);
    bitmap->SetMap(asset);
    EXPECT_EQ(BitmapFile(bitmap), L"D:\\repo\\maps\\wood.jpg");
    EXPECT_EQ(bitmap->GetMap().GetType(), MaxSDK::AssetManagement::kBitmapAsset);
}
