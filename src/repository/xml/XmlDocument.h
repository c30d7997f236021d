#pragma once
// A catalogue document read as a stream with libxml2 into a compact tree of its elements, safely:
// nothing is ever fetched (no network, no external entity, no external DTD), and entity bombs,
// too-deep nesting, too many attributes and namespace errors make the document malformed. The
// encoding comes from the byte-order mark or the declaration. The tree is only kept once the last
// byte has parsed cleanly.

#include "repository/xml/XmlNode.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>

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

    // The document element when its full name is the given one and it is in no namespace; else null.
    const XmlNode* SelectRoot(const char* name) const;

    // Gives back the memory of the document element's children before this one, with all below
    // them: a reader that is done with them keeps the tree and what it made of it from both being
    // held at once. Nothing before the child may be used afterwards.
    void ReleaseBefore(const XmlNode* rootChild);

private:
    struct Tree;

    void Release();
    // Parses the pieces that next hands out, until it hands out an empty one.
    bool Load(std::size_t documentSize, const std::function<void(std::string_view&)>& next);

    std::unique_ptr<Tree> m_tree;
};
} // namespace ZANRET
