#include "CatalogueFloors.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlreader.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace ParserBench
{
namespace
{
// The reader's own options: no network, no entity substitution, libxml2's default limits.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_COMPACT;

std::size_t Touch(const xmlChar* name, const xmlChar* value, std::size_t length)
{
    return static_cast<std::size_t>(name[0]) + length + (length ? value[0] : 0);
}

void TouchAttributes(void* context, const xmlChar*, const xmlChar*, const xmlChar*, int, const xmlChar**,
                     int attributeCount, int, const xmlChar** attributes)
{
    auto& touched = *static_cast<std::size_t*>(static_cast<xmlParserCtxtPtr>(context)->_private);
    for (int i = 0; i < attributeCount; ++i)
        touched += Touch(attributes[5 * i], attributes[5 * i + 3],
                         static_cast<std::size_t>(attributes[5 * i + 4] - attributes[5 * i + 3]));
}
// The whole file with one read.
bool ReadWhole(const std::filesystem::path& catalogue, std::string& bytes)
{
    const int file = open(catalogue.c_str(), O_RDONLY);
    if (file < 0)
        return false;
    bytes.resize(std::filesystem::file_size(catalogue));
    const ssize_t read = ::read(file, bytes.data(), bytes.size());
    close(file);
    return read == static_cast<ssize_t>(bytes.size());
}
} // namespace

std::size_t StreamWalk(const std::filesystem::path& catalogue)
{
    std::size_t touched = 0;
    xmlSAXHandler handler;
    std::memset(&handler, 0, sizeof handler);
    handler.initialized = XML_SAX2_MAGIC;
    handler.startElementNs = &TouchAttributes;
    std::FILE* file = std::fopen(catalogue.c_str(), "rb");
    if (!file)
        return 0;
    char buffer[65536];
    std::size_t n = std::fread(buffer, 1, 4, file);
    xmlParserCtxtPtr context =
        xmlCreatePushParserCtxt(&handler, nullptr, buffer, static_cast<int>(n), nullptr);
    xmlCtxtUseOptions(context, kParseOptions);
    context->_private = &touched;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        xmlParseChunk(context, buffer, static_cast<int>(n), 0);
    xmlParseChunk(context, nullptr, 0, 1);
    std::fclose(file);
    if (!context->wellFormed)
        touched = 0;
    xmlFreeParserCtxt(context);
    return touched;
}

std::size_t TextReaderWalk(const std::filesystem::path& catalogue)
{
    std::size_t touched = 0;
    xmlTextReaderPtr reader = xmlReaderForFile(catalogue.c_str(), nullptr, kParseOptions);
    if (!reader)
        return 0;
    int result = 0;
    while ((result = xmlTextReaderRead(reader)) == 1)
    {
        if (xmlTextReaderNodeType(reader) != XML_READER_TYPE_ELEMENT)
            continue;
        while (xmlTextReaderMoveToNextAttribute(reader) == 1)
        {
            const xmlChar* value = xmlTextReaderConstValue(reader);
            touched += Touch(xmlTextReaderConstName(reader), value,
                             value ? std::strlen(reinterpret_cast<const char*>(value)) : 0);
        }
    }
    xmlFreeTextReader(reader);
    return result == 0 ? touched : 0;
}

std::size_t DocumentTreeTouch(const std::filesystem::path& catalogue)
{
    std::string bytes;
    if (!ReadWhole(catalogue, bytes))
        return 0;
    xmlDocPtr doc =
        xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, kParseOptions);
    std::size_t touched = 0;
    const xmlNode* node = doc ? xmlDocGetRootElement(doc) : nullptr;
    while (node)
    {
        if (node->type == XML_ELEMENT_NODE)
        {
            for (const xmlAttr* attribute = node->properties; attribute; attribute = attribute->next)
            {
                const xmlChar* value = attribute->children ? attribute->children->content : nullptr;
                touched += Touch(attribute->name, value,
                                 value ? std::strlen(reinterpret_cast<const char*>(value)) : 0);
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
    if (doc)
        xmlFreeDoc(doc);
    return touched;
}
} // namespace ParserBench
