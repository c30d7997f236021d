#include "dom/XmlDocument.h"

#include "dom/XmlAttributeText.h"
#include "repository/xml/XmlLimits.h"
#include "repository/xml/XmlParseGuard.h"
#include "win32/textfile.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace ZANRET::DomReference
{
namespace
{
// Never NOENT, DTDLOAD, DTDATTR, DTDVALID, XINCLUDE or HUGE: each of them would load outside
// content or lift libxml2's limits on entity expansion, nesting depth and text size.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_COMPACT;
// libxml2 refuses a single push of more than 10 MB.
constexpr std::size_t kChunkBytes = 64 * 1024;

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
    win32::FileReader file;
    if (!path || !file.Open(path, XmlLimits::kMaxCatalogueBytes))
        return false;
    std::vector<char> buffer(kChunkBytes);
    bool failed = false;
    const bool loaded = Load(static_cast<std::size_t>(file.Size()),
                             [&](std::string_view& chunk)
                             {
                                 std::size_t n = 0;
                                 failed = !file.Read(buffer.data(), buffer.size(), &n);
                                 chunk = std::string_view(buffer.data(), failed ? 0 : n);
                             });
    if (failed)
        Release();
    return loaded && !failed;
}

bool XmlDocument::LoadBytes(std::string_view bytes)
{
    Release();
    return Load(bytes.size(),
                [&](std::string_view& chunk)
                {
                    chunk = bytes.substr(0, kChunkBytes);
                    bytes.remove_prefix(chunk.size());
                });
}

bool XmlDocument::Load(std::size_t documentSize, const std::function<void(std::string_view&)>& next)
{
    // Pushed in pieces, so that the parser itself sees where the bytes end: a NUL byte after the
    // root element is then content after the document, not its end.
    xmlSAXHandler handler;
    xmlSAXVersion(&handler, 2);
    XmlParseGuard guard(handler);
    std::string_view chunk;
    next(chunk);
    // The first bytes tell the encoding.
    const std::string_view head = chunk.substr(0, 4);
    xmlParserCtxtPtr context =
        xmlCreatePushParserCtxt(&handler, nullptr, head.data(), static_cast<int>(head.size()), nullptr);
    if (!context)
        return false;
    xmlCtxtUseOptions(context, kParseOptions);
    bool parsing = guard.Feed(context, head.data(), 0, false);
    chunk.remove_prefix(head.size());
    while (parsing && !chunk.empty())
    {
        parsing = guard.Feed(context, chunk.data(), chunk.size(), false);
        next(chunk);
    }
    if (parsing)
        guard.Feed(context, nullptr, 0, true);
    xmlDocPtr doc = context->myDoc;
    context->myDoc = nullptr;
    // Undeclared prefixes only clear nsWellFormed in libxml2; the catalogue treats them as malformed.
    const bool wellFormed = doc && !guard.Refused() && context->wellFormed && context->nsWellFormed;
    xmlFreeParserCtxt(context);
    if (!wellFormed || (doc->intSubset && !AttributeEntitiesWithinBudget(doc, documentSize)))
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
} // namespace ZANRET::DomReference
