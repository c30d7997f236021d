#include "repository/RepositoryLayout.h"

#include <gtest/gtest.h>

using namespace ZANRET::RepositoryLayout;

// Pieces are joined as written: a repository path from the file dialog ends with a backslash, so
// some paths hold two in a row and the global maps folder only one.
TEST(RepositoryLayout, PathsJoinTheirPiecesUnchanged)
{
    const std::wstring repo = L"C:\\rep\\";
    const std::wstring anna = CharacterFolder(repo, L"anna");
    EXPECT_EQ(CatalogueFile(repo), L"C:\\rep\\\\zanret.xml");
    EXPECT_EQ(anna, L"C:\\rep\\\\anna");
    EXPECT_EQ(GlobalMapsFolder(repo), L"C:\\rep\\maps\\");
    EXPECT_EQ(GlobalMapsFolder(L"C:\\rep"), L"C:\\rep\\maps\\");
    EXPECT_EQ(GlobalMapsFolder(L"/srv/rep/"), L"/srv/rep/maps\\");
    EXPECT_EQ(RepointedTextureFile(GlobalMapsFolder(repo), L"wood", L".jpg"), L"C:\\rep\\maps\\wood.jpg");
    EXPECT_EQ(ClothOverlayFile(repo), L"C:\\rep\\\\overlay110x330.png");
    EXPECT_EQ(ElementOverlayFile(repo), L"C:\\rep\\\\overlay100x300.png");
    EXPECT_EQ(GlobalAssetMeshFile(repo, L"bag"), L"C:\\rep\\\\global_assets\\bag\\asset.vrmesh");
    EXPECT_EQ(ClothPreviewFile(anna, L"c1"), anna + L"\\previews\\preview_c1.png");
    EXPECT_EQ(ClothMeshFile(anna, L"jf", L"c1", L"p1"), anna + L"\\jf\\c1_p1.vrmesh");
    EXPECT_EQ(SpecificAssetMeshFile(anna, L"cap", L"p1"), anna + L"\\cap\\p1.vrmesh");
    EXPECT_EQ(PosePreviewFile(anna, L"c1", L"p1"), anna + L"\\previews\\c1_p1.png");
    EXPECT_EQ(GeneralTextureFolder(anna), anna + L"\\maps\\");
}

// Only a ".." that climbs above the repository folder takes a path out of it, also on a way back
// in; the joins themselves stay as they are.
TEST(RepositoryLayout, PathsThatClimbAboveTheRepositoryLeaveIt)
{
    const std::wstring repo = L"C:\\rep\\";
    const std::wstring anna = CharacterFolder(repo, L"anna");
    EXPECT_TRUE(StaysInRepository(repo, anna));
    EXPECT_TRUE(StaysInRepository(repo, repo));
    EXPECT_TRUE(StaysInRepository(repo, ElementFolder(anna, L"..\\bea\\coat")));
    EXPECT_TRUE(StaysInRepository(repo, ElementFolder(anna, L".\\jeans\\\\..\\")));
    EXPECT_TRUE(StaysInRepository(repo, ClothMeshFile(anna, L"jeans", L"..", L"p1")));
    EXPECT_TRUE(StaysInRepository(repo, L"C:\\rep\\...\\x"));

    const std::wstring outside = CharacterFolder(repo, L"..\\outside");
    EXPECT_EQ(outside, L"C:\\rep\\\\..\\outside");
    EXPECT_FALSE(StaysInRepository(repo, outside));
    EXPECT_FALSE(StaysInRepository(repo, CharacterPreviewsFolder(repo, L"..\\outside")));
    EXPECT_FALSE(StaysInRepository(repo, ElementFolder(anna, L"..\\..\\elsewhere")));
    EXPECT_FALSE(StaysInRepository(repo, ElementFolder(anna, L"../../elsewhere")));
    EXPECT_FALSE(StaysInRepository(repo, ElementFolder(anna, L"..\\..\\rep\\anna")));
    EXPECT_FALSE(StaysInRepository(repo, GlobalAssetMeshFile(repo, L"..\\..\\bag")));
    EXPECT_TRUE(StaysInRepository(repo, GlobalAssetMeshFile(repo, L"..\\bag")));
    EXPECT_FALSE(StaysInRepository(repo, PoseMeshFile(anna, L"stand\\..\\..\\..")));

    // Not below the repository path at all.
    EXPECT_FALSE(StaysInRepository(repo, L"C:\\other\\anna"));
    EXPECT_FALSE(StaysInRepository(L"C:\\rep", L"C:\\rep2\\anna"));
    EXPECT_TRUE(StaysInRepository(L"C:\\rep", L"C:\\rep\\anna"));
    EXPECT_FALSE(StaysInRepository(L"/srv/rep", L"/srv/rep/../x"));
}
