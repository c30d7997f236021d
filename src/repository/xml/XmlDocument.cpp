#include "repository/xml/XmlDocument.h"

#include "repository/xml/XmlArena.h"
#include "repository/xml/XmlLimits.h"
#include "repository/xml/XmlParseGuard.h"
#include "repository/xml/XmlReadAhead.h"
#include "repository/xml/XmlTreeBuilder.h"
#include "win32/textfile.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <new>
#include <system_error>
#include <thread>

namespace ZANRET
{
namespace
{
// Never NOENT, DTDLOAD, DTDATTR, DTDVALID, XINCLUDE or HUGE: each of them would load outside
// content or lift libxml2's limits on entity expansion, nesting depth and text size.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_COMPACT;
// libxml2 refuses a single push of more than 10 MB.
constexpr std::size_t kChunkBytes = 64 * 1024;

// Null when there is no memory for it.
template <typename T> std::unique_ptr<T> Make()
{
    try
    {
        return std::make_unique<T>();
    }
    catch (const std::bad_alloc&)
    {
        return nullptr;
    }
}
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

// A parse on a thread of its own, and what it has built so far.
struct XmlDocument::Stream
{
    win32::FileReader file;
    XmlParseProgress progress;
    std::atomic<bool> cancelled{false};
    std::thread thread;
};

XmlDocument::XmlDocument() = default;

XmlDocument::~XmlDocument()
{
    if (m_stream)
    {
        m_stream->cancelled = true;
        End();
    }
}

void XmlDocument::Release()
{
    m_tree.reset();
    m_lastRootChild = nullptr;
    m_rootChildrenTaken = 0;
}

bool XmlDocument::LoadFile(const wchar_t* path)
{
    End();
    Release();
    win32::FileReader file;
    std::unique_ptr<Tree> tree = Make<Tree>();
    if (!path || !tree || !file.Open(path, XmlLimits::kMaxCatalogueBytes))
        return false;
    if (ParseFile(*tree, file, nullptr, nullptr))
        m_tree = std::move(tree);
    return m_tree != nullptr;
}

bool XmlDocument::LoadBytes(std::string_view bytes)
{
    End();
    Release();
    std::unique_ptr<Tree> tree = Make<Tree>();
    const bool loaded = tree && Parse(
                                    *tree, bytes.size(),
                                    [&](std::string_view& chunk)
                                    {
                                        chunk = bytes.substr(0, kChunkBytes);
                                        bytes.remove_prefix(chunk.size());
                                    },
                                    nullptr, false);
    if (loaded)
        m_tree = std::move(tree);
    return loaded;
}

bool XmlDocument::Begin(const wchar_t* path)
{
    End();
    Release();
    std::unique_ptr<Tree> tree = Make<Tree>();
    std::unique_ptr<Stream> stream = Make<Stream>();
    if (!path || !tree || !stream || !stream->file.Open(path, XmlLimits::kMaxCatalogueBytes))
        return false;
    m_tree = std::move(tree);
    m_stream = std::move(stream);
    // libxml2 sets up its shared state once, before parsers on several threads use it.
    xmlInitParser();
    const auto parse = [tree = m_tree.get(), stream = m_stream.get()]
    { stream->progress.Ended(ParseFile(*tree, stream->file, &stream->progress, &stream->cancelled)); };
    try
    {
        m_stream->thread = std::thread(parse);
    }
    catch (const std::system_error&)
    {
        parse();
    }
    return true;
}

bool XmlDocument::End()
{
    if (!m_stream)
        return m_tree != nullptr;
    if (m_stream->thread.joinable())
        m_stream->thread.join();
    const bool wellFormed = m_stream->progress.WaitForEnd();
    m_stream.reset();
    if (!wellFormed)
        Release();
    return wellFormed;
}

bool XmlDocument::ParseFile(Tree& tree, win32::FileReader& file, XmlParseProgress* progress,
                            const std::atomic<bool>* cancelled)
{
    XmlReadAhead pieces(file, cancelled);
    // The parser takes each piece in its usual chunks: it moves less of its buffer about that way.
    std::string_view piece;
    const bool parsed = Parse(
        tree, static_cast<std::size_t>(file.Size()),
        [&](std::string_view& chunk)
        {
            if (piece.empty())
                piece = pieces.Next();
            chunk = piece.substr(0, kChunkBytes);
            piece.remove_prefix(chunk.size());
        },
        progress, true);
    return parsed && !pieces.Failed() && !pieces.Refused();
}

bool XmlDocument::Parse(Tree& tree, std::size_t documentSize,
                        const std::function<void(std::string_view&)>& next, XmlParseProgress* progress,
                        bool bytesScanned)
{
    xmlSAXHandler handler;
    xmlSAXVersion(&handler, 2);
    XmlTreeBuilder::Install(handler);
    XmlParseGuard guard(handler, bytesScanned);
    XmlTreeBuilder builder(tree.head, tree.body, documentSize);

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
    // The names live in the parser's dictionary, which the tree keeps: a reader may still be at
    // them when the parser is gone.
    if (xmlDictReference(context->dict) == 0)
        tree.names = context->dict;
    builder.Attach(context, progress);
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
    const bool wellFormed = tree.names && !guard.Refused() && !builder.Failed() && builder.Root() &&
                            context->wellFormed && context->nsWellFormed;
    if (wellFormed)
        tree.root = builder.Root();
    if (context->myDoc)
        xmlFreeDoc(context->myDoc);
    context->myDoc = nullptr;
    xmlFreeParserCtxt(context);
    return wellFormed;
}

const XmlNode* XmlDocument::SelectRoot(const char* name) const
{
    const XmlNode* root = m_stream ? m_stream->progress.WaitForRoot() : m_tree ? m_tree->root : nullptr;
    if (!root || !name || root->inNamespace)
        return nullptr;
    return Xml::HasName(root, name) ? root : nullptr;
}

const XmlNode* XmlDocument::NextRootChild()
{
    if (m_stream && !m_stream->progress.WaitForRootChild(m_rootChildrenTaken))
        return nullptr;
    const XmlNode* root = m_stream ? m_stream->progress.WaitForRoot() : m_tree ? m_tree->root : nullptr;
    const XmlNode* child = m_rootChildrenTaken == 0 ? Xml::FirstChildElement(root)
                           : m_lastRootChild        ? Xml::NextSiblingElement(m_lastRootChild)
                                                    : nullptr;
    if (!child)
        return nullptr;
    ++m_rootChildrenTaken;
    m_lastRootChild = child;
    ReleaseBefore(child);
    return child;
}

void XmlDocument::ReleaseBefore(const XmlNode* rootChild)
{
    if (m_tree && rootChild)
        m_tree->body.ReleaseBefore(rootChild->block);
}
} // namespace ZANRET
