#pragma once
// Memory for the nodes and texts of one loaded document, taken in large blocks and given back all
// at once. Allocation answers null when no memory is left; nothing here throws. One thread may
// allocate while another gives back blocks before the current one: blocks given back are kept for
// reuse, a few of them, so that a document read while it is parsed runs in the same memory.

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <new>
#include <string_view>
#include <vector>

namespace ZANRET
{
class XmlArena
{
public:
    XmlArena() = default;
    ~XmlArena();
    XmlArena(const XmlArena&) = delete;
    XmlArena& operator=(const XmlArena&) = delete;

    // alignment is a power of two.
    void* Allocate(std::size_t size, std::size_t alignment)
    {
        const std::size_t padding = (0 - reinterpret_cast<std::uintptr_t>(m_next)) & (alignment - 1);
        if (m_next && padding + size <= m_left)
        {
            char* result = m_next + padding;
            m_next = result + size;
            m_left -= padding + size;
            return result;
        }
        return AllocateInNewBlock(size, alignment);
    }
    // A zero-initialised object of a trivial type, or null.
    template <typename T> T* New(std::size_t count = 1)
    {
        void* memory = Allocate(sizeof(T) * count, alignof(T));
        return memory ? new (memory) T[count]() : nullptr;
    }
    // A terminated copy of the text, or null.
    const char* Copy(std::string_view text);

    // The block that the next allocation goes to, or a later one.
    std::size_t CurrentBlock() const { return m_blocks.empty() ? 0 : m_blocks.size() - 1; }
    // Gives back every block before this one; what was allocated there must not be used again.
    void ReleaseBefore(std::size_t block);

private:
    void* AllocateInNewBlock(std::size_t size, std::size_t alignment);

    struct Block
    {
        char* memory;
        std::size_t bytes;
    };

    std::mutex m_blocksLock; // over the block lists; the current block is the allocating thread's
    std::vector<Block> m_blocks;
    std::vector<char*> m_spare; // given back, of the standard size, for reuse
    std::size_t m_released = 0;
    char* m_next = nullptr;
    std::size_t m_left = 0;
};
} // namespace ZANRET
