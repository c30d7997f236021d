#include "repository/AssetMatrixFields.h"

#include "repository/Debug.h"

#include "win32/stdlib.h"

#include <cstdint>

namespace ZANRET::AssetMatrixFields
{
bool Announce(const bool (&given)[FIELD_COUNT])
{
    Debug::AddDebugMessage(DEBUG_INFO, L"add asset matrix element...");
    for (int field = 0; field < FIELD_COUNT; ++field)
    {
        if (given[field])
            continue;
        Debug::AddDebugMessage(DEBUG_WARNING, L"Missing datafield:");
        Debug::AddDebugMessage(DEBUG_WARNING, kWideNames[field]);
        if (field == POSE_ID || field == ASSET_ID)
            return false;
    }
    return true;
}

float Number(std::string_view utf8)
{
    // Most numbers of a catalogue are a few plain digits: exact as they stand, without the
    // conversion's look at blanks, signs and exponents.
    constexpr std::size_t kMostDigits = 9;
    std::uint32_t value = 0;
    bool plain = !utf8.empty() && utf8.size() <= kMostDigits;
    for (std::size_t i = 0; plain && i < utf8.size(); ++i)
    {
        plain = utf8[i] >= '0' && utf8[i] <= '9';
        value = 10 * value + static_cast<std::uint32_t>(utf8[i] - '0');
    }
    return plain ? static_cast<float>(value) : static_cast<float>(win32::Utf8Atof(utf8));
}
} // namespace ZANRET::AssetMatrixFields
