#include "repository/RepositoryLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

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

// Each row: repository path, path, and whether the path names the repository or a place below it.
TEST(RepositoryLayout, AFolderIsInsideHoweverItsPathIsSpelled)
{
    struct Row
    {
        const wchar_t* repository;
        const wchar_t* path;
        bool inside;
    };
    static const Row rows[] = {
        // Either separator, also mixed.
        {L"C:\\rep\\", L"C:/rep/anna", true},
        {L"C:/rep/", L"C:\\rep\\anna", true},
        {L"C:\\rep", L"C:/rep\\anna/coat", true},
        {L"C:/rep/", L"C:\\rep2\\anna", false},
        // A run of separators is one.
        {L"C:\\rep\\\\", L"C:\\rep\\anna", true},
        {L"C:\\rep\\", L"C:\\\\rep\\\\\\anna", true},
        {L"C:\\\\rep\\\\", L"C:\\rep\\\\..\\anna", false},
        // A trailing separator and "." change nothing; "rep." is another name.
        {L"C:\\rep\\", L"C:\\rep", true},
        {L"C:\\rep", L"C:\\rep\\", true},
        {L"C:\\rep\\.\\", L"C:\\.\\rep\\anna\\.", true},
        {L"C:\\rep\\.", L"C:\\rep.\\anna", false},
        {L"C:\\rep\\", L"C:\\rep\\.\\..\\anna", false},
        // ".." takes back the segment before it, in the repository path too.
        {L"C:\\rep", L"C:\\rep\\anna\\..\\bea", true},
        {L"C:\\x\\..\\rep\\", L"C:\\rep\\anna", true},
        {L"C:\\x\\..\\rep\\", L"C:\\x\\..\\rep\\anna", true},
        {L"C:\\rep\\anna\\..", L"C:/rep/bea", true},
        {L"C:\\x\\..\\rep\\", L"C:\\x\\anna", false},
        {L"C:\\rep\\anna\\..", L"C:\\rep\\anna\\..\\..\\rep\\bea", false},
        {L"..\\rep", L"..\\rep\\anna", true},
        {L"..\\rep", L"rep\\anna", false},
        // Inside: the repository's segments begin the path's.
        {L"C:\\rep", L"C:\\rep", true},
        {L"C:\\rep\\anna", L"C:\\rep", false},
        {L"C:\\rep", L"C:\\rep\\...\\x", true},
        {L"C:\\rep", L"C:\\rep\\..a", true},
        {L"/srv/rep/", L"\\srv\\rep\\anna", true},
        {L"/srv/rep", L"srv/rep/anna", false},
        {L"srv/rep", L"/srv/rep/anna", false},
        // Names compare exactly.
        {L"C:\\Rep", L"C:\\Rep\\anna", true},
        {L"C:\\rep", L"C:\\Rep\\anna", false},
        {L"c:\\rep\\", L"C:\\rep\\anna", false},
        {L"/srv/r\u00e9p", L"/srv/re\u0301p/anna", false},
        // A path that climbs above the repository is outside, also on a way back in and also
        // before it reaches the repository.
        {L"C:\\rep\\", L"C:\\rep\\\\..\\outside", false},
        {L"C:/rep/", L"C:\\rep\\anna\\..\\..\\elsewhere", false},
        {L"C:\\rep", L"C:\\rep\\anna\\..\\..\\rep\\anna", false},
        {L"C:\\rep\\", L"C:\\rep\\anna\\stand\\..\\..\\..", false},
        {L"C:\\rep", L"C:\\rep\\..", false},
        {L"C:\\rep\\", L"C:\\x\\..\\rep\\anna", false},
        {L"/srv/rep", L"/srv/rep/../rep/x", false},
        // A sibling whose name begins with the repository's.
        {L"C:\\rep", L"C:\\rep2\\anna", false},
        {L"C:\\rep\\", L"C:/rep2", false},
        {L"C:\\rep2", L"C:\\rep\\anna", false},
        // An empty repository path holds nothing, and an empty path is nowhere.
        {L"", L"C:\\rep\\anna", false},
        {L"", L"anna", false},
        {L"", L"", false},
        {L"C:\\rep", L"", false},
    };
    for (const Row& row : rows)
    {
        EXPECT_EQ(StaysInRepository(row.repository, row.path), row.inside)
            << testing::PrintToString(std::wstring(row.repository)) << " "
            << testing::PrintToString(std::wstring(row.path));
    }
}

