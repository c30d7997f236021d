// The comparator and the field store against plain models of what they must do: a walk over the
// UTF-16 code units of both texts, and an ordered map keyed by it.

#include "repository/Utf16Order.h"
#include "repository/DataFields.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace ZANRET;

namespace
{
std::vector<std::uint32_t> Utf16Units(const std::wstring& text)
{
    std::vector<std::uint32_t> units;
    for (wchar_t c : text)
    {
        const auto cp = static_cast<std::uint32_t>(c);
        if (cp >= 0x10000 && cp <= 0x10FFFF)
        {
            units.push_back(0xD800 + ((cp - 0x10000) >> 10));
            units.push_back(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
        else
            units.push_back(cp);
    }
    return units;
}

int ReferenceCompare(const std::wstring& a, const std::wstring& b)
{
    const std::vector<std::uint32_t> x = Utf16Units(a);
    const std::vector<std::uint32_t> y = Utf16Units(b);
    return x < y ? -1 : (y < x ? 1 : 0);
}

struct ReferenceLess
{
    bool operator()(const std::wstring& a, const std::wstring& b) const { return ReferenceCompare(a, b) < 0; }
};

// Short texts over characters where the UTF-16 order differs from code point order: both sides of
// the surrogate range, above the BMP, lone surrogates that pair up with a neighbour.
std::wstring RandomText(std::mt19937& random)
{
    static const wchar_t alphabet[] = {L'a',   L'b',   L'A',   L':',    0xE9,    0xD7FF,  0xD83D,
                                       0xDE00, 0xE000, 0xFFFF, 0x10000, 0x1F600, 0x10FFFF};
    std::wstring text;
    for (std::uint32_t n = random() % 4; n > 0; --n)
        text += alphabet[random() % (sizeof alphabet / sizeof *alphabet)];
    return text;
}
} // namespace

TEST(Utf16Order, AgreesWithAWalkOverTheCodeUnits)
{
    std::mt19937 random(11);
    for (int i = 0; i < 200000; ++i)
    {
        const std::wstring a = RandomText(random);
        const std::wstring b = random() % 4 ? RandomText(random) : a + RandomText(random);
        const int expected = ReferenceCompare(a, b);
        const int compared = CompareUtf16(a, b);
        ASSERT_EQ((compared > 0) - (compared < 0), expected) << i;
    }
    // Above the BMP before U+E000, and a character equal to the lone surrogates it is made of.
    EXPECT_LT(CompareUtf16(L"x\U0001F600", L"x\uE000"), 0);
    EXPECT_EQ(CompareUtf16(L"\U0001F600", std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}), 0);
}

TEST(DataFields, BehaveAsAMapInUtf16OrderAndKeepTheirTextsInPlace)
{
    std::mt19937 random(12);
    for (int round = 0; round < 2000; ++round)
    {
        DataFields fields;
        std::map<std::wstring, std::wstring, ReferenceLess> model;
        // What Find gave for each name, which must stay as it was until that name is set again.
        std::map<std::wstring, std::pair<const wchar_t*, std::wstring>, ReferenceLess> seen;
        const auto set = [&](const std::wstring& name, const std::wstring& value)
        {
            model.insert_or_assign(name, value);
            seen.erase(name);
        };
        // The first fields come at once, as the reader gives them, repeated names included.
        std::vector<std::wstring> texts;
        for (std::uint32_t n = random() % 6; n > 0; --n)
        {
            texts.push_back(RandomText(random));
            texts.push_back(RandomText(random));
        }
        std::vector<FieldText> batch;
        for (std::size_t i = 0; i < texts.size(); i += 2)
        {
            batch.push_back({texts[i], texts[i + 1]});
            set(texts[i], texts[i + 1]);
        }
        fields.SetAll(batch.data(), batch.size());
        for (int step = 0; step < 12; ++step)
        {
            const std::wstring name = RandomText(random);
            if (random() % 2)
            {
                const std::wstring value = RandomText(random);
                fields.Set(name, value);
                set(name, value);
            }
            const wchar_t* found = fields.Find(name);
            const auto it = model.find(name);
            ASSERT_EQ(found != nullptr, it != model.end());
            if (found)
            {
                ASSERT_EQ(std::wstring(found), it->second);
                seen.emplace(name, std::make_pair(found, it->second));
            }
            ASSERT_EQ(fields.Count(), model.size());
            for (const auto& [key, text] : seen)
                ASSERT_EQ(std::wstring(text.first), text.second);
        }
    }
}
