#include "repository/xml/XmlTreeBuilder.h"

#include "repository/xml/XmlEntityText.h"
#include "win32/stdlib.h"

#include <libxml/SAX2.h>

#include <algorithm>
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

// Values are short: a plain loop beats a call. Most have no reference, and the value then stays in
// registers.
bool HasReference(std::string_view value)
{
    return std::find(value.begin(), value.end(), '&') != value.end();
}

const char* Text(const xmlChar* text)
{
    return reinterpret_cast<const char*>(text);
}
} // namespace

XmlTreeBuilder::XmlTreeBuilder(XmlArena& head, XmlArena& body, std::size_t documentSize)
    : m_head(head), m_arena(body), m_entityBudget(EntityTextBudget(documentSize))
{
}

void XmlTreeBuilder::Install(xmlSAXHandler& handler)
{
    TreeHandler();
    handler.startElementNs = &StartElement;
    handler.endElementNs = &EndElement;
    handler.characters = &Characters;
    handler.ignorableWhitespace = &IgnorableWhitespace;
    handler.cdataBlock = &CDataBlock;
    handler.comment = &Comment;
    handler.processingInstruction = &ProcessingInstruction;
    handler.reference = &Reference;
}

void XmlTreeBuilder::Attach(xmlParserCtxtPtr context, XmlParseProgress* progress)
{
    m_context = context;
    m_progress = progress;
    context->_private = this;
    // Names come from the parser's dictionary, so one pointer comparison tells them apart.
    static const char* const names[NAME_COUNT] = {"zanret", "character", "AssetMatrix", "matrix"};
    static const char* const fieldNames[XmlMatrixRecord::FIELD_COUNT] = {"xpos", "ypos", "zpos",   "xrot",
                                                                         "yrot", "zrot", "poseID", "assetID"};
    for (int i = 0; i < NAME_COUNT; ++i)
        m_names[i] = xmlDictLookup(context->dict, reinterpret_cast<const xmlChar*>(names[i]), -1);
    for (int i = 0; i < XmlMatrixRecord::FIELD_COUNT; ++i)
        m_fieldNames[i] = xmlDictLookup(context->dict, reinterpret_cast<const xmlChar*>(fieldNames[i]), -1);
    // Without its names the tree could not tell records apart.
    for (const xmlChar* name : m_names)
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
    XmlArena& arena = m_open.empty() ? m_head : m_arena;
    const std::size_t block = m_arena.CurrentBlock();
    auto* node = arena.New<XmlNode>();
    auto* list = arena.New<XmlAttribute>(static_cast<std::size_t>(namespaceCount + attributeCount));
    if (!node || !list)
        return Fail();
    node->block = static_cast<std::uint32_t>(block);
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
    // Records go to the section that stands third in the path.
    if (m_open.size() == 3)
        m_lastRecord = nullptr;
    if (m_open.size() == 1 && m_progress)
        m_progress->RootStarted(node);
}

bool XmlTreeBuilder::IsRecordPath(const xmlChar* local, const xmlChar* prefix) const
{
    const auto is = [this](const XmlNode* node, Name name)
    { return !node->prefix && node->local == Text(m_names[name]); };
    return m_open.size() == 3 && !prefix && local == m_names[MATRIX] && is(m_open[2], ASSET_MATRIX) &&
           is(m_open[1], CHARACTER) && is(m_open[0], ZANRET_ROOT);
}

inline int XmlTreeBuilder::FieldOf(const xmlChar* name) const
{
    int field = 0;
    while (field < XmlMatrixRecord::FIELD_COUNT && name != m_fieldNames[field])
        ++field;
    return field;
}

void XmlTreeBuilder::AddRecord(int attributeCount, const xmlChar** attributes)
{
    using Field = XmlMatrixRecord::Field;
    // The values are short: one block for all of them, copied byte by byte while looking for
    // references, beats a call per value.
    std::size_t room = 0;
    for (int i = 0; i < attributeCount; ++i)
        room += static_cast<std::size_t>(attributes[5 * i + 4] - attributes[5 * i + 3]);
    auto* record = m_arena.New<XmlMatrixRecord>();
    auto* out = record ? static_cast<char*>(m_arena.Allocate(room + 1, 1)) : nullptr;
    if (!out)
        return Fail();
    for (int i = 0; i < attributeCount; ++i)
    {
        const xmlChar* const* attribute = attributes + 5 * i;
        if (attribute[1])
            continue;
        const int field = FieldOf(attribute[0]);
        if (field == XmlMatrixRecord::FIELD_COUNT)
            continue;
        const auto* value = Text(attribute[3]);
        const auto length = static_cast<std::size_t>(attribute[4] - attribute[3]);
        bool reference = false;
        for (std::size_t k = 0; k < length; ++k)
        {
            out[k] = value[k];
            reference |= value[k] == '&';
        }
        record->texts[field] = out;
        record->lengths[field] = static_cast<std::uint32_t>(length);
        out += length;
        if (reference)
        {
            std::string& resolved = m_scratch;
            const char* copy = ResolveReferences(std::string_view(value, length), resolved)
                                   ? m_arena.Copy(resolved)
                                   : nullptr;
            if (!copy || resolved.size() > UINT32_MAX)
                return Fail();
            record->texts[field] = copy;
            record->lengths[field] = static_cast<std::uint32_t>(resolved.size());
        }
        record->present |= static_cast<std::uint8_t>(1u << field);
        record->assetIdFirst =
            record->assetIdFirst || (field == Field::ASSET_ID && !record->Has(Field::POSE_ID));
    }
    XmlNode* section = m_open[2];
    if (m_lastRecord)
        m_lastRecord->next = record;
    else
        section->firstRecord = record;
    m_lastRecord = record;
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
    if (HasReference(value))
    {
        if (!ResolveReferences(value, m_scratch))
            return nullptr;
        value = m_scratch;
    }
    length = static_cast<std::uint32_t>(value.size());
    return arena.Copy(value);
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
    if (builder->m_open.size() == 1 && builder->m_progress)
        builder->m_progress->RootChildDone();
}

void XmlTreeBuilder::Characters(void* context, const xmlChar* text, int length)
{
    if (!Of(context))
        TreeHandler().characters(context, text, length);
}

void XmlTreeBuilder::IgnorableWhitespace(void* context, const xmlChar* text, int length)
{
    if (!Of(context))
        TreeHandler().ignorableWhitespace(context, text, length);
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
