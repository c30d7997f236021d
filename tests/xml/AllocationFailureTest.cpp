// The store cannot make a character or a global asset: that one is left out, the rest is read.
// The model makes its elements with the nothrow form of new, which this test program replaces so
// that a chosen allocation fails.

#include "repository/Data2.h"
#include "repository/MessageLog.h"
#include "repository/Parser2.h"

#include "TempFolder.h"
#include "TestCatalogue.h"

#include <gtest/gtest.h>

#include <new>

namespace
{
// The number of nothrow allocations still to succeed before one fails; negative: none fails.
int g_allocationsBeforeFailure = -1;
} // namespace

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (g_allocationsBeforeFailure == 0)
    {
        g_allocationsBeforeFailure = -1;
        return nullptr;
    }
    if (g_allocationsBeforeFailure > 0)
        --g_allocationsBeforeFailure;
    try
    {
        return ::operator new(size);
    }
    catch (const std::bad_alloc&)
    {
        return nullptr;
    }
}

using namespace ZANRET;

TEST(ReaderAllocation, ACharacterOrGlobalAssetThatCannotBeMadeIsLeftOut)
{
    CleanModel clean;
    MessageLog log;
    TempFolder repository;
    TestCatalogue::WriteCharacterFolder(repository, "anna");
    repository.WriteFile("zanret.xml",
                         "<zanret><character id=\"a\" folder=\"anna\"><skins><skin id=\"s\"/></skins>"
                         "</character><character id=\"b\" folder=\"anna\"/>"
                         "<globalAssets><asset id=\"g1\"/><asset id=\"g2\"/></globalAssets></zanret>");

    // The first nothrow allocation of the load is the first character.
    g_allocationsBeforeFailure = 0;
    EXPECT_TRUE(Parser2::ParseRepository(repository.WidePath().c_str()));
    EXPECT_EQ(log.Count(DEBUG_WARNING, L"ParseCharacter: could not get new CharacterData"), 1);
    EXPECT_EQ(log.Count(DEBUG_ERROR, L"Could not get memory for CharacterData!"), 1);
    ASSERT_EQ(Data2::GetCharacterCount(), 1);
    EXPECT_EQ(Data2::GetIdOfUnique(1010), std::wstring(L"b"));
    EXPECT_EQ(Data2::GetGlobalAssetCount(), 2);

    // Character a and its skin, character b, then the first global asset.
    Data2::Reset();
    log.Clear();
    g_allocationsBeforeFailure = 3;
    EXPECT_TRUE(Parser2::ParseRepository(repository.WidePath().c_str()));
    EXPECT_EQ(log.Count(DEBUG_ERROR, L"Could not get memory for GlobalAsset!"), 1);
    EXPECT_EQ(Data2::GetCharacterCount(), 2);
    ASSERT_EQ(Data2::GetGlobalAssetCount(), 1);
    EXPECT_EQ(Data2::GetIdOfUnique(Data2::GetUnique(Data2::GetGlobalAsset(0))), std::wstring(L"g2"));
    g_allocationsBeforeFailure = -1;
}
