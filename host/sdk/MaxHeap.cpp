#include "hostsdk/MaxHeap.h"

#include "HostState.h"

#include <cstdlib>

namespace
{
void* Allocate(std::size_t size, bool mayFail) noexcept
{
    if (mayFail && hostsdk::ConsumeHeapFailure())
        return nullptr;
    return std::malloc(size ? size : 1);
}
} // namespace

void* MaxHeapOperators::operator new(std::size_t size) noexcept
{
    return Allocate(size, true);
}

void* MaxHeapOperators::operator new[](std::size_t size) noexcept
{
    return Allocate(size, true);
}

// The host allocates its own objects with this form: a test's simulated failures are meant for
// the plug-in.
void* MaxHeapOperators::operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size, false);
}

void MaxHeapOperators::operator delete(void* p) noexcept
{
    std::free(p);
}

void MaxHeapOperators::operator delete[](void* p) noexcept
{
    std::free(p);
}

void MaxHeapOperators::operator delete(void* p, const std::nothrow_t&) noexcept
{
    std::free(p);
}
