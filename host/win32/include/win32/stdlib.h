#pragma once

#include <string_view>

// The leading decimal number of the text (0 when there is none). A decimal point is read whatever
// the process locale says.
double _wtof(const wchar_t* text);

namespace win32
{
// _wtof of the wide form of the UTF-8 text, read without making that form.
double Utf8Atof(std::string_view text);
} // namespace win32
