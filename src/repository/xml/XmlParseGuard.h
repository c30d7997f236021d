#pragma once
// Keeps one libxml2 parse within the attribute limit (XmlLimits): the UTF-8 text of the document
// goes through a StartTagScanner before the parser gets it, and the parser's own declarations of
// attribute defaults and its entities are checked as the parser takes them. A guard serves one
// parse on the calling thread.

#include "repository/xml/StartTagScanner.h"

#include <libxml/parser.h>

#include <map>
#include <set>
#include <string>

namespace ZANRET
{
class XmlParseGuard
{
public:
    // Routes the handler's attribute declarations and entity lookups through this guard while it
    // lives. The handler must outlive the parse.
    explicit XmlParseGuard(xmlSAXHandler& handler);
    ~XmlParseGuard();
    XmlParseGuard(const XmlParseGuard&) = delete;
    XmlParseGuard& operator=(const XmlParseGuard&) = delete;

    // Feeds the text to the parser after the scanner; false when it breaks the limit or the parser
    // has stopped. terminate ends the document.
    bool Feed(xmlParserCtxtPtr context, const char* data, std::size_t size, bool terminate);
    // True once anything broke the limit; the document is then malformed, whatever the parser says.
    bool Refused() const { return m_refused; }

private:
    static void AttributeDecl(void* context, const xmlChar* element, const xmlChar* attribute, int type,
                              int def, const xmlChar* defaultValue, xmlEnumerationPtr tree);
    static xmlEntityPtr GetEntity(void* context, const xmlChar* name);
    void Refuse(void* context);

    StartTagScanner m_scanner;
    std::map<std::string, std::uint32_t> m_defaults;
    std::set<const void*> m_checkedEntities;
    bool m_refused = false;
    XmlParseGuard* m_outer = nullptr;
};
} // namespace ZANRET