namespace
{
// The segments of a path as written: empty and "." ones dropped.
std::vector<std::wstring> Written(const std::wstring& path)
{
    std::vector<std::wstring> segments(1);
    for (const wchar_t c : path)
    {
        if (c == L'\\' || c == L'/')
            segments.emplace_back();
        else
            segments.back() += c;
    }
    std::erase_if(segments, [](const std::wstring& s) { return s.empty() || s == L"."; });
    return segments;
}

// The segments with each ".." taking back the name before it; one with none before it stays.
std::vector<std::wstring> Resolved(const std::vector<std::wstring>& written)
{
    std::vector<std::wstring> resolved;
    for (const std::wstring& segment : written)
    {
        if (segment == L".." && !resolved.empty() && resolved.back() != L"..")
            resolved.pop_back();
        else
            resolved.push_back(segment);
    }
    return resolved;
}

// The rule written plainly: the path's segments begin with the repository's, as written or
// resolved, and no ".." after them climbs above the repository.
bool PlainStaysInRepository(const std::wstring& repositoryPath, const std::wstring& path)
{
    const auto rooted = [](const std::wstring& p) { return p[0] == L'\\' || p[0] == L'/'; };
    if (repositoryPath.empty() || path.empty() || rooted(repositoryPath) != rooted(path))
        return false;
    const std::vector<std::wstring> segments = Written(path);
    const std::vector<std::wstring> written = Written(repositoryPath);
    for (const std::vector<std::wstring>& repository : {written, Resolved(written)})
    {
        if (segments.size() < repository.size() ||
            !std::equal(repository.begin(), repository.end(), segments.begin()))
            continue;
        int depth = 0;
        for (std::size_t i = repository.size(); i < segments.size() && depth >= 0; ++i)
            depth += segments[i] == L".." ? -1 : 1;
        if (depth >= 0)
            return true;
    }
    return false;
}
} // namespace

TEST(RepositoryLayout, StaysInRepositoryAgreesWithTheRuleOnRandomPaths)
{
    // Spellings of one folder, and of others near it.
    static const wchar_t* const repositories[] = {
        L"C:\\rep\\",      L"C:\\rep",        L"C:/rep/", L"C:\\\\rep\\\\",  L"C:\\.\\rep",
        L"C:\\x\\..\\rep", L"C:\\rep\\x\\..", L"..\\rep", L"x\\..\\..\\rep", L"\\srv\\rep",
        L"/srv/rep/",      L"C:\\Rep",        L"C:\\rep2"};
    static const wchar_t* const pieces[] = {L"\\", L"/",   L"\\\\", L".",      L"..",         L"...",
                                            L"a",  L"rep", L"..a",  L"\u00e9", L"\U0001F600", L"x"};
    const auto any = [](auto& list, std::mt19937& random)
    { return std::wstring(list[random() % (sizeof list / sizeof *list)]); };
    std::mt19937 random(41);
    for (int i = 0; i < 100000; ++i)
    {
        const std::wstring repository = any(repositories, random);
        std::wstring path = random() % 8 ? any(repositories, random) : L"C:\\re";
        for (std::uint32_t n = random() % 7; n > 0; --n)
            path += any(pieces, random);
        ASSERT_EQ(StaysInRepository(repository, path), PlainStaysInRepository(repository, path))
            << testing::PrintToString(repository) << " " << testing::PrintToString(path);
    }
}
