#include "repository/xml/StartTagScanner.h"

#include "repository/xml/XmlLimits.h"

#include <cstring>

namespace ZANRET
{
namespace
{
// A start tag with more attributes than the limit runs from its '<' to its '>' over at least this
// many characters (each attribute takes a blank, a name, '=' and two quotes), and '<' cannot stand
// inside it. So a tag whose next '<' comes sooner has few enough attributes, and only longer ones
// are counted one character at a time.
constexpr std::size_t kShortTag = 5 * (XmlLimits::kMaxAttributesPerElement + 1) + 3;

constexpr char kOther = static_cast<char>(0x80);

char FromEbcdic(unsigned char byte)
{
    // The characters that delimit markup, in the EBCDIC code pages; both places of '!' and '['.
    switch (byte)
    {
    case 0x4C:
        return '<';
    case 0x6E:
        return '>';
    case 0x7E:
        return '=';
    case 0x7F:
        return '"';
    case 0x7D:
        return '\'';
    case 0x6F:
        return '?';
    case 0x61:
        return '/';
    case 0x60:
        return '-';
    case 0x5A:
    case 0x4F:
        return '!';
    case 0xBA:
    case 0xAD:
    case 0x4A:
        return '[';
    case 0xBB:
    case 0xBD:
        return ']';
    default:
        return kOther;
    }
}

bool Starts(const std::string& bytes, const char* prefix, std::size_t length)
{
    return bytes.size() >= length && std::memcmp(bytes.data(), prefix, length) == 0;
}
} // namespace

bool StartTagScanner::TextWithinLimit(std::string_view utf8)
{
    StartTagScanner scanner;
    scanner.m_units = Units::Bytes;
    return scanner.Feed(utf8.data(), utf8.size());
}

bool StartTagScanner::Feed(const char* data, std::size_t size)
{
    if (m_refused)
        return false;
    if (m_units == Units::Undecided)
    {
        m_head.append(data, size);
        if (m_head.size() < 4)
            return true;
        DecideUnits();
        std::string head;
        head.swap(m_head);
        return Feed(head.data(), head.size());
    }
    if (m_units == Units::Bytes)
        m_refused = !Scan(data, size);
    else
    {
        Project(data, size);
        m_refused = !Scan(m_projected.data(), m_projected.size());
    }
    return !m_refused;
}

void StartTagScanner::DecideUnits()
{
    // As libxml2 detects the encoding from the first four bytes.
    struct Mark
    {
        const char* bytes;
        std::size_t length;
        Units units;
    };
    static const Mark marks[] = {
        {"\x00\x00\x00\x3C", 4, Units::Ucs4BE},
        {"\x3C\x00\x00\x00", 4, Units::Ucs4LE},
        {"\x00\x00\x3C\x00", 4, Units::Ucs4In2143},
        {"\x00\x3C\x00\x00", 4, Units::Ucs4In3412},
        {"\x4C\x6F\xA7\x94", 4, Units::Ebcdic},
        {"\x3C\x00\x3F\x00", 4, Units::Utf16LE},
        {"\x00\x3C\x00\x3F", 4, Units::Utf16BE},
        {"\xFE\xFF", 2, Units::Utf16BE},
        {"\xFF\xFE", 2, Units::Utf16LE},
    };
    m_units = Units::Bytes;
    for (const Mark& mark : marks)
    {
        if (Starts(m_head, mark.bytes, mark.length))
        {
            m_units = mark.units;
            return;
        }
    }
}

void StartTagScanner::Project(const char* data, std::size_t size)
{
    m_projected.clear();
    std::size_t width = 1;
    if (m_units == Units::Utf16LE || m_units == Units::Utf16BE)
        width = 2;
    else if (m_units != Units::Ebcdic)
        width = 4;
    std::string_view bytes(data, size);
    if (!m_partial.empty())
    {
        m_partial.append(data, size);
        bytes = m_partial;
    }
    const std::size_t whole = bytes.size() - bytes.size() % width;
    m_projected.reserve(whole / width);
    for (std::size_t i = 0; i < whole; i += width)
    {
        const auto b = [&](std::size_t k)
        { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + k])); };
        std::uint32_t unit = 0;
        switch (m_units)
        {
        case Units::Ebcdic:
            m_projected += FromEbcdic(static_cast<unsigned char>(bytes[i]));
            continue;
        case Units::Utf16LE:
            unit = b(0) | b(1) << 8;
            break;
        case Units::Utf16BE:
            unit = b(0) << 8 | b(1);
            break;
        case Units::Ucs4BE:
            unit = b(0) << 24 | b(1) << 16 | b(2) << 8 | b(3);
            break;
        case Units::Ucs4LE:
            unit = b(3) << 24 | b(2) << 16 | b(1) << 8 | b(0);
            break;
        case Units::Ucs4In2143:
            unit = b(1) << 24 | b(0) << 16 | b(3) << 8 | b(2);
            break;
        default:
            unit = b(2) << 24 | b(3) << 16 | b(0) << 8 | b(1);
            break;
        }
        m_projected += unit < 0x80 ? static_cast<char>(unit) : kOther;
    }
    m_partial = std::string(bytes.substr(whole));
}

