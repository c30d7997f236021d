#pragma once
// Keeps one libxml2 parse within the attribute limit (XmlLimits): the raw bytes of the document go
// through a StartTagScanner before the parser gets them, and the parser's own declarations of
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
    // lives. The handler must outlive the parse. Bytes that a StartTagScanner has passed already
    // are not scanned again.
    explicit XmlParseGuard(xmlSAXHandler& handler, bool bytesScanned = false);
    ~XmlParseGuard();
    XmlParseGuard(const XmlParseGuard&) = delete;
    XmlParseGuard& operator=(const XmlParseGuard&) = delete;

    // Passes the bytes through the scanner only: for the first bytes, which the parser gets when it
    // is made. False when they break the limit.
    bool Scan(const char* data, std::size_t size);
    // Feeds the bytes to the parser after the scanner; false when they break the limit or the
    // parser has stopped. terminate ends the document.
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
    bool m_bytesScanned;
    XmlParseGuard* m_outer = nullptr;
};
} // namespace ZANRET
