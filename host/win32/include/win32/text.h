#pragma once
// UTF-8 <-> wide text. A wchar_t here holds a whole code point.

#include <string>
#include <string_view>

namespace win32
{
std::string WideToUtf8(std::wstring_view text);
// The UTF-8 bytes of one code point, U+FFFD for one that UTF-8 cannot hold; how many (1 to 4).
std::size_t EncodeUtf8(char32_t cp, char* out);
// Malformed UTF-8 sequences become U+FFFD.
std::wstring Utf8ToWide(std::string_view text);
// The same into an existing string, which keeps its storage for the next text.
void Utf8ToWide(std::string_view text, std::wstring& out);
// The same into memory for at least text.size() units; the number of units written.
std::size_t Utf8ToWide(std::string_view text, wchar_t* out);
} // namespace win32
