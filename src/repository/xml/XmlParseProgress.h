#pragma once
// How far the parse of a document on another thread has come: its document element, how many of
// that element's children are complete, and whether and how the parse ended. The parsing thread
// reports; a reader waits for what it needs next.

#include "repository/xml/XmlNode.h"

#include <condition_variable>
#include <cstddef>
#include <mutex>

namespace ZANRET
{
class XmlParseProgress
{
public:
    // The parsing thread's reports. Everything built before a report is visible to the reader
    // that it wakes.
    void RootStarted(const XmlNode* root);
    void RootChildDone();
    void Ended(bool wellFormed);

    // The document element once it is started; null when the parse ended without one.
    const XmlNode* WaitForRoot();
    // True once the child of the document element with this index is complete; false when the
    // parse ended before it, or ended malformed.
    bool WaitForRootChild(std::size_t index);
    // Whether the document was well-formed, once the parse ended.
    bool WaitForEnd();

private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    const XmlNode* m_root = nullptr;
    static constexpr std::size_t kChildrenPerWake = 8;
    std::size_t m_rootChildrenDone = 0;
    std::size_t m_wakeAt = 0;
    bool m_readerWaits = false;
    bool m_ended = false;
    bool m_wellFormed = false;
};
} // namespace ZANRET
