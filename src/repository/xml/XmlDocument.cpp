#include "repository/xml/XmlDocument.h"

#include "repository/xml/XmlArena.h"
#include "repository/xml/XmlLimits.h"
#include "repository/xml/XmlParseGuard.h"
#include "repository/xml/XmlTreeBuilder.h"
#include "repository/xml/XmlUtf8File.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <new>

namespace ZANRET
{
namespace
{
// Never NOENT, DTDLOAD, DTDATTR, DTDVALID, XINCLUDE or HUGE: each of them would load outside
// content or lift libxml2's limits on entity expansion, nesting depth and text size. The parser
// gets UTF-8 only, whatever the declaration says.
constexpr int kParseOptions =
    XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_COMPACT | XML_PARSE_IGNORE_ENC;
// libxml2 refuses a single push of more than 10 MB.
constexpr std::size_t kChunkBytes = 64 * 1024;

void Silently(void*, const char*, ...) {}

void SilentlyStructured(void*, xmlErrorPtr) {}

// A push parser with what its tree builder made of entity text.
struct ParserRelease
{
    void operator()(xmlParserCtxtPtr context) const
    {
        if (context->myDoc)
            xmlFreeDoc(context->myDoc);
        context->myDoc = nullptr;
        xmlFreeParserCtxt(context);
    }
};

// libxml2 reports what it meets outside a parser (an encoding it cannot convert, no memory) on
// standard error, which is the host's: it says nothing there while a document loads.
class QuietLibxml2
{
public:
    QuietLibxml2()
        : m_generic(xmlGenericError), m_genericContext(xmlGenericErrorContext),
          m_structured(xmlStructuredError), m_structuredContext(xmlStructuredErrorContext)
    {
        xmlSetGenericErrorFunc(nullptr, &Silently);
        xmlSetStructuredErrorFunc(nullptr, &SilentlyStructured);
    }
    ~QuietLibxml2()
    {
        xmlSetGenericErrorFunc(m_genericContext, m_generic);
        xmlSetStructuredErrorFunc(m_structuredContext, m_structured);
    }
    QuietLibxml2(const QuietLibxml2&) = delete;
    QuietLibxml2& operator=(const QuietLibxml2&) = delete;

private:
    xmlGenericErrorFunc m_generic;
    void* m_genericContext;
    xmlStructuredErrorFunc m_structured;
    void* m_structuredContext;
};
} // namespace

// The nodes and texts of a loaded document, and the parser's dictionary that holds their names.
struct XmlDocument::Tree
{
    ~Tree()
    {
        if (names)
            xmlDictFree(names);
    }
    XmlArena arena;
    xmlDictPtr names = nullptr;
    const XmlNode* root = nullptr;
};

XmlDocument::XmlDocument() = default;

XmlDocument::~XmlDocument() = default;

bool XmlDocument::LoadFile(const wchar_t* path, const XmlRecordRule* records)
{
    m_tree.reset();
    try
    {
        const QuietLibxml2 quiet;
        XmlUtf8File file;
        auto tree = std::make_unique<Tree>();
        if (file.Open(path, XmlLimits::kMaxDocumentBytes) && Parse(file, *tree, records))
            m_tree = std::move(tree);
    }
    catch (const std::bad_alloc&)
    {
        m_tree.reset();
    }
    return m_tree != nullptr;
}

const XmlNode* XmlDocument::SelectRoot(const char* name) const
{
    const XmlNode* root = m_tree ? m_tree->root : nullptr;
    if (!root || !name || root->inNamespace)
        return nullptr;
    return Xml::HasName(root, name) ? root : nullptr;
}

bool XmlDocument::Parse(XmlUtf8File& file, Tree& tree, const XmlRecordRule* records)
{
    xmlSAXHandler handler;
    xmlSAXVersion(&handler, 2);
    XmlTreeBuilder::Install(handler);
    XmlParseGuard guard(handler);
    XmlTreeBuilder builder(tree.arena, static_cast<std::size_t>(file.Size()), records);

    const std::unique_ptr<xmlParserCtxt, ParserRelease> parser(
        xmlCreatePushParserCtxt(&handler, nullptr, nullptr, 0, nullptr));
    xmlParserCtxtPtr context = parser.get();
    if (!context)
        return false;
    xmlCtxtUseOptions(context, kParseOptions);
    // The names live in the parser's dictionary, which the tree keeps.
    if (xmlDictReference(context->dict) == 0)
        tree.names = context->dict;
    builder.Attach(context);
    // Pushed in pieces, so that the parser itself sees where the text ends: a NUL byte after the
    // root element is then content after the document, not its end. A parser that stops before
    // the end has met something it could not take.
    bool parsing = tree.names != nullptr;
    for (std::string_view text = parsing ? file.Next() : std::string_view(); parsing && !text.empty();
         text = file.Next())
    {
        for (std::size_t at = 0; parsing && at < text.size(); at += kChunkBytes)
        {
            const std::string_view chunk = text.substr(at, kChunkBytes);
            parsing = guard.Feed(context, chunk.data(), chunk.size(), false);
        }
    }
    const bool whole = parsing && !file.Failed();
    if (whole)
        guard.Feed(context, nullptr, 0, true);
    // Undeclared prefixes only clear nsWellFormed in libxml2; here they make the document malformed.
    const bool wellFormed = whole && !guard.Refused() && !builder.Failed() && builder.Root() &&
                            context->wellFormed && context->nsWellFormed;
    if (wellFormed)
        tree.root = builder.Root();
    return wellFormed;
}
} // namespace ZANRET
