#include "repository/xml/XmlParseGuard.h"

#include "repository/xml/XmlLimits.h"

#include <libxml/SAX2.h>
#include <libxml/entities.h>

#include <climits>
#include <cstring>
#include <new>
#include <string_view>

namespace ZANRET
{
namespace
{
// The guard of the parse that runs on this thread. The parser calls the hooks also from the
// contexts it makes for entity text, which know nothing of the guard.
thread_local XmlParseGuard* t_guard = nullptr;
} // namespace

XmlParseGuard::XmlParseGuard(xmlSAXHandler& handler) : m_outer(t_guard)
{
    handler.attributeDecl = &AttributeDecl;
    handler.getEntity = &GetEntity;
    t_guard = this;
}

XmlParseGuard::~XmlParseGuard()
{
    t_guard = m_outer;
}

bool XmlParseGuard::Feed(xmlParserCtxtPtr context, const char* data, std::size_t size, bool terminate)
{
    if (m_refused || size > static_cast<std::size_t>(INT_MAX))
        return false;
    try
    {
        m_refused = !m_scanner.Feed(data, size);
    }
    catch (const std::bad_alloc&)
    {
        m_refused = true;
    }
    if (m_refused)
        return false;
    xmlParseChunk(context, data, static_cast<int>(size), terminate ? 1 : 0);
    return !m_refused && context->wellFormed && context->instate != XML_PARSER_EOF;
}

void XmlParseGuard::Refuse(void* context)
{
    m_refused = true;
    xmlStopParser(static_cast<xmlParserCtxtPtr>(context));
}

void XmlParseGuard::AttributeDecl(void* context, const xmlChar* element, const xmlChar* attribute, int type,
                                  int def, const xmlChar* defaultValue, xmlEnumerationPtr tree)
{
    XmlParseGuard* guard = t_guard;
    // Every default is added to each start tag of the element, and tested against its attributes
    // pair by pair as well.
    if (guard && defaultValue && def != XML_ATTRIBUTE_IMPLIED && def != XML_ATTRIBUTE_REQUIRED)
    {
        bool within = false;
        try
        {
            within = ++guard->m_defaults[reinterpret_cast<const char*>(element)] <=
                     XmlLimits::kMaxAttributesPerElement;
        }
        catch (const std::bad_alloc&)
        {
        }
        if (!within)
        {
            if (tree)
                xmlFreeEnumeration(tree);
            guard->Refuse(context);
            return;
        }
    }
    xmlSAX2AttributeDecl(context, element, attribute, type, def, defaultValue, tree);
}

xmlEntityPtr XmlParseGuard::GetEntity(void* context, const xmlChar* name)
{
    xmlEntityPtr entity = xmlSAX2GetEntity(context, name);
    XmlParseGuard* guard = t_guard;
    if (!guard || !entity || entity->etype != XML_INTERNAL_GENERAL_ENTITY || !entity->content)
        return entity;
    // The parser reads an entity's text as content of its own when the entity is first referenced.
    try
    {
        if (!guard->m_checkedEntities.insert(entity).second)
            return entity;
        const auto* text = reinterpret_cast<const char*>(entity->content);
        if (StartTagScanner::TextWithinLimit(std::string_view(text, std::strlen(text))))
            return entity;
    }
    catch (const std::bad_alloc&)
    {
    }
    guard->Refuse(context);
    return nullptr;
}
} // namespace ZANRET