bool StartTagScanner::Count(char c)
{
    if (m_quote)
    {
        if (c == m_quote)
            m_quote = 0;
    }
    else if (c == '"' || c == '\'')
        m_quote = c;
    else if (c == '=')
        return ++m_count <= XmlLimits::kMaxAttributesPerElement;
    else if (c == '>')
    {
        m_state = State::Text;
        m_count = 0;
    }
    return true;
}

bool StartTagScanner::Scan(const char* data, std::size_t size)
{
    std::size_t i = 0;
    while (i < size)
    {
        if (m_state == State::Text)
        {
            const void* less = std::memchr(data + i, '<', size - i);
            if (!less)
                return true;
            i = static_cast<std::size_t>(static_cast<const char*>(less) - data) + 1;
            m_inSubset = false;
            // Start and end tags, by far the most of a catalogue, without a round through the
            // slow loop.
            if (i < size && data[i] == '/')
            {
                m_state = State::EndTag;
                ++i;
            }
            else if (i < size && data[i] != '!' && data[i] != '?' && data[i] != '\0')
            {
                m_tag.assign(1, '<');
                m_state = State::StartTag;
            }
            else
                m_state = State::AfterLess;
            continue;
        }
        if (m_state == State::EndTag)
        {
            const void* greater = std::memchr(data + i, '>', size - i);
            if (!greater)
                return true;
            i = static_cast<std::size_t>(static_cast<const char*>(greater) - data) + 1;
            m_state = State::Text;
            continue;
        }
        if (m_state == State::StartTag)
        {
            // Decided as soon as the next '<' shows up, or the tag has grown long enough to count.
            const std::size_t window = kShortTag - m_tag.size();
            const std::size_t available = size - i < window ? size - i : window;
            if (const void* less = std::memchr(data + i, '<', available))
            {
                m_tag.clear();
                i = static_cast<std::size_t>(static_cast<const char*>(less) - data);
                m_state = State::Text;
                continue;
            }
            m_tag.append(data + i, available);
            i += available;
            if (m_tag.size() < kShortTag)
                return true;
            m_state = State::CountingTag;
            m_count = 0;
            m_quote = 0;
            for (const char c : m_tag)
            {
                if (!Count(c))
                    return false;
                if (m_state != State::CountingTag)
                    break;
            }
            // The rest of the collected bytes holds no '<', so nothing more is to be found there.
            m_tag.clear();
            continue;
        }
        if (!ScanSlowly(data, size, i))
            return false;
    }
    return true;
}

bool StartTagScanner::ScanSlowly(const char* data, std::size_t size, std::size_t& i)
{
    // Markup other than text and short start tags, one character at a time; NUL characters are
    // passed over, so that a document whose declaration switched to a wider encoding still reads.
    for (; i < size; ++i)
    {
        const char c = data[i];
        if (c == 0)
            continue;
        const char previous = m_previous;
        const char beforePrevious = m_beforePrevious;
        m_beforePrevious = previous;
        m_previous = c;
        const State resume = m_inSubset ? State::Subset : State::Text;
        switch (m_state)
        {
        case State::AfterLess:
            m_previous = m_beforePrevious = 0;
            if (c == '!')
                m_state = State::AfterBang;
            else if (c == '?')
                m_state = State::Instruction;
            else if (m_inSubset)
                m_state = State::Subset;
            else if (c == '/')
                m_state = State::EndTag;
            else
            {
                m_tag.assign(1, '<');
                m_state = State::StartTag;
                return true;
            }
            break;
        case State::AfterBang:
            if (c == '-')
                m_state = State::AfterBangDash;
            else if (c == '[' && !m_inSubset)
                m_state = State::CData;
            else
                m_state = m_inSubset ? State::Subset : State::Declaration;
            break;
        case State::AfterBangDash:
            m_previous = m_beforePrevious = 0;
            m_state = c == '-' ? State::Comment : (m_inSubset ? State::Subset : State::Declaration);
            break;
        case State::Comment:
            if (c == '>' && previous == '-' && beforePrevious == '-')
                m_state = resume;
            break;
        case State::CData:
            if (c == '>' && previous == ']' && beforePrevious == ']')
                m_state = State::Text;
            break;
        case State::Instruction:
            if (c == '>' && previous == '?')
                m_state = resume;
            break;
        case State::EndTag:
            if (c == '>')
                m_state = State::Text;
            break;
        case State::CountingTag:
            if (!Count(c))
                return false;
            break;
        case State::Declaration:
        case State::Subset:
            if (m_quote)
            {
                if (c == m_quote)
                    m_quote = 0;
            }
            else if (c == '"' || c == '\'')
                m_quote = c;
            else if (m_state == State::Declaration && c == '[')
            {
                m_state = State::Subset;
                m_inSubset = true;
            }
            else if (m_state == State::Declaration && c == '>')
                m_state = State::Text;
            else if (m_state == State::Subset && c == ']')
            {
                m_state = State::Declaration;
                m_inSubset = false;
            }
            else if (m_state == State::Subset && c == '<')
                m_state = State::AfterLess;
            break;
        default:
            break;
        }
        if (m_state == State::Text)
        {
            ++i;
            return true;
        }
    }
    return true;
}
} // namespace ZANRET
