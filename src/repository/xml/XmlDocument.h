#pragma once
// A catalogue document loaded whole into memory with libxml2, safely: nothing is ever fetched (no
// network, no external entity, no external DTD), and entity bombs, too-deep nesting and namespace
// errors make the document malformed. The encoding comes from the byte-order mark or the declaration.

#include "repository/xml/XmlNode.h"

#include <string_view>

struct _xmlDoc;

namespace ZANRET
{
class XmlDocument
{
public:
    XmlDocument() = default;
    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Reads the file's bytes and parses them (LoadBytes). False when the file cannot be read or the
    // document is not well-formed; the document is then empty.
    bool LoadFile(const wchar_t* path);

    // Parses the whole document. False when it is not well-formed or breaks a safety limit; the
    // document is then empty. A previous document is released first.
    bool LoadBytes(std::string_view bytes);

    // The document element when its full name is the given one and it is in no namespace; else null.
    const XmlNode* SelectRoot(const char* name) const;

private:
    void Release();

    _xmlDoc* m_doc = nullptr;
};
} // namespace ZANRET
