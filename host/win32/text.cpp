#include "win32/text.h"

namespace win32
{
std::size_t EncodeUtf8(char32_t cp, char* out)
{
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = 0xFFFD;
    if (cp < 0x80)
    {
        out[0] = static_cast<char>(cp);
        return 1;
    }
    if (cp < 0x800)
    {
        out[0] = static_cast<char>(0xC0 | (cp >> 6));
        out[1] = static_cast<char>(0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000)
    {
        out[0] = static_cast<char>(0xE0 | (cp >> 12));
        out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (cp & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (cp >> 18));
    out[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (cp & 0x3F));
    return 4;
}

std::string WideToUtf8(std::wstring_view text)
{
    std::string out(4 * text.size(), '\0');
    std::size_t n = 0;
    for (wchar_t c : text)
        n += EncodeUtf8(static_cast<char32_t>(c), out.data() + n);
    out.resize(n);
    return out;
}

std::wstring Utf8ToWide(std::string_view text)
{
    std::wstring out;
    Utf8ToWide(text, out);
    return out;
}

void Utf8ToWide(std::string_view text, std::wstring& out)
{
    out.resize(text.size());
    out.resize(Utf8ToWide(text, out.data()));
}

std::size_t Utf8ToWide(std::string_view text, wchar_t* out)
{
    // Most text is ASCII: one code unit per byte.
    std::size_t n = 0;
    while (n < text.size() && static_cast<unsigned char>(text[n]) < 0x80)
    {
        out[n] = static_cast<wchar_t>(text[n]);
        ++n;
    }
    std::size_t i = n;
    while (i < text.size())
    {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t cp = 0;
        char32_t min = 0;
        if (lead < 0x80)
        {
            cp = lead;
        }
        else if ((lead & 0xE0) == 0xC0)
        {
            extra = 1;
            cp = lead & 0x1F;
            min = 0x80;
        }
        else if ((lead & 0xF0) == 0xE0)
        {
            extra = 2;
            cp = lead & 0x0F;
            min = 0x800;
        }
        else if ((lead & 0xF8) == 0xF0)
        {
            extra = 3;
            cp = lead & 0x07;
            min = 0x10000;
        }
        else
        {
            out[n++] = static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        bool ok = i + static_cast<size_t>(extra) < text.size();
        for (int k = 1; ok && k <= extra; ++k)
        {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (c & 0x3F);
        }
        if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        {
            out[n++] = static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        out[n++] = static_cast<wchar_t>(cp);
        i += 1 + static_cast<size_t>(extra);
    }
    return n;
}
} // namespace win32
