#pragma once
// A catalogue document loaded whole into memory with libxml2, safely: nothing is ever fetched (no
// network, no external entity, no external DTD), and entity bombs, too-deep nesting and namespace
// errors make the document malformed. The encoding comes from the byte-order mark or the declaration.

#include "dom/XmlNode.h"

#include <cstddef>
#include <functional>
#include <string_view>

struct _xmlDoc;

namespace ZANRET::DomReference
{
class XmlDocument
{
public:
    XmlDocument() = default;
    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Reads the file's bytes and parses them as LoadBytes does. False when the file cannot be read
    // (no regular file, or larger than the catalogue limit) or the document is not well-formed; the
    // document is then empty.
    bool LoadFile(const wchar_t* path);

    // Parses the whole document. False when it is not well-formed or breaks a safety limit; the
    // document is then empty. A previous document is released first.
    bool LoadBytes(std::string_view bytes);

    // The document element when its full name is the given one and it is in no namespace; else null.
    const XmlNode* SelectRoot(const char* name) const;

private:
    void Release();
    // Parses the pieces that next hands out, until it hands out an empty one.
    bool Load(std::size_t documentSize, const std::function<void(std::string_view&)>& next);

    _xmlDoc* m_doc = nullptr;
};
} // namespace ZANRET::DomReference
