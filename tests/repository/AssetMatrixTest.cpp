// The asset matrix against a plain list of its records: the first record of a pose and an asset
// is found, and what was found stays as it was while more records come; and a record's numbers
// against the runtime's conversion.

#include "repository/AssetMatrix.h"
#include "repository/AssetMatrixFields.h"

#include "win32/stdlib.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace ZANRET;

TEST(AssetMatrix, FindsTheFirstRecordAsAPlainListWouldAndKeepsWhatItFound)
{
    // Short ids that fit in a string and long ones that do not, and ids of one kind used as the other.
    const std::wstring ids[] = {L"",        L"p", L"pose001", L"pose002", L"a", L"asset_with_a_long_name",
                                L"pose001 "};
    std::mt19937 random(31);
    AssetMatrix matrix;
    std::vector<AssetMatrixElement> plain;
    std::vector<std::pair<const AssetMatrixElement*, AssetMatrixElement>> found;
    for (int i = 0; i < 3000; ++i)
    {
        const std::wstring& pose = ids[random() % 7];
        const std::wstring& asset = ids[random() % 7];
        if (random() % 3 == 0)
        {
            const float values[6] = {float(i), 1.5f, -2, 0, 90, float(-i)};
            matrix.Add(pose, asset, values);
            plain.push_back({pose, asset, values[0], values[1], values[2], values[3], values[4], values[5]});
            continue;
        }
        const AssetMatrixElement* expected = nullptr;
        for (const AssetMatrixElement& record : plain)
        {
            if (record.poseID == pose && record.assetID == asset)
            {
                expected = &record;
                break;
            }
        }
        const AssetMatrixElement* record = matrix.Find(pose, asset);
        ASSERT_EQ(record != nullptr, expected != nullptr);
        if (!record)
            continue;
        EXPECT_EQ(record->poseID, pose);
        EXPECT_EQ(record->assetID, asset);
        EXPECT_EQ(record->xpos, expected->xpos);
        EXPECT_EQ(record->zrot, expected->zrot);
        EXPECT_EQ(record, matrix.Find(pose, asset));
        found.emplace_back(record, *record);
    }
    for (const auto& [record, copy] : found)
    {
        EXPECT_EQ(record->poseID, copy.poseID);
        EXPECT_EQ(record->xpos, copy.xpos);
    }
}

TEST(AssetMatrix, ARecordsNumberIsWhatTheRuntimeConversionReads)
{
    // Plain digits take a short way; everything else the conversion itself. Both must agree.
    std::mt19937 random(1208);
    const std::string alphabet = "0123456789000-+.,eE x";
    for (int i = 0; i < 20000; ++i)
    {
        std::string text(std::uniform_int_distribution<std::size_t>(0, 12)(random), '0');
        const bool digitsOnly = i % 2 == 0;
        for (char& c : text)
            c = alphabet[std::uniform_int_distribution<std::size_t>(0, digitsOnly ? 9 : alphabet.size() - 1)(
                random)];
        EXPECT_EQ(AssetMatrixFields::Number(text), static_cast<float>(win32::Utf8Atof(text))) << text;
    }
    for (const char* text : {"0", "000000000", "999999999", "4294967295", "16777217", "123456789", "0012"})
        EXPECT_EQ(AssetMatrixFields::Number(text), static_cast<float>(win32::Utf8Atof(text))) << text;
}
