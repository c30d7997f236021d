#include "repository/RepositoryLayout.h"

#include <gtest/gtest.h>

using namespace ZANRET::RepositoryLayout;

// Pieces are joined as written: a repository path from the file dialog ends with a backslash.
TEST(RepositoryLayout, PathsJoinTheirPiecesUnchanged)
{
    const std::wstring repo = L"C:\\rep\\";
    const std::wstring anna = CharacterFolder(repo, L"anna");
    EXPECT_EQ(CatalogueFile(repo), L"C:\\rep\\\\zanret.xml");
    EXPECT_EQ(anna, L"C:\\rep\\\\anna");
    EXPECT_EQ(CharacterPreviewsFolder(repo, L"anna"), L"C:\\rep\\\\anna\\previews");
    EXPECT_EQ(CharacterSkinFolder(repo, L"anna"), L"C:\\rep\\\\anna\\skin");
    EXPECT_EQ(ElementFolder(anna, L"jeans"), anna + L"\\jeans");
    EXPECT_EQ(ClothPreviewFile(anna, L"c1"), anna + L"\\previews\\preview_c1.png");
    EXPECT_EQ(GlobalAssetFolder(repo, L"bag"), L"C:\\rep\\\\global_assets\\bag");
    EXPECT_EQ(GeneralTextureFolder(anna), anna + L"\\maps\\");
    EXPECT_EQ(GlobalMapsFolder(repo), L"C:\\rep\\maps\\");
    EXPECT_EQ(PoseMeshFile(anna, L"std"), anna + L"\\std\\pose.vrmesh");
    EXPECT_EQ(ClothMeshFile(anna, L"jf", L"c1", L"p1"), anna + L"\\jf\\c1_p1.vrmesh");
    EXPECT_EQ(AssetMeshFile(anna, L"cap"), anna + L"\\cap\\asset.vrmesh");
    EXPECT_EQ(SpecificAssetMeshFile(anna, L"cap", L"p1"), anna + L"\\cap\\p1.vrmesh");
    EXPECT_EQ(GlobalAssetMeshFile(repo, L"bag"), L"C:\\rep\\\\global_assets\\bag\\asset.vrmesh");
    EXPECT_EQ(SkinLibraryFile(anna), anna + L"\\skin\\skin.mat");
    EXPECT_EQ(ClothLibraryFile(anna, L"jf"), anna + L"\\jf\\materials.mat");
    EXPECT_EQ(AssetLibraryFile(anna, L"cap"), anna + L"\\cap\\materials.mat");
    EXPECT_EQ(GlobalAssetLibraryFile(repo, L"bag"), L"C:\\rep\\\\global_assets\\bag\\materials.mat");
    EXPECT_EQ(CharacterMaterialsLibraryFile(anna), anna + L"\\materials.mat");
    EXPECT_EQ(CharacterPropsLibraryFile(anna), anna + L"\\props.mat");
    EXPECT_EQ(GlobalAssetsLibraryFile(repo), L"C:\\rep\\\\global_assets\\materials.mat");
    EXPECT_EQ(RepointedTextureFile(GlobalMapsFolder(repo), L"wood", L".jpg"), L"C:\\rep\\maps\\wood.jpg");
    EXPECT_EQ(ClothOverlayFile(repo), L"C:\\rep\\\\overlay110x330.png");
    EXPECT_EQ(ElementOverlayFile(repo), L"C:\\rep\\\\overlay100x300.png");
    EXPECT_EQ(PosePreviewFile(anna, L"c1", L"p1"), anna + L"\\previews\\c1_p1.png");
    EXPECT_EQ(SkinPreviewFile(anna, L"pale.png"), anna + L"\\skin\\pale.png");
    EXPECT_EQ(ClothMaterialPreviewFile(anna, L"jf", L"blue.png"), anna + L"\\jf\\blue.png");
    EXPECT_EQ(AssetPreviewFile(anna, L"cap"), anna + L"\\cap\\preview.png");
    EXPECT_EQ(GlobalAssetPreviewFile(repo, L"bag"), L"C:\\rep\\\\global_assets\\bag\\preview.png");
    EXPECT_EQ(AssetMaterialPreviewFile(anna, L"cap", L"red.png"), anna + L"\\cap\\red.png");
    EXPECT_EQ(GlobalAssetMaterialPreviewFile(repo, L"bag", L"red.png"),
              L"C:\\rep\\\\global_assets\\bag\\red.png");
}
