#include "dom/XmlAttributeText.h"

#include <libxml/entities.h>

#include <cstring>

namespace ZANRET::DomReference::XmlAttributeText
{
namespace
{
// libxml2 itself refuses entities nested deeper than this.
constexpr int kMaxEntityDepth = 40;

bool AppendList(const xmlDoc* doc, const xmlNode* node, std::string& out, std::size_t& budget, int depth);

bool AppendCounted(const xmlChar* text, std::string& out, std::size_t& budget, bool fromEntity)
{
    if (!text)
        return true;
    const std::size_t length = std::strlen(reinterpret_cast<const char*>(text));
    if (fromEntity)
    {
        if (length > budget)
            return false;
        budget -= length;
    }
    out.append(reinterpret_cast<const char*>(text), length);
    return true;
}

bool AppendEntity(const xmlDoc* doc, const xmlNode* reference, std::string& out, std::size_t& budget,
                  int depth)
{
    if (depth >= kMaxEntityDepth)
        return false;
    const xmlEntity* entity = xmlGetDocEntity(doc, reference->name);
    if (!entity)
        return true;
    if (entity->etype == XML_INTERNAL_PREDEFINED_ENTITY)
        return AppendCounted(entity->content, out, budget, true);
    // External entities are never loaded, so they contribute nothing.
    if (entity->etype != XML_INTERNAL_GENERAL_ENTITY)
        return true;
    return AppendList(doc, entity->children, out, budget, depth + 1);
}

bool AppendList(const xmlDoc* doc, const xmlNode* node, std::string& out, std::size_t& budget, int depth)
{
    for (; node; node = node->next)
    {
        switch (node->type)
        {
        case XML_TEXT_NODE:
        case XML_CDATA_SECTION_NODE:
            if (!AppendCounted(node->content, out, budget, depth > 0))
                return false;
            break;
        case XML_ENTITY_REF_NODE:
            if (!AppendEntity(doc, node, out, budget, depth))
                return false;
            break;
        default:
            break;
        }
    }
    return true;
}
} // namespace

bool Append(const xmlAttr* attribute, std::string& out, std::size_t& budget)
{
    if (const xmlChar* plain = PlainText(attribute))
        return AppendCounted(plain, out, budget, false);
    return AppendList(attribute->doc, attribute->children, out, budget, 0);
}
} // namespace ZANRET::DomReference::XmlAttributeText
