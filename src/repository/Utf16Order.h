#pragma once
// Orders wide strings as their UTF-16 code units would order, taken as unsigned 16-bit numbers.
// A wchar_t here holds a whole code point, so characters above U+FFFF are compared through their
// surrogate pairs: they sort before U+E000..U+FFFF, as they would in UTF-16.

#include <string_view>

namespace ZANRET
{
// Negative, zero or positive, like wcscmp. A text sorts after every proper prefix of it.
int CompareUtf16(std::wstring_view left, std::wstring_view right);

// The comparator of every map keyed by wide strings in the model.
struct Utf16Less
{
    using is_transparent = void;
    bool operator()(std::wstring_view left, std::wstring_view right) const
    {
        return CompareUtf16(left, right) < 0;
    }
};
} // namespace ZANRET
