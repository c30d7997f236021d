#pragma once
// A document file read in bounded pieces as UTF-8 text. Its encoding is the one XML gives it: a
// byte-order mark or the first bytes, else the encoding declaration, else UTF-8. Text in any other
// encoding is decoded with libxml2's own handlers, so that everything after this reads UTF-8 only,
// stateful encodings included. A byte that cannot be decoded fails the file, as an encoding XML
// does not know does: the document then counts as malformed.

#include "win32/textfile.h"

#include <libxml/encoding.h>
#include <libxml/tree.h>

#include <cstdint>
#include <memory>
#include <string_view>

namespace ZANRET
{
class XmlUtf8File
{
public:
    XmlUtf8File() = default;
    ~XmlUtf8File();
    XmlUtf8File(const XmlUtf8File&) = delete;
    XmlUtf8File& operator=(const XmlUtf8File&) = delete;

    // False when the path names no regular file or the file holds more than maxBytes.
    bool Open(const wchar_t* path, std::uint64_t maxBytes);
    // The size of the file in bytes, as opened.
    std::uint64_t Size() const { return m_file.Size(); }

    // The next piece of the text; empty at the end of the file, or once it could not be read or
    // decoded. Valid until the next call.
    std::string_view Next();
    // Whether the file could not be read or decoded to its end; final once Next answered empty.
    bool Failed() const { return m_failed; }

private:
    // Chooses the decoding from the first bytes; false for an encoding that cannot be read.
    bool Start(std::string_view& head);
    // The piece decoded, with what the last piece left undecoded before it; false on a byte that
    // cannot be decoded.
    bool Decode(std::string_view raw, std::string_view& text);
    std::string_view Fail();

    win32::FileReader m_file;
    std::unique_ptr<char[]> m_raw;
    // Null while the text is UTF-8 as it stands.
    xmlCharEncodingHandler* m_handler = nullptr;
    xmlBufferPtr m_in = nullptr;
    xmlBufferPtr m_out = nullptr;
    bool m_started = false;
    bool m_ended = false;
    bool m_failed = false;
};
} // namespace ZANRET
