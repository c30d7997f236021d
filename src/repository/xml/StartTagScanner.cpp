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

} // namespace

bool StartTagScanner::TextWithinLimit(std::string_view utf8)
{
    StartTagScanner scanner;
    return scanner.Feed(utf8.data(), utf8.size());
}

bool StartTagScanner::Feed(const char* data, std::size_t size)
{
    if (!m_refused)
        m_refused = !Scan(data, size);
    return !m_refused;
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
            // Start and end tags, by far the most of a document, without a round through the
            // slow loop.
            if (i < size && data[i] == '/')
            {
                m_state = State::EndTag;
                ++i;
            }
            else if (i < size && data[i] != '!' && data[i] != '?')
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
    // Markup other than text and short start tags, one character at a time.
    for (; i < size; ++i)
    {
        const char c = data[i];
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
