#include "repository/xml/XmlTreeBuilder.h"

#include "repository/xml/XmlEntityText.h"

#include <libxml/SAX2.h>

#include <cstdint>
#include <cstring>
#include <string_view>

namespace ZANRET
{
namespace
{
// A document tree refuses elements nested deeper than this; so does this one.
constexpr std::size_t kMaxDepth = 256;

// All text that entities put into attribute values may be at most ten times the document plus
// 1 MiB: libxml2 checks each entity once, not each of many references to a large one.
std::size_t EntityTextBudget(std::size_t documentSize)
{
    return (std::size_t{1} << 20) + 10 * documentSize;
}

// libxml2's own tree builder, for content that comes from entity text.
const xmlSAXHandler& TreeHandler()
{
    static const xmlSAXHandler handler = []
    {
        xmlSAXHandler tree;
        xmlSAXVersion(&tree, 2);
        return tree;
    }();
    return handler;
}

// Whether copied text holds a reference. Most hold none; the copy is then kept as it is.
bool HasReference(const char* text, std::size_t size)
{
    return std::memchr(text, '&', size) != nullptr;
}

const char* Text(const xmlChar* text)
{
    return reinterpret_cast<const char*>(text);
}
} // namespace

XmlTreeBuilder::XmlTreeBuilder(XmlArena& arena, std::size_t documentSize, const XmlRecordRule* records)
    : m_arena(arena), m_rule(records), m_entityBudget(EntityTextBudget(documentSize))
{
}

void XmlTreeBuilder::Install(xmlSAXHandler& handler)
{
    TreeHandler();
    handler.startElementNs = &StartElement;
    handler.endElementNs = &EndElement;
    handler.characters = &Characters;
    // As in libxml2's own tree builder: the parser then spares the test for blanks it could ignore.
    handler.ignorableWhitespace = &Characters;
    handler.cdataBlock = &CDataBlock;
    handler.comment = &Comment;
    handler.processingInstruction = &ProcessingInstruction;
    handler.reference = &Reference;
}

void XmlTreeBuilder::Attach(xmlParserCtxtPtr context)
{
    m_context = context;
    context->_private = this;
    // A record needs an element above it to hold it.
    if (!m_rule || m_rule->path.size() < 2)
        return;
    if (m_rule->fields.size() > XmlRecordRule::kMostFields)
        return Fail();
    const auto lookUp = [context](const char* name)
    { return xmlDictLookup(context->dict, reinterpret_cast<const xmlChar*>(name), -1); };
    try
    {
        for (const char* name : m_rule->path)
            m_pathNames.push_back(lookUp(name));
        for (const char* name : m_rule->fields)
            m_fieldNames.push_back(lookUp(name));
        m_resolvedFields.resize(m_fieldNames.size());
    }
    catch (const std::bad_alloc&)
    {
        return Fail();
    }
    // Without its names the tree could not tell records apart.
    for (const xmlChar* name : m_pathNames)
        m_failed = m_failed || !name;
    for (const xmlChar* name : m_fieldNames)
        m_failed = m_failed || !name;
}

XmlTreeBuilder* XmlTreeBuilder::Of(void* context)
{
    // The parser's contexts for entity text carry no builder, or the builder of the document's context.
    auto* parser = static_cast<xmlParserCtxtPtr>(context);
    auto* builder = static_cast<XmlTreeBuilder*>(parser->_private);
    return builder && builder->m_context == parser ? builder : nullptr;
}

void XmlTreeBuilder::Fail()
{
    m_failed = true;
    xmlStopParser(m_context);
}

void XmlTreeBuilder::StartElement(void* context, const xmlChar* local, const xmlChar* prefix,
                                  const xmlChar* uri, int namespaceCount, const xmlChar** namespaces,
                                  int attributeCount, int defaultedCount, const xmlChar** attributes)
{
    XmlTreeBuilder* builder = Of(context);
    if (!builder)
    {
        TreeHandler().startElementNs(context, local, prefix, uri, namespaceCount, namespaces, attributeCount,
                                     defaultedCount, attributes);
        return;
    }
    // A document tree leaves out the defaults that the document type declares.
    builder->Start(local, prefix, uri, namespaceCount, namespaces, attributeCount - defaultedCount,
                   attributes);
}

void XmlTreeBuilder::Start(const xmlChar* local, const xmlChar* prefix, const xmlChar* uri,
                           int namespaceCount, const xmlChar** namespaces, int attributeCount,
                           const xmlChar** attributes)
{
    if (m_failed)
        return;
    if (m_open.size() + m_skipped > kMaxDepth)
        return Fail();
    if (m_skipped > 0)
    {
        ++m_skipped;
        return;
    }
    if (IsRecordPath(local, prefix))
    {
        AddRecord(attributeCount, attributes);
        m_skipped = 1;
        return;
    }
    XmlArena& arena = m_arena;
    auto* node = arena.New<XmlNode>();
    auto* list = arena.New<XmlAttribute>(static_cast<std::size_t>(namespaceCount + attributeCount));
    if (!node || !list)
        return Fail();
    node->prefix = Text(prefix);
    node->local = Text(local);
    node->inNamespace = uri != nullptr;
    node->attributes = list;
    node->attributeCount = static_cast<std::uint32_t>(namespaceCount + attributeCount);
    for (int i = 0; i < namespaceCount; ++i)
    {
        const xmlChar* declared = namespaces[2 * i];
        const char* target = namespaces[2 * i + 1] ? Text(namespaces[2 * i + 1]) : "";
        XmlAttribute& attribute = list[i];
        attribute.prefix = declared ? "xmlns" : nullptr;
        attribute.local = declared ? Text(declared) : "xmlns";
        attribute.length = static_cast<std::uint32_t>(std::strlen(target));
        attribute.value = arena.Copy(std::string_view(target, attribute.length));
        if (!attribute.value)
            return Fail();
    }
    for (int i = 0; i < attributeCount; ++i)
    {
        XmlAttribute& attribute = list[namespaceCount + i];
        attribute.local = Text(attributes[5 * i]);
        attribute.prefix = Text(attributes[5 * i + 1]);
        attribute.value = Value(arena, attributes[5 * i + 3], attributes[5 * i + 4], attribute.length);
        if (!attribute.value)
            return Fail();
    }
    try
    {
        if (m_open.empty())
            m_root = node;
        else
        {
            XmlNode*& last = m_lastChild.back();
            (last ? last->next : m_open.back()->firstChild) = node;
            last = node;
        }
        m_open.push_back(node);
        m_lastChild.push_back(nullptr);
    }
    catch (const std::bad_alloc&)
    {
        return Fail();
    }
    // An element that may hold records starts a list of its own.
    if (m_open.size() + 1 == m_pathNames.size())
        m_lastRecord = nullptr;
}

bool XmlTreeBuilder::IsRecordPath(const xmlChar* local, const xmlChar* prefix) const
{
    if (m_pathNames.empty() || m_open.size() + 1 != m_pathNames.size() || prefix ||
        local != m_pathNames.back())
        return false;
    for (std::size_t i = 0; i < m_open.size(); ++i)
    {
        if (m_open[i]->prefix || m_open[i]->local != Text(m_pathNames[i]))
            return false;
    }
    return true;
}

std::size_t XmlTreeBuilder::FieldOf(const xmlChar* name, std::size_t from) const
{
    // Attributes mostly stand in the order of the fields: the search starts after the last one found.
    const std::size_t count = m_fieldNames.size();
    for (std::size_t i = 0; i < count; ++i)
    {
        const std::size_t field = from + i < count ? from + i : from + i - count;
        if (name == m_fieldNames[field])
            return field;
    }
    return count;
}

void XmlTreeBuilder::AddRecord(int attributeCount, const xmlChar** attributes)
{
    const std::size_t fieldCount = m_fieldNames.size();
    std::string_view values[XmlRecordRule::kMostFields];
    std::uint32_t given = 0;
    std::size_t next = 0;
    for (int i = 0; i < attributeCount; ++i)
    {
        const xmlChar* const* attribute = attributes + 5 * i;
        const std::size_t field = attribute[1] || fieldCount == 0      ? fieldCount
                                  : attribute[0] == m_fieldNames[next] ? next
                                                                       : FieldOf(attribute[0], next);
        if (field == fieldCount)
            continue;
        next = field + 1 < fieldCount ? field + 1 : 0;
        values[field] =
            std::string_view(Text(attribute[3]), static_cast<std::size_t>(attribute[4] - attribute[3]));
        given |= 1u << field;
    }
    bool references = false;
    XmlRecord* record = NewRecord(values, given, references);
    if (record && references)
    {
        // Rare: the texts are written again with their references resolved, and the first copy stays
        // unused in the arena.
        for (std::size_t field = 0; field < fieldCount; ++field)
        {
            std::string& resolved = m_resolvedFields[field];
            if (!ResolveReferences(values[field], resolved))
                return Fail();
            values[field] = resolved;
        }
        record = NewRecord(values, given, references);
    }
    if (!record)
        return Fail();
    XmlNode* holder = m_open.back();
    if (m_lastRecord)
        m_lastRecord->next = record;
    else
        holder->firstRecord = record;
    m_lastRecord = record;
}

XmlRecord* XmlTreeBuilder::NewRecord(const std::string_view* values, std::uint32_t given, bool& references)
{
    // The record and its texts in one allocation.
    const std::size_t fieldCount = m_fieldNames.size();
    std::size_t textBytes = 0;
    for (std::size_t field = 0; field < fieldCount; ++field)
        textBytes += values[field].size();
    if (textBytes > UINT32_MAX)
        return nullptr;
    auto* memory = static_cast<char*>(m_arena.Allocate(
        sizeof(XmlRecord) + fieldCount * sizeof(std::uint32_t) + textBytes, alignof(XmlRecord)));
    if (!memory)
        return nullptr;
    auto* record = new (memory) XmlRecord{nullptr, given, static_cast<std::uint32_t>(fieldCount)};
    auto* ends = reinterpret_cast<std::uint32_t*>(record + 1);
    char* texts = reinterpret_cast<char*>(ends + fieldCount);
    std::uint32_t end = 0;
    for (std::size_t field = 0; field < fieldCount; ++field)
    {
        // A field that was not given has no text to copy.
        if (!values[field].empty())
            std::memcpy(texts + end, values[field].data(), values[field].size());
        end += static_cast<std::uint32_t>(values[field].size());
        ends[field] = end;
    }
    references = HasReference(texts, end);
    return record;
}

bool XmlTreeBuilder::ResolveReferences(std::string_view value, std::string& resolved)
{
    try
    {
        resolved.clear();
        return XmlEntityText::Append(m_context->myDoc, value, resolved, m_entityBudget);
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
}

const char* XmlTreeBuilder::Value(XmlArena& arena, const xmlChar* begin, const xmlChar* end,
                                  std::uint32_t& length)
{
    std::string_view value(Text(begin), static_cast<std::size_t>(end - begin));
    auto* copy = static_cast<char*>(arena.Allocate(value.size() + 1, 1));
    if (copy)
        std::memcpy(copy, value.data(), value.size());
    if (copy && HasReference(copy, value.size()))
    {
        // Rare: the value is written again with its references resolved.
        if (!ResolveReferences(value, m_scratch))
            return nullptr;
        value = m_scratch;
        copy = static_cast<char*>(arena.Allocate(value.size() + 1, 1));
        if (copy)
            std::memcpy(copy, value.data(), value.size());
    }
    if (!copy || value.size() > UINT32_MAX)
        return nullptr;
    copy[value.size()] = '\0';
    length = static_cast<std::uint32_t>(value.size());
    return copy;
}

void XmlTreeBuilder::EndElement(void* context, const xmlChar* local, const xmlChar* prefix,
                                const xmlChar* uri)
{
    XmlTreeBuilder* builder = Of(context);
    if (!builder)
        return TreeHandler().endElementNs(context, local, prefix, uri);
    if (builder->m_failed)
        return;
    if (builder->m_skipped > 0)
    {
        --builder->m_skipped;
        return;
    }
    builder->m_open.pop_back();
    builder->m_lastChild.pop_back();
}

void XmlTreeBuilder::Characters(void* context, const xmlChar* text, int length)
{
    if (!Of(context))
        TreeHandler().characters(context, text, length);
}

void XmlTreeBuilder::CDataBlock(void* context, const xmlChar* text, int length)
{
    if (!Of(context))
        TreeHandler().cdataBlock(context, text, length);
}

void XmlTreeBuilder::Comment(void* context, const xmlChar* text)
{
    if (!Of(context))
        TreeHandler().comment(context, text);
}

void XmlTreeBuilder::ProcessingInstruction(void* context, const xmlChar* target, const xmlChar* data)
{
    if (!Of(context))
        TreeHandler().processingInstruction(context, target, data);
}

void XmlTreeBuilder::Reference(void* context, const xmlChar* name)
{
    if (!Of(context))
        TreeHandler().reference(context, name);
}
} // namespace ZANRET
