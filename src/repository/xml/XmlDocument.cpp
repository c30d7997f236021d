#include "repository/xml/XmlDocument.h"

#include "repository/xml/XmlAttributeText.h"
#include "win32/textfile.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

namespace ZANRET
{
namespace
{
// Never NOENT, DTDLOAD, DTDATTR, DTDVALID, XINCLUDE or HUGE: each of them would load outside
// content or lift libxml2's limits on entity expansion, nesting depth and text size.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_COMPACT;

// Attribute values keep entity references unexpanded, and libxml2 only checks each entity once,
// so a value made of many references to a large entity is checked here: all text that entities
// put into attribute values may be at most ten times the document plus 1 MiB.
std::size_t EntityTextBudget(std::size_t documentSize)
{
    return (std::size_t{1} << 20) + 10 * documentSize;
}

bool AttributeEntitiesWithinBudget(const xmlDoc* doc, std::size_t documentSize)
{
    std::size_t budget = EntityTextBudget(documentSize);
    std::string scratch;
    const xmlNode* node = xmlDocGetRootElement(doc);
    while (node)
    {
        if (node->type == XML_ELEMENT_NODE)
        {
            for (const xmlAttr* attribute = node->properties; attribute; attribute = attribute->next)
            {
                if (XmlAttributeText::PlainText(attribute))
                    continue;
                scratch.clear();
                if (!XmlAttributeText::Append(attribute, scratch, budget))
                    return false;
            }
            if (node->children)
            {
                node = node->children;
                continue;
            }
        }
        while (node && !node->next)
        {
            node = node->parent;
            if (node && node->type == XML_DOCUMENT_NODE)
                node = nullptr;
        }
        if (node)
            node = node->next;
    }
    return true;
}
} // namespace

XmlDocument::~XmlDocument()
{
    Release();
}

void XmlDocument::Release()
{
    if (m_doc)
        xmlFreeDoc(m_doc);
    m_doc = nullptr;
}

bool XmlDocument::LoadFile(const wchar_t* path)
{
    Release();
    std::string bytes;
    if (!path || !win32::ReadBinaryFile(path, bytes))
        return false;
    return LoadBytes(bytes);
}

bool XmlDocument::LoadBytes(std::string_view bytes)
{
    Release();
    if (bytes.size() > static_cast<std::size_t>(INT_MAX))
        return false;
    xmlParserCtxtPtr context = xmlNewParserCtxt();
    if (!context)
        return false;
    xmlDocPtr doc = xmlCtxtReadMemory(context, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr,
                                      kParseOptions);
    // Undeclared prefixes only clear nsWellFormed in libxml2; the catalogue treats them as malformed.
    const bool wellFormed = doc && context->wellFormed && context->nsWellFormed;
    xmlFreeParserCtxt(context);
    if (!wellFormed || (doc->intSubset && !AttributeEntitiesWithinBudget(doc, bytes.size())))
    {
        if (doc)
            xmlFreeDoc(doc);
        return false;
    }
    m_doc = doc;
    return true;
}

const XmlNode* XmlDocument::SelectRoot(const char* name) const
{
    if (!m_doc || !name)
        return nullptr;
    const xmlNode* root = xmlDocGetRootElement(m_doc);
    if (!root || root->ns)
        return nullptr;
    return std::strcmp(reinterpret_cast<const char*>(root->name), name) == 0 ? root : nullptr;
}
} // namespace ZANRET
