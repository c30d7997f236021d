#pragma once
// Allocation of every object that the host and its plug-ins share. The allocation answers null
// instead of throwing, so callers test the result of new.

#include <cstddef>
#include <new>

class MaxHeapOperators
{
public:
    static void* operator new(std::size_t size) noexcept;
    static void* operator new[](std::size_t size) noexcept;
    static void* operator new(std::size_t size, const std::nothrow_t&) noexcept;
    static void* operator new(std::size_t, void* place) noexcept { return place; }
    static void operator delete(void* p) noexcept;
    static void operator delete[](void* p) noexcept;
    static void operator delete(void* p, const std::nothrow_t&) noexcept;
    static void operator delete(void*, void*) noexcept {}
};

namespace MaxSDK::Util
{
class Noncopyable
{
protected:
    Noncopyable() = default;
    ~Noncopyable() = default;

public:
    Noncopyable(const Noncopyable&) = delete;
    Noncopyable& operator=(const Noncopyable&) = delete;
};
} // namespace MaxSDK::Util
