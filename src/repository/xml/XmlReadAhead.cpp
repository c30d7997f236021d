#include "repository/xml/XmlReadAhead.h"

#include "win32/textfile.h"

#include <new>
#include <system_error>

namespace ZANRET
{
XmlReadAhead::XmlReadAhead(win32::FileReader& file, const std::atomic<bool>* cancelled)
    : m_file(file), m_cancelled(cancelled)
{
    try
    {
        m_memory = std::make_unique_for_overwrite<char[]>(kPieces * kPieceBytes);
    }
    catch (const std::bad_alloc&)
    {
        m_failed = true;
        m_ended = true;
        return;
    }
    try
    {
        m_thread = std::thread([this] { ReadAll(); });
    }
    catch (const std::system_error&)
    {
    }
}

XmlReadAhead::~XmlReadAhead()
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_stop = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

bool XmlReadAhead::ReadPiece(std::size_t slot)
{
    char* piece = m_memory.get() + slot * kPieceBytes;
    std::size_t size = 0;
    if ((m_cancelled && *m_cancelled) || !m_file.Read(piece, kPieceBytes, &size))
    {
        m_failed = true;
        return false;
    }
    if (size == 0)
        return false;
    bool within = false;
    try
    {
        within = m_scanner.Feed(piece, size);
    }
    catch (const std::bad_alloc&)
    {
    }
    m_refused = !within;
    m_sizes[slot] = size;
    return within;
}

void XmlReadAhead::ReadAll()
{
    for (;;)
    {
        std::size_t slot = 0;
        {
            std::unique_lock<std::mutex> lock(m_lock);
            // The piece handed out last is still the parser's.
            const auto free = [this] { return m_read < (m_taken == 0 ? kPieces : m_taken - 1 + kPieces); };
            m_changed.wait(lock, [&] { return m_stop || free(); });
            if (m_stop)
                return;
            slot = m_read % kPieces;
        }
        const bool read = ReadPiece(slot);
        {
            const std::lock_guard<std::mutex> lock(m_lock);
            if (read)
                ++m_read;
            else
                m_ended = true;
        }
        m_changed.notify_all();
        if (!read)
            return;
    }
}

std::string_view XmlReadAhead::Next()
{
    const std::size_t slot = m_taken % kPieces;
    if (!m_thread.joinable())
    {
        if (m_ended || !ReadPiece(slot))
        {
            m_ended = true;
            return {};
        }
        ++m_taken;
        return {m_memory.get() + slot * kPieceBytes, m_sizes[slot]};
    }
    {
        std::unique_lock<std::mutex> lock(m_lock);
        m_changed.wait(lock, [this] { return m_taken < m_read || m_ended; });
        if (m_taken >= m_read)
            return {};
        ++m_taken;
    }
    m_changed.notify_all();
    return {m_memory.get() + slot * kPieceBytes, m_sizes[slot]};
}
} // namespace ZANRET
