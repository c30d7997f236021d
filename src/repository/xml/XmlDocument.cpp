#include "repository/xml/XmlDocument.h"

#include "repository/xml/XmlArena.h"
#include "repository/xml/XmlLimits.h"
#include "repository/xml/XmlParseGuard.h"
#include "repository/xml/XmlTreeBuilder.h"
#include "win32/textfile.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <new>

namespace ZANRET
{
namespace
{
// Never NOENT, DTDLOAD, DTDATTR, DTDVALID, XINCLUDE or HUGE: each of them would load outside
// content or lift libxml2's limits on entity expansion, nesting depth and text size.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_COMPACT;
// libxml2 refuses a single push of more than 10 MB.
constexpr std::size_t kChunkBytes = 64 * 1024;
} // namespace

// The nodes and texts of a loaded document, and the parser's dictionary that holds their names.
struct XmlDocument::Tree
{
    ~Tree()
    {
        if (names)
            xmlDictFree(names);
    }
    XmlArena head;
    XmlArena body;
    xmlDictPtr names = nullptr;
    const XmlNode* root = nullptr;
};

XmlDocument::XmlDocument() = default;

XmlDocument::~XmlDocument() = default;

void XmlDocument::Release()
{
    m_tree.reset();
}

bool XmlDocument::LoadFile(const wchar_t* path)
{
    Release();
    win32::FileReader file;
    if (!path || !file.Open(path, XmlLimits::kMaxCatalogueBytes))
        return false;
    char buffer[kChunkBytes];
    bool failed = false;
    const bool loaded = Load(static_cast<std::size_t>(file.Size()),
                             [&](std::string_view& chunk)
                             {
                                 std::size_t n = 0;
                                 failed = !file.Read(buffer, sizeof buffer, &n);
                                 chunk = std::string_view(buffer, failed ? 0 : n);
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
    std::unique_ptr<Tree> tree;
    try
    {
        tree = std::make_unique<Tree>();
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
    xmlSAXHandler handler;
    xmlSAXVersion(&handler, 2);
    XmlTreeBuilder::Install(handler);
    XmlParseGuard guard(handler);
    XmlTreeBuilder builder(tree->head, tree->body, documentSize);

    std::string_view chunk;
    next(chunk);
    // The first bytes tell the encoding, to the scanner as to the parser.
    const std::string_view head = chunk.substr(0, 4);
    if (!guard.Scan(head.data(), head.size()))
        return false;
    xmlParserCtxtPtr context =
        xmlCreatePushParserCtxt(&handler, nullptr, head.data(), static_cast<int>(head.size()), nullptr);
    if (!context)
        return false;
    xmlCtxtUseOptions(context, kParseOptions);
    builder.Attach(context);
    // Pushed in pieces, so that the parser itself sees where the bytes end: a NUL byte after the
    // root element is then content after the document, not its end.
    bool parsing = true;
    chunk.remove_prefix(head.size());
    while (parsing && !chunk.empty())
    {
        parsing = guard.Feed(context, chunk.data(), chunk.size(), false);
        next(chunk);
    }
    if (parsing)
        guard.Feed(context, nullptr, 0, true);
    // Undeclared prefixes only clear nsWellFormed in libxml2; the catalogue treats them as malformed.
    const bool wellFormed = !guard.Refused() && !builder.Failed() && builder.Root() && context->wellFormed &&
                            context->nsWellFormed;
    if (wellFormed && xmlDictReference(context->dict) == 0)
    {
        tree->names = context->dict;
        tree->root = builder.Root();
        m_tree = std::move(tree);
    }
    if (context->myDoc)
        xmlFreeDoc(context->myDoc);
    context->myDoc = nullptr;
    xmlFreeParserCtxt(context);
    return m_tree != nullptr;
}

const XmlNode* XmlDocument::SelectRoot(const char* name) const
{
    const XmlNode* root = m_tree ? m_tree->root : nullptr;
    if (!root || !name || root->inNamespace)
        return nullptr;
    return Xml::HasName(root, name) ? root : nullptr;
}

void XmlDocument::ReleaseBefore(const XmlNode* rootChild)
{
    if (m_tree && rootChild)
        m_tree->body.ReleaseBefore(rootChild->block);
}
} // namespace ZANRET
