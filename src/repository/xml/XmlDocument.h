#pragma once
// A document file read with libxml2 into a compact tree of its elements, safely: nothing is ever
// fetched (no network, no external entity, no external DTD), and entity bombs, too-deep nesting,
// too many attributes, namespace errors and bytes that cannot be decoded make the document
// malformed. The whole file is parsed before the tree is kept; a document that is not well-formed
// leaves none.

#include "repository/xml/XmlNode.h"

#include <memory>

namespace ZANRET
{
class XmlUtf8File;

class XmlDocument
{
public:
    XmlDocument();
    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Reads and parses the file in bounded pieces, in the encoding that XML gives it. The elements
    // that the rule names, if one is given, become records (XmlRecordRule). False when the file
    // cannot be read (no regular file, or larger than the document limit), the document is not
    // well-formed or breaks a limit, or there is no memory for it; the document is then empty. A
    // previous document is released first, and nothing it handed out may be used any more.
    bool LoadFile(const wchar_t* path, const XmlRecordRule* records = nullptr);

    // The document element when its full name is the given one and it is in no namespace; else
    // null. Valid as long as the document holds its tree.
    const XmlNode* SelectRoot(const char* name) const;

private:
    struct Tree;

    // Parses the file's text into the tree; true when the whole document is well-formed.
    static bool Parse(XmlUtf8File& file, Tree& tree, const XmlRecordRule* records);

    std::unique_ptr<Tree> m_tree;
};
} // namespace ZANRET
