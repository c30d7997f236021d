#pragma once
// A catalogue document read as a stream with libxml2 into a compact tree of its elements, safely:
// nothing is ever fetched (no network, no external entity, no external DTD), and entity bombs,
// too-deep nesting, too many attributes and namespace errors make the document malformed. The
// encoding comes from the byte-order mark or the declaration. A document loaded whole is only kept
// once the last byte has parsed cleanly; a document read while it is parsed (Begin) hands out the
// children of its document element as they are complete, and tells at End whether all of it was
// well-formed.

#include "repository/xml/XmlNode.h"
#include "repository/xml/XmlParseProgress.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>

namespace win32
{
class FileReader;
}

namespace ZANRET
{
class XmlDocument
{
public:
    XmlDocument();
    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Reads the file in pieces and parses them as LoadBytes does. False when the file cannot be
    // read (no regular file, or larger than the catalogue limit) or the document is not
    // well-formed; the document is then empty.
    bool LoadFile(const wchar_t* path);

    // Parses the whole document. False when it is not well-formed or breaks a safety limit; the
    // document is then empty. A previous document is released first.
    bool LoadBytes(std::string_view bytes);

    // Starts parsing the file as LoadFile does, on a thread of its own (or, when no thread can be
    // started, here and now). False when the file cannot be opened; the document is then empty.
    bool Begin(const wchar_t* path);
    // Waits for the parse to end; true when the whole document was well-formed. If it was not, the
    // document is empty and nothing it handed out may be used any more. Nothing for a document
    // that was not begun: it answers whether it holds a tree.
    bool End();

    // The document element when its full name is the given one and it is in no namespace; else
    // null. While the document is parsed, this waits for the document element.
    const XmlNode* SelectRoot(const char* name) const;

    // The children of the document element in document order, each once it is complete (while the
    // document is parsed, this waits for it); null after the last, or once the parse failed. The
    // memory of the children handed out before is given back, with all below them: a reader keeps
    // the tree and what it made of it from both being held at once.
    const XmlNode* NextRootChild();

private:
    struct Tree;
    struct Stream;

    void Release();
    // Gives back the memory of the document element's children before this one.
    void ReleaseBefore(const XmlNode* rootChild);
    // Parses the pieces that next hands out into the tree, until it hands out an empty one; true
    // when the document is well-formed, and the tree then holds it. Pieces that went through a
    // StartTagScanner already are not scanned again.
    static bool Parse(Tree& tree, std::size_t documentSize,
                      const std::function<void(std::string_view&)>& next, XmlParseProgress* progress,
                      bool bytesScanned);
    // Parses the file's bytes as they are read ahead; false also when the file cannot be read to its
    // end.
    static bool ParseFile(Tree& tree, win32::FileReader& file, XmlParseProgress* progress,
                          const std::atomic<bool>* cancelled);

    std::unique_ptr<Tree> m_tree;
    std::unique_ptr<Stream> m_stream;
    // What NextRootChild handed out last, and how many.
    const XmlNode* m_lastRootChild = nullptr;
    std::size_t m_rootChildrenTaken = 0;
};
} // namespace ZANRET
