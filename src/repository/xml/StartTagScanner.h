#pragma once
// Counts the attributes of every start tag in the UTF-8 text of a document before the parser sees
// it. libxml2 tests the attributes of one element for duplicates pair by pair, so a start tag with
// tens of thousands of attributes would hold the reader for many seconds; such a document is
// refused as malformed before that work starts.
//
// Comments, CDATA sections, processing instructions and the document type declaration are passed
// over. Attributes given in entity text and attribute defaults declared in the document type are
// checked where the parser meets them (see XmlLimits).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ZANRET
{
class StartTagScanner
{
public:
    // Feeds the next bytes of the document. False once a start tag has more attributes
    // (namespace declarations included) than the limit; it stays false.
    bool Feed(const char* data, std::size_t size);

    // The same test on a whole text, such as the replacement text of an entity.
    static bool TextWithinLimit(std::string_view utf8);

private:
    enum class State : std::uint8_t
    {
        Text,
        AfterLess,
        AfterBang,
        AfterBangDash,
        Comment,
        CData,
        Instruction,
        EndTag,
        StartTag,
        CountingTag,
        Declaration,
        Subset,
    };

    bool Scan(const char* data, std::size_t size);
    bool ScanSlowly(const char* data, std::size_t size, std::size_t& i);
    bool Count(char c);

    State m_state = State::Text;
    std::string m_tag; // a start tag so far, while it is still too short to matter
    std::uint32_t m_count = 0;
    char m_quote = 0;
    char m_previous = 0;
    char m_beforePrevious = 0;
    bool m_inSubset = false;
    bool m_refused = false;
};
} // namespace ZANRET
