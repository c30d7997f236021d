#include "repository/RepositoryLayout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

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

namespace
{
// The rule written segment by segment, for every path.
bool PlainStaysInRepository(const std::wstring& repositoryPath, const std::wstring& path)
{
    if (path.compare(0, repositoryPath.size(), repositoryPath) != 0 || path.size() < repositoryPath.size())
        return false;
    const std::wstring rest = path.substr(repositoryPath.size());
    const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
    if (!repositoryPath.empty() && !separator(repositoryPath.back()) && !rest.empty() && !separator(rest[0]))
        return false;
    int depth = 0;
    std::wstring segment;
    for (std::size_t i = 0; i <= rest.size(); ++i)
    {
        if (i < rest.size() && !separator(rest[i]))
        {
            segment += rest[i];
            continue;
        }
        if (segment == L"..")
        {
            if (--depth < 0)
                return false;
        }
        else if (!segment.empty() && segment != L".")
            ++depth;
        segment.clear();
    }
    return true;
}
} // namespace

TEST(RepositoryLayout, StaysInRepositoryAgreesWithTheRuleOnRandomPaths)
{
    static const wchar_t* const pieces[] = {L"\\", L"/",   L"\\\\", L".",      L"..",        L"...",
                                            L"a",  L"rep", L"..a",  L"\u00e9", L"\U0001F600"};
    std::mt19937 random(41);
    for (int i = 0; i < 100000; ++i)
    {
        std::wstring repository = random() % 2 ? L"C:\\rep\\" : L"C:\\rep";
        std::wstring path = random() % 8 ? repository : L"C:\\re";
        for (std::uint32_t n = random() % 7; n > 0; --n)
            path += pieces[random() % (sizeof pieces / sizeof *pieces)];
        ASSERT_EQ(StaysInRepository(repository, path), PlainStaysInRepository(repository, path))
            << std::string(path.begin(), path.end());
    }
}
