#pragma once
// Memory for the nodes and texts of one loaded document, taken in large blocks and given back all
// at once. Allocation answers null when no memory is left; nothing here throws.

#include <cstddef>
#include <cstdint>
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

private:
    void* AllocateInNewBlock(std::size_t size, std::size_t alignment);

    std::vector<char*> m_blocks;
    char* m_next = nullptr;
    std::size_t m_left = 0;
};
} // namespace ZANRET
