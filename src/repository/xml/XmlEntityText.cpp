#include "repository/xml/XmlEntityText.h"

#include <libxml/entities.h>

#include <cstring>

namespace ZANRET::XmlEntityText
{
namespace
{
// libxml2 itself refuses entities nested deeper than this.
constexpr int kMaxEntityDepth = 40;

bool AppendCounted(std::string_view text, std::string& out, std::size_t& budget, bool fromEntity)
{
    if (fromEntity)
    {
        if (text.size() > budget)
            return false;
        budget -= text.size();
    }
    out.append(text);
    return true;
}

void AppendUtf8(unsigned long cp, std::string& out)
{
    if (cp < 0x80)
        out += static_cast<char>(cp);
    else if (cp < 0x800)
        out += {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
    else if (cp < 0x10000)
        out += {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                static_cast<char>(0x80 | (cp & 0x3F))};
    else
        out += {static_cast<char>(0xF0 | (cp >> 18)), static_cast<char>(0x80 | ((cp >> 12) & 0x3F)),
                static_cast<char>(0x80 | ((cp >> 6) & 0x3F)), static_cast<char>(0x80 | (cp & 0x3F))};
}

// A character reference between "&#" and ';'; 0 when it is not one.
unsigned long CharacterReference(std::string_view digits)
{
    const bool hex = !digits.empty() && digits[0] == 'x';
    unsigned long value = 0;
    for (std::size_t i = hex ? 1 : 0; i < digits.size(); ++i)
    {
        const char c = digits[i];
        unsigned long digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned long>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned long>(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned long>(c - 'A' + 10);
        else
            return 0;
        value = value * (hex ? 16 : 10) + digit;
        if (value > 0x10FFFF)
            return 0;
    }
    return value;
}

bool AppendText(const xmlDoc* doc, std::string_view text, std::string& out, std::size_t& budget, int depth)
{
    while (!text.empty())
    {
        const std::size_t amp = text.find('&');
        if (!AppendCounted(text.substr(0, amp), out, budget, depth > 0))
            return false;
        if (amp == std::string_view::npos)
            return true;
        text.remove_prefix(amp + 1);
        const std::size_t semicolon = text.find(';');
        // An unterminated reference ends the text, as in a document tree.
        if (semicolon == std::string_view::npos)
            return true;
        const std::string_view reference = text.substr(0, semicolon);
        text.remove_prefix(semicolon + 1);
        if (!reference.empty() && reference[0] == '#')
        {
            if (const unsigned long cp = CharacterReference(reference.substr(1)))
            {
                std::string character;
                AppendUtf8(cp, character);
                if (!AppendCounted(character, out, budget, depth > 0))
                    return false;
            }
            continue;
        }
        if (depth >= kMaxEntityDepth)
            return false;
        const std::string name(reference);
        const xmlEntity* entity = xmlGetDocEntity(doc, reinterpret_cast<const xmlChar*>(name.c_str()));
        if (!entity || !entity->content)
            continue;
        const auto* content = reinterpret_cast<const char*>(entity->content);
        const std::string_view replacement(content, std::strlen(content));
        if (entity->etype == XML_INTERNAL_PREDEFINED_ENTITY)
        {
            if (!AppendCounted(replacement, out, budget, true))
                return false;
        }
        // External entities are never loaded, so they contribute nothing.
        else if (entity->etype == XML_INTERNAL_GENERAL_ENTITY &&
                 !AppendText(doc, replacement, out, budget, depth + 1))
            return false;
    }
    return true;
}
} // namespace

bool Append(const xmlDoc* doc, std::string_view value, std::string& out, std::size_t& budget)
{
    return AppendText(doc, value, out, budget, 0);
}
} // namespace ZANRET::XmlEntityText
