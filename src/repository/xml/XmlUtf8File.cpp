#include "repository/xml/XmlUtf8File.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

namespace ZANRET
{
namespace
{
// A piece is read, decoded and parsed before the next is read. libxml2 refuses a single push of
// more than 10 MB.
constexpr std::size_t kPieceBytes = 64 * 1024;
// No encoding needs more bytes than this for one character; more left undecoded is a bad byte.
constexpr std::size_t kMostPendingBytes = 16;
// An EBCDIC document names its code page in a declaration within its first bytes.
constexpr std::size_t kEbcdicDeclarationBytes = 200;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool SameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y)
                      {
                          const auto lower = [](char c)
                          { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
                          return lower(x) == lower(y);
                      });
}

// The name that the XML declaration at the start of the text gives its encoding, if any.
std::optional<std::string> DeclaredEncoding(std::string_view text)
{
    if (text.size() < 6 || !text.starts_with("<?xml") || !IsBlank(text[5]))
        return std::nullopt;
    const std::string_view declaration = text.substr(0, text.find("?>"));
    for (std::size_t at = declaration.find("encoding"); at != std::string_view::npos;
         at = declaration.find("encoding", at + 1))
    {
        if (!IsBlank(declaration[at - 1]))
            continue;
        std::size_t i = at + 8;
        while (i < declaration.size() && IsBlank(declaration[i]))
            ++i;
        if (i == declaration.size() || declaration[i] != '=')
            continue;
        ++i;
        while (i < declaration.size() && IsBlank(declaration[i]))
            ++i;
        if (i == declaration.size() || (declaration[i] != '"' && declaration[i] != '\''))
            continue;
        const std::size_t end = declaration.find(declaration[i], i + 1);
        if (end == std::string_view::npos)
            return std::nullopt;
        return std::string(declaration.substr(i + 1, end - i - 1));
    }
    return std::nullopt;
}

// The head of an EBCDIC document in UTF-8, as far as its declaration goes.
std::string EbcdicHead(std::string_view head)
{
    std::string text;
    xmlCharEncodingHandler* handler = xmlGetCharEncodingHandler(XML_CHAR_ENCODING_EBCDIC);
    xmlBufferPtr in = xmlBufferCreate();
    xmlBufferPtr out = xmlBufferCreate();
    const std::string_view bytes = head.substr(0, kEbcdicDeclarationBytes);
    if (handler && in && out &&
        xmlBufferAdd(in, reinterpret_cast<const xmlChar*>(bytes.data()), static_cast<int>(bytes.size())) == 0)
    {
        xmlCharEncInFunc(handler, out, in);
        text.assign(reinterpret_cast<const char*>(xmlBufferContent(out)),
                    static_cast<std::size_t>(xmlBufferLength(out)));
    }
    xmlBufferFree(in);
    xmlBufferFree(out);
    if (handler)
        xmlCharEncCloseFunc(handler);
    return text;
}
} // namespace

XmlUtf8File::~XmlUtf8File()
{
    if (m_handler)
        xmlCharEncCloseFunc(m_handler);
    xmlBufferFree(m_in);
    xmlBufferFree(m_out);
}

bool XmlUtf8File::Open(const wchar_t* path, std::uint64_t maxBytes)
{
    m_raw.reset(new (std::nothrow) char[kPieceBytes]);
    return path && m_raw && m_file.Open(path, maxBytes);
}

std::string_view XmlUtf8File::Fail()
{
    m_failed = true;
    m_ended = true;
    return {};
}

std::string_view XmlUtf8File::Next()
{
    // Until there is text: a piece may decode to nothing yet, as in a stateful encoding.
    while (!m_ended)
    {
        std::size_t read = 0;
        if (!m_file.Read(m_raw.get(), kPieceBytes, &read))
            return Fail();
        std::string_view raw(m_raw.get(), read);
        if (read == 0)
        {
            m_ended = true;
            // Bytes left over at the end are a character cut short.
            if (m_in && xmlBufferLength(m_in) > 0)
                return Fail();
            return {};
        }
        if (!m_started)
        {
            m_started = true;
            if (!Start(raw))
                return Fail();
        }
        std::string_view text;
        if (!Decode(raw, text))
            return Fail();
        if (!text.empty())
            return text;
    }
    return {};
}

bool XmlUtf8File::Start(std::string_view& head)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(head.data());
    xmlCharEncoding detected =
        xmlDetectCharEncoding(bytes, static_cast<int>(std::min<std::size_t>(head.size(), 4)));
    // libxml2 takes "<?xm" for UTF-8 as well; only the mark says so, else the declaration decides.
    if (detected == XML_CHAR_ENCODING_UTF8 && !head.starts_with("\xEF\xBB\xBF"))
        detected = XML_CHAR_ENCODING_NONE;
    std::optional<std::string> declared;
    switch (detected)
    {
    case XML_CHAR_ENCODING_UTF8:
        return true;
    case XML_CHAR_ENCODING_UTF16LE:
    case XML_CHAR_ENCODING_UTF16BE:
        // The mark is no character of the text.
        if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF"))
            head.remove_prefix(2);
        m_handler = xmlGetCharEncodingHandler(detected);
        break;
    case XML_CHAR_ENCODING_EBCDIC:
        declared = DeclaredEncoding(EbcdicHead(head));
        m_handler =
            declared ? xmlFindCharEncodingHandler(declared->c_str()) : xmlGetCharEncodingHandler(detected);
        break;
    case XML_CHAR_ENCODING_NONE:
        declared = DeclaredEncoding(head);
        if (!declared || SameLetters(*declared, "UTF-8") || SameLetters(*declared, "UTF8"))
            return true;
        // Text whose first bytes show no wider encoding cannot be UTF-16.
        if (SameLetters(*declared, "UTF-16") || SameLetters(*declared, "UTF16"))
            return false;
        m_handler = xmlFindCharEncodingHandler(declared->c_str());
        break;
    case XML_CHAR_ENCODING_UCS4LE:
        m_handler = xmlFindCharEncodingHandler("UCS-4LE");
        break;
    case XML_CHAR_ENCODING_UCS4BE:
        m_handler = xmlFindCharEncodingHandler("UCS-4BE");
        break;
    default:
        // UCS-4 in the unusual byte orders has no converter.
        return false;
    }
    if (!m_handler)
        return false;
    m_in = xmlBufferCreateSize(kPieceBytes + kMostPendingBytes);
    m_out = xmlBufferCreateSize(2 * kPieceBytes);
    return m_in && m_out;
}

bool XmlUtf8File::Decode(std::string_view raw, std::string_view& text)
{
    if (!m_handler)
    {
        text = raw;
        return true;
    }
    if (xmlBufferAdd(m_in, reinterpret_cast<const xmlChar*>(raw.data()), static_cast<int>(raw.size())) != 0)
        return false;
    xmlBufferEmpty(m_out);
    // A converter stops at a bad byte, and at a character cut at the end of the piece: that one is
    // taken up with the next piece.
    for (int left = xmlBufferLength(m_in); left > 0;)
    {
        xmlCharEncInFunc(m_handler, m_out, m_in);
        const int now = xmlBufferLength(m_in);
        if (now == left)
            break;
        left = now;
    }
    if (static_cast<std::size_t>(xmlBufferLength(m_in)) > kMostPendingBytes)
        return false;
    text = std::string_view(reinterpret_cast<const char*>(xmlBufferContent(m_out)),
                            static_cast<std::size_t>(xmlBufferLength(m_out)));
    return true;
}
} // namespace ZANRET
