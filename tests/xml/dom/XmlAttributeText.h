#pragma once
// The text of an attribute value as libxml2 keeps it: text nodes and, when the document declares
// entities, entity references whose content is looked up here. Used by the loader's safety check and
// by the attribute readers, so that both expand exactly the same way.

#include <libxml/tree.h>

#include <cstddef>
#include <string>

namespace ZANRET::DomReference::XmlAttributeText
{
// Appends the UTF-8 value of the attribute to out. Text taken from entities counts against budget;
// false (out then partly written) when the budget runs out or entities nest too deeply.
bool Append(const xmlAttr* attribute, std::string& out, std::size_t& budget);

// Whether the value is one plain text node, the case of every attribute without entity references.
inline const xmlChar* PlainText(const xmlAttr* attribute)
{
    const xmlNode* child = attribute->children;
    if (child && !child->next && child->type == XML_TEXT_NODE)
        return child->content;
    return nullptr;
}
} // namespace ZANRET::DomReference::XmlAttributeText
