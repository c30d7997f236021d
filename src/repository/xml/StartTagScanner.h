#pragma once
// Counts the attributes of every start tag in the raw bytes of a document before the parser sees
// them. libxml2 tests the attributes of one element for duplicates pair by pair, so a start tag
// with tens of thousands of attributes would hold the reader for many seconds; such a document is
// refused as malformed before that work starts.
//
// The bytes are taken in the encoding that their first bytes show (8-bit and UTF-8, UTF-16 and
// UCS-4 in either byte order, EBCDIC); the characters that delimit markup are the same in all of
// them. Comments, CDATA sections, processing instructions and the document type declaration are
// passed over. Attributes given in entity text and attribute defaults declared in the document
// type are checked where the parser meets them (see XmlLimits).

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

    // The same test on text that is already UTF-8, such as the replacement text of an entity.
    static bool TextWithinLimit(std::string_view utf8);

private:
    enum class Units : std::uint8_t
    {
        Undecided,
        Bytes,
        Utf16LE,
        Utf16BE,
        Ucs4BE,
        Ucs4LE,
        Ucs4In2143,
        Ucs4In3412,
        Ebcdic,
    };
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

    void DecideUnits();
    // Turns the units of the encoding into one byte each: ASCII stays, anything else becomes 0x80.
    void Project(const char* data, std::size_t size);
    bool Scan(const char* data, std::size_t size);
    bool ScanSlowly(const char* data, std::size_t size, std::size_t& i);
    bool Count(char c);

    Units m_units = Units::Undecided;
    State m_state = State::Text;
    std::string m_head;      // the first bytes, until the encoding is known
    std::string m_partial;   // a unit split between two feeds
    std::string m_projected; // the bytes of a feed as one byte per unit
    std::string m_tag;       // a start tag so far, while it is still too short to matter
    std::uint32_t m_count = 0;
    char m_quote = 0;
    char m_previous = 0;
    char m_beforePrevious = 0;
    bool m_inSubset = false;
    bool m_refused = false;
};
} // namespace ZANRET
