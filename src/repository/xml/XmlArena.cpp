#include "repository/xml/XmlArena.h"

#include <cstdlib>
#include <cstring>

namespace ZANRET
{
namespace
{
constexpr std::size_t kBlockBytes = 256 * 1024;
// Enough for a reader that keeps a few root children behind the parser; more go back to the system.
constexpr std::size_t kSpareBlocks = 16;
} // namespace

XmlArena::~XmlArena()
{
    for (const Block& block : m_blocks)
        std::free(block.memory);
    for (char* block : m_spare)
        std::free(block);
}

void XmlArena::ReleaseBefore(std::size_t block)
{
    const std::lock_guard<std::mutex> lock(m_blocksLock);
    for (; m_released < block && m_released + 1 < m_blocks.size(); ++m_released)
    {
        Block& released = m_blocks[m_released];
        // The room was reserved when the block was taken, so keeping it cannot fail.
        if (released.bytes == kBlockBytes && m_spare.size() < m_spare.capacity())
            m_spare.push_back(released.memory);
        else
            std::free(released.memory);
        released.memory = nullptr;
    }
}

void* XmlArena::AllocateInNewBlock(std::size_t size, std::size_t alignment)
{
    const std::size_t bytes = size + alignment > kBlockBytes ? size + alignment : kBlockBytes;
    const std::lock_guard<std::mutex> lock(m_blocksLock);
    const bool reuse = bytes == kBlockBytes && !m_spare.empty();
    auto* block = reuse ? m_spare.back() : static_cast<char*>(std::malloc(bytes));
    if (!block)
        return nullptr;
    if (reuse)
        m_spare.pop_back();
    try
    {
        m_spare.reserve(kSpareBlocks);
        m_blocks.push_back({block, bytes});
    }
    catch (const std::bad_alloc&)
    {
        std::free(block);
        return nullptr;
    }
    m_next = block;
    m_left = bytes;
    return Allocate(size, alignment);
}

const char* XmlArena::Copy(std::string_view text)
{
    auto* copy = static_cast<char*>(Allocate(text.size() + 1, 1));
    if (!copy)
        return nullptr;
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}
} // namespace ZANRET
