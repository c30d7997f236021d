#pragma once
// Builds the element tree of a document from libxml2's SAX2 events as they come: elements with
// their names, namespace declarations and attribute values (references resolved), nothing else.
// The elements that a record rule names become records straight from their attributes. Content
// that the parser reads from entity text goes to libxml2's own tree builder, as it would in a
// document tree, so that the parser reads each entity once.

#include "repository/xml/XmlArena.h"
#include "repository/xml/XmlNode.h"

#include <libxml/parser.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ZANRET
{
class XmlTreeBuilder
{
public:
    // The rule may be null: then every element is a node. It must outlive the builder.
    XmlTreeBuilder(XmlArena& arena, std::size_t documentSize, const XmlRecordRule* records);

    // Routes the element and content events of the handler here.
    static void Install(xmlSAXHandler& handler);
    // Binds the builder to the document's parser; before the first byte is parsed.
    void Attach(xmlParserCtxtPtr context);

    // The document element; null until one was read.
    const XmlNode* Root() const { return m_root; }
    // True once the tree could not be built (no memory, too deep, too much entity text).
    bool Failed() const { return m_failed; }

private:
    static XmlTreeBuilder* Of(void* context);
    static void StartElement(void* context, const xmlChar* local, const xmlChar* prefix, const xmlChar* uri,
                             int namespaceCount, const xmlChar** namespaces, int attributeCount,
                             int defaultedCount, const xmlChar** attributes);
    static void EndElement(void* context, const xmlChar* local, const xmlChar* prefix, const xmlChar* uri);
    static void Characters(void* context, const xmlChar* text, int length);
    static void CDataBlock(void* context, const xmlChar* text, int length);
    static void Comment(void* context, const xmlChar* text);
    static void ProcessingInstruction(void* context, const xmlChar* target, const xmlChar* data);
    static void Reference(void* context, const xmlChar* name);

    void Start(const xmlChar* local, const xmlChar* prefix, const xmlChar* uri, int namespaceCount,
               const xmlChar** namespaces, int attributeCount, const xmlChar** attributes);
    bool IsRecordPath(const xmlChar* local, const xmlChar* prefix) const;
    void AddRecord(int attributeCount, const xmlChar** attributes);
    // A record with the fields' texts (given in the rule's order); references tells whether any
    // text holds one. Null when there is no memory.
    XmlRecord* NewRecord(const std::string_view* values, std::uint32_t given, bool& references);
    // The field of a record that the attribute name gives, searched from the given one on; the
    // field count for none.
    std::size_t FieldOf(const xmlChar* name, std::size_t from) const;
    // The attribute's value with its references resolved; false on failure.
    bool ResolveReferences(std::string_view value, std::string& resolved);
    // The attribute's value with references resolved, copied into the arena; null on failure.
    const char* Value(XmlArena& arena, const xmlChar* begin, const xmlChar* end, std::uint32_t& length);
    void Fail();

    XmlArena& m_arena;
    xmlParserCtxtPtr m_context = nullptr;
    const XmlRecordRule* m_rule;
    // The rule's names in the parser's dictionary, so that one pointer comparison tells them apart.
    std::vector<const xmlChar*> m_pathNames;
    std::vector<const xmlChar*> m_fieldNames;
    std::vector<std::string> m_resolvedFields; // a record's field texts that held references
    XmlNode* m_root = nullptr;
    std::vector<XmlNode*> m_open;      // the open elements, the document element first
    std::vector<XmlNode*> m_lastChild; // the last child so far of each open element
    XmlRecord* m_lastRecord = nullptr; // of the open element that holds records
    std::size_t m_skipped = 0;         // open elements inside a record
    std::size_t m_entityBudget;
    std::string m_scratch;
    bool m_failed = false;
};
} // namespace ZANRET
