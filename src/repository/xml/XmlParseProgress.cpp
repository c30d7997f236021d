#include "repository/xml/XmlParseProgress.h"

namespace ZANRET
{
void XmlParseProgress::RootStarted(const XmlNode* root)
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_root = root;
    }
    m_changed.notify_all();
}

void XmlParseProgress::RootChildDone()
{
    bool wake = false;
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        ++m_rootChildrenDone;
        wake = m_readerWaits && m_rootChildrenDone >= m_wakeAt;
    }
    if (wake)
        m_changed.notify_all();
}

void XmlParseProgress::Ended(bool wellFormed)
{
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_ended = true;
        m_wellFormed = wellFormed;
    }
    m_changed.notify_all();
}

const XmlNode* XmlParseProgress::WaitForRoot()
{
    std::unique_lock<std::mutex> lock(m_lock);
    m_changed.wait(lock, [this] { return m_root || m_ended; });
    return m_root;
}

bool XmlParseProgress::WaitForRootChild(std::size_t index)
{
    std::unique_lock<std::mutex> lock(m_lock);
    if (index >= m_rootChildrenDone && !m_ended)
    {
        // Waking a thread costs the parser far more than telling it about a child: a reader that
        // has caught up waits for a few children at once.
        m_wakeAt = index + kChildrenPerWake;
        m_readerWaits = true;
        m_changed.wait(lock, [&] { return m_rootChildrenDone >= m_wakeAt || m_ended; });
        m_readerWaits = false;
    }
    // A malformed document is not read any further.
    return index < m_rootChildrenDone && (!m_ended || m_wellFormed);
}

bool XmlParseProgress::WaitForEnd()
{
    std::unique_lock<std::mutex> lock(m_lock);
    m_changed.wait(lock, [this] { return m_ended; });
    return m_wellFormed;
}
} // namespace ZANRET
