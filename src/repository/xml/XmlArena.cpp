#include "repository/xml/XmlArena.h"

#include <cstring>

namespace ZANRET
{
namespace
{
constexpr std::size_t kBlockBytes = 256 * 1024;
} // namespace

XmlArena::~XmlArena()
{
    for (char* block : m_blocks)
        ::operator delete(block);
}

void* XmlArena::AllocateInNewBlock(std::size_t size, std::size_t alignment)
{
    const std::size_t bytes = size + alignment > kBlockBytes ? size + alignment : kBlockBytes;
    auto* block = static_cast<char*>(::operator new(bytes, std::nothrow));
    if (!block)
        return nullptr;
    try
    {
        m_blocks.push_back(block);
    }
    catch (const std::bad_alloc&)
    {
        ::operator delete(block);
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
