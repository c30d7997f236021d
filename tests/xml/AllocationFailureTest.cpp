// Reading and validating a catalogue when memory runs out. A character or global asset that the
// store cannot make is left out and the rest is read. Any other allocation that fails ends the read
// with false: no exception escapes, the store holds only whole elements, and nothing leaks (which
// the sanitizer build checks at exit). This program replaces the allocation functions, its own and
// libxml2's, so that a chosen one fails.

#include "repository/Data2.h"
#include "repository/MessageLog.h"
#include "repository/Parser2.h"
#include "repository/Settings.h"

#include "TempFolder.h"
#include "TestCatalogue.h"
#include "repository/LocalAppData.h"

#include <libxml/xmlmemory.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <set>
#include <string>

namespace
{
struct AllocationFailure
{
    // Every allocation is counted; the one with this number fails. Negative: none.
    long counted = 0;
    long failAt = -1;
    // Else the nothrow allocation of this size, after this many others of the size, fails.
    std::size_t size = 0;
    int sizedBefore = -1;
};
AllocationFailure g_failure;

bool Fails(std::size_t size, bool nothrow)
{
    const long number = g_failure.counted++;
    if (nothrow && size == g_failure.size && g_failure.sizedBefore >= 0 && g_failure.sizedBefore-- == 0)
        return true;
    return number == g_failure.failAt;
}

void* Allocate(std::size_t size, bool nothrow)
{
    return Fails(size, nothrow) ? nullptr : std::malloc(size ? size : 1);
}

void* XmlMalloc(std::size_t size)
{
    return Allocate(size, true);
}

void* XmlRealloc(void* memory, std::size_t size)
{
    return Fails(size, true) ? nullptr : std::realloc(memory, size);
}

char* XmlStrdup(const char* text)
{
    const std::size_t size = std::strlen(text) + 1;
    auto* copy = static_cast<char*>(Allocate(size, true));
    return copy ? static_cast<char*>(std::memcpy(copy, text, size)) : nullptr;
}

// libxml2's allocations count from the start of the program.
const bool g_xmlCounted = xmlMemSetup(&std::free, &XmlMalloc, &XmlRealloc, &XmlStrdup) == 0;
} // namespace

// Every allocation below comes from malloc, so free is the matching release.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size)
{
    if (void* memory = Allocate(size, false))
        return memory;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    return operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size, true);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size, true);
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

// What a constructor that throws under the nothrow form of new gives back.
void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}

using namespace ZANRET;

namespace
{
// Every field that the test catalogue gives, to compare elements by.
const wchar_t* const kFields[] = {L"id",       L"name",     L"folder",      L"url",       L"preview",
                                  L"material", L"type",     L"globalID",    L"category",  L"selection",
                                  L"required", L"asset_id", L"material_id", L"available", L"version"};

std::wstring Describe(const DataContainer* element)
{
    std::wstring text = std::to_wstring(element->GetDataCount()) + L":";
    bool found = false;
    for (const wchar_t* field : kFields)
    {
        if (element->CheckDatafield(field))
            text += std::wstring(field) + L"=" + element->GetData(field, &found) + L";";
    }
    for (std::int32_t i = 0; i < element->GetChildCount(); ++i)
        text += L"{" + Describe(element->GetChild(i)) + L"}";
    return text;
}

// A character with its lists, leaving out one element of one list when asked.
std::wstring DescribeCharacter(const CharacterData* character, int skippedList = -1,
                               std::int32_t skipped = -1)
{
    std::wstring text = Describe(character);
    for (int list = CharacterData::SKINS; list <= CharacterData::ASSETS; ++list)
    {
        const auto which = static_cast<CharacterData::CONTAINER>(list);
        text += L"[";
        for (std::int32_t i = 0; i < character->GetCount(which); ++i)
        {
            if (list != skippedList || i != skipped)
                text += L"{" + Describe(character->GetContainerElement(which, i)) + L"}";
        }
        text += L"]";
    }
    return text;
}

// The characters and global assets of the store, each with everything below it.
std::set<std::wstring> Store()
{
    std::set<std::wstring> elements;
    for (std::int32_t c = 0; c < Data2::GetCharacterCount(); ++c)
        elements.insert(DescribeCharacter(Data2::GetCharacter(c)));
    for (std::int32_t g = 0; g < Data2::GetGlobalAssetCount(); ++g)
        elements.insert(L"global " + Describe(Data2::GetGlobalAsset(g)));
    return elements;
}

// The characters of the store, each with one element of one list left out: what a list that
// cannot make an element leaves.
std::set<std::wstring> StoreOneElementShort()
{
    std::set<std::wstring> elements;
    for (std::int32_t c = 0; c < Data2::GetCharacterCount(); ++c)
    {
        const CharacterData* character = Data2::GetCharacter(c);
        for (int list = CharacterData::SKINS; list <= CharacterData::ASSETS; ++list)
        {
            for (std::int32_t i = 0; i < character->GetCount(static_cast<CharacterData::CONTAINER>(list));
                 ++i)
                elements.insert(DescribeCharacter(character, list, i));
        }
    }
    return elements;
}

class ReaderAllocation : public ::testing::Test
{
protected:
    ReaderAllocation()
    {
        TestCatalogue::WriteFolders(repository);
        repository.WriteFile("zanret.xml", TestCatalogue::Full());
    }
    ~ReaderAllocation() override { g_failure = {}; }

