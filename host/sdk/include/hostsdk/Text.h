#pragma once
// Host text. MCHAR is wchar_t in the wide profile and char (UTF-8) in the 8-bit profile
// (ZANRET_WIDE_TEXT=0); one set of sources builds both.

#include <string>
#include <string_view>

#ifndef ZANRET_WIDE_TEXT
#define ZANRET_WIDE_TEXT 1
#endif

#if ZANRET_WIDE_TEXT
using MCHAR = wchar_t;
#define _M(text) L##text
#else
using MCHAR = char;
#define _M(text) text
#endif

// The host's string type. WStr and MSTR name the same class: its units are MCHAR.
class WStr
{
public:
    WStr() = default;
    WStr(const MCHAR* text) : m_text(text ? text : _M("")) {}
    WStr(std::basic_string_view<MCHAR> text) : m_text(text) {}
    WStr(std::basic_string<MCHAR> text) : m_text(std::move(text)) {}

    const MCHAR* data() const { return m_text.c_str(); }
    const MCHAR* c_str() const { return m_text.c_str(); }
    operator const MCHAR*() const { return m_text.c_str(); }
    int Length() const { return static_cast<int>(m_text.size()); }
    bool isNull() const { return m_text.empty(); }
    const std::basic_string<MCHAR>& str() const { return m_text; }

    WStr& operator+=(const WStr& other)
    {
        m_text += other.m_text;
        return *this;
    }
    friend WStr operator+(const WStr& a, const WStr& b) { return WStr(a.m_text + b.m_text); }
    friend bool operator==(const WStr& a, const WStr& b) { return a.m_text == b.m_text; }
    friend bool operator==(const WStr& a, const MCHAR* b) { return b && a.m_text == b; }

private:
    std::basic_string<MCHAR> m_text;
};

using MSTR = WStr;

namespace hostsdk
{
// Conversions at the boundary between host text and wide text (UTF-8 in the 8-bit profile).
std::wstring ToWide(const MCHAR* text);
std::basic_string<MCHAR> FromWide(std::wstring_view text);
} // namespace hostsdk
