#include "XmlEscape.h"

namespace ZANRET::Samples
{
std::string EscapeAttribute(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char ch : text)
    {
        switch (ch)
        {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        case '\t':
            escaped += "&#9;";
            break;
        case '\n':
            escaped += "&#10;";
            break;
        case '\r':
            escaped += "&#13;";
            break;
        default:
            // Other control characters cannot stand in XML 1.0 at all; drop them.
            if (static_cast<unsigned char>(ch) >= 0x20)
                escaped += ch;
        }
    }
    return escaped;
}
} // namespace ZANRET::Samples