    bool Read()
    {
        Data2::Reset();
        return Parser2::ParseRepository(path.c_str());
    }

    CleanModel clean;
    TempFolder repository;
    const std::wstring path = repository.WidePath();
};
} // namespace

TEST_F(ReaderAllocation, ACharacterOrGlobalAssetThatCannotBeMadeIsLeftOut)
{
    ASSERT_TRUE(g_xmlCounted);
    MessageLog log;
    repository.WriteFile("zanret.xml",
                         "<zanret><character id=\"a\" folder=\"anna\"><skins><skin id=\"s\"/></skins>"
                         "</character><character id=\"b\" folder=\"anna\"/>"
                         "<globalAssets><asset id=\"g1\"/><asset id=\"g2\"/></globalAssets></zanret>");

    g_failure.size = sizeof(CharacterData);
    g_failure.sizedBefore = 0;
    EXPECT_TRUE(Read());
    EXPECT_EQ(log.Count(DEBUG_WARNING, L"ParseCharacter: could not get new CharacterData"), 1);
    EXPECT_EQ(log.Count(DEBUG_ERROR, L"Could not get memory for CharacterData!"), 1);
    ASSERT_EQ(Data2::GetCharacterCount(), 1);
    EXPECT_EQ(Data2::GetIdOfUnique(1010), std::wstring(L"b"));
    EXPECT_EQ(Data2::GetGlobalAssetCount(), 2);

    // The skin of character a is the first element of that size, the first global asset the next.
    log.Clear();
    g_failure.size = sizeof(DataContainer);
    g_failure.sizedBefore = 1;
    EXPECT_TRUE(Read());
    EXPECT_EQ(log.Count(DEBUG_ERROR, L"Could not get memory for GlobalAsset!"), 1);
    EXPECT_EQ(Data2::GetCharacterCount(), 2);
    ASSERT_EQ(Data2::GetGlobalAssetCount(), 1);
    EXPECT_EQ(Data2::GetIdOfUnique(Data2::GetUnique(Data2::GetGlobalAsset(0))), std::wstring(L"g2"));
}

TEST_F(ReaderAllocation, EveryAllocationOfAReadAndAValidationMayFail)
{
    ASSERT_TRUE(g_xmlCounted);
    TempFolder appData;
    LocalAppData localAppData(appData.Path());
    ASSERT_TRUE(Settings::LoadSettings());
    Settings::SetPath(repository.WidePath().c_str());

    g_failure.counted = 0;
    ASSERT_TRUE(Read());
    const long readAllocations = g_failure.counted;
    const std::set<std::wstring> whole = Store();
    const std::set<std::wstring> oneShort = StoreOneElementShort();
    ASSERT_EQ(Data2::GetCharacterCount(), 2);

    int failedReads = 0;
    for (long n = 0; n < readAllocations; ++n)
    {
        g_failure = {0, n};
        bool read = false;
        ASSERT_NO_THROW(read = Read()) << n;
        g_failure.failAt = -1;
        failedReads += read ? 0 : 1;
        // A read that ends early keeps only what it finished, whole; one that goes on may have
        // left out an element that could not be made.
        for (const std::wstring& element : Store())
            EXPECT_TRUE(whole.count(element) == 1 || (read && oneShort.count(element) == 1))
                << n << " " << read;
        // Each unique id still leads to its element.
        for (std::int32_t c = 0; c < Data2::GetCharacterCount(); ++c)
        {
            CharacterData* character = Data2::GetCharacter(c);
            bool found = false;
            EXPECT_STREQ(Data2::GetIdOfUnique(Data2::GetUnique(character)), character->GetData(L"id", &found))
                << n;
        }
    }
    EXPECT_GT(failedReads, readAllocations / 2);

    // Validation marks what it could not confirm as not available, and nothing else.
    ASSERT_TRUE(Read());
    g_failure.counted = 0;
    Data2::Validate();
    const long validationAllocations = g_failure.counted;
    g_failure.failAt = -1;
    const auto available = [] { return Data2::GetCharacter(0)->GetFastFlag(DataContainer::AVAILABLE); };
    ASSERT_TRUE(available());
    const DataContainer* summer = Data2::GetCharacter(0)->GetCloth(L"summer");
    ASSERT_TRUE(summer->GetFastFlag(DataContainer::AVAILABLE));
    for (long n = 0; n < validationAllocations; ++n)
    {
        ASSERT_TRUE(Read());
        g_failure = {0, n};
        ASSERT_NO_THROW(Data2::Validate()) << n;
        g_failure.failAt = -1;
        // A cloth is offered only under an available character, and only where its folder is.
        if (available())
        {
            EXPECT_TRUE(Data2::GetCharacter(0)->GetCloth(L"summer")->GetFastFlag(DataContainer::AVAILABLE))
                << n;
        }
        EXPECT_FALSE(Data2::GetCharacter(0)->GetCloth(L"autumn")->GetFastFlag(DataContainer::AVAILABLE)) << n;
    }
    Data2::Reset();
    Settings::FreeSettings();
}
