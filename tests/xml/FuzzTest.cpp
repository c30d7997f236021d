// Thousands of mutated copies of a full catalogue: the reader never crashes or leaks, and a copy
// that is not well-formed adds nothing to the store.

#include "repository/Data2.h"
#include "repository/MessageLog.h"
#include "repository/Parser2.h"
#include "repository/xml/XmlDocument.h"

#include "TempFolder.h"
#include "TestCatalogue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

using namespace ZANRET;

namespace
{
// The build's sample repository when there is one (its catalogue covers every case of the
// generator), else the tests' own full catalogue; either way copied into the folder.
std::string PrepareRepository(const TempFolder& repository)
{
    namespace fs = std::filesystem;
    if (const char* samples = std::getenv("ZANRET_SAMPLES");
        samples && fs::is_regular_file(fs::path(samples) / "zanret.xml"))
    {
        fs::copy(samples, repository.Path(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        return repository.ReadFile("zanret.xml");
    }
    TestCatalogue::WriteFolders(repository);
    repository.WriteFile("zanret.xml", TestCatalogue::Full());
    return TestCatalogue::Full();
}

std::string Mutate(const std::string& original, std::mt19937& random)
{
    std::string copy = original;
    auto position = [&](std::size_t size)
    { return std::uniform_int_distribution<std::size_t>(0, size)(random); };
    const int kind = std::uniform_int_distribution<int>(0, 3)(random);
    if (kind == 0 || kind == 3)
    {
        const int flips = std::uniform_int_distribution<int>(1, 3)(random);
        static const std::string letters = "azAZ09_-. \"<>&=/!?";
        for (int i = 0; i < flips && !copy.empty(); ++i)
        {
            // Two flips in three put in a plain or a markup character, which often keeps the copy
            // well-formed.
            char& byte = copy[position(copy.size() - 1)];
            if (random() % 3 != 0)
                byte = letters[position(letters.size() - 1)];
            else
                byte ^= static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random));
        }
    }
    if (kind == 1)
        copy.resize(position(copy.size()));
    if (kind == 2 || kind == 3)
    {
        const std::size_t begin = position(copy.size());
        const std::size_t length = position(std::min<std::size_t>(copy.size() - begin, 400));
        const std::string slice = copy.substr(begin, length);
        const int times = std::uniform_int_distribution<int>(1, 3)(random);
        for (int i = 0; i < times; ++i)
            copy.insert(begin + length, slice);
    }
    return copy;
}
} // namespace

TEST(ReaderFuzz, MutatedCataloguesNeverCrashAndMalformedOnesAddNothing)
{
    CleanModel clean;
    MessageLog log;
    TempFolder repository;
    const std::string original = PrepareRepository(repository);
    ASSERT_TRUE(Parser2::ParseRepository(repository.WidePath().c_str()));
    ASSERT_GT(Data2::GetCharacterCount(), 0);

    std::mt19937 random(20261208u);
    int malformed = 0;
    int wellFormed = 0;
    for (int i = 0; i < 3000; ++i)
    {
        const std::string copy = Mutate(original, random);
        repository.WriteFile("zanret.xml", copy);
        XmlDocument probe;
        const bool loads = probe.LoadFile((repository.WidePath() + L"zanret.xml").c_str());
        Data2::Reset();
        log.Clear();
        const bool result = Parser2::ParseRepository(repository.WidePath().c_str());
        if (loads)
        {
            ++wellFormed;
            EXPECT_EQ(log.Count(DEBUG_INFO, L"ParseRepositoryXML: invalid character.xml"), 0) << i;
            continue;
        }
        ++malformed;
        EXPECT_FALSE(result) << i;
        EXPECT_EQ(log.Count(DEBUG_INFO, L"ParseRepositoryXML: invalid character.xml"), 1) << i;
        EXPECT_EQ(Data2::GetCharacterCount(), 0) << i;
        EXPECT_EQ(Data2::GetGlobalAssetCount(), 0) << i;
        EXPECT_EQ(Data2::NextUnique(), 1010) << i;
    }
    // Both kinds must have been exercised for the test to mean anything.
    EXPECT_GT(malformed, 300);
    EXPECT_GT(wellFormed, 250);
}
