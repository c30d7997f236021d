#include "hostsdk/Tab.h"

#include <climits>
#include <cstdlib>

int TBInsertAt(void** data, int* count, int* capacity, int at, int num, const void* items, int allocExtra,
               std::size_t itemSize)
{
    if (!data || !count || !capacity || num < 0 || itemSize == 0)
        return -1;
    if (at < 0 || at > *count)
        at = *count;
    if (num == 0)
        return at;
    if (*count > INT_MAX - num)
        return -1;
    const int needed = *count + num;
    if (needed > *capacity)
    {
        const int extra = allocExtra > 0 ? allocExtra : 0;
        const int wanted = needed > INT_MAX - extra ? needed : needed + extra;
        void* grown = std::realloc(*data, itemSize * static_cast<std::size_t>(wanted));
        if (!grown)
            return -1;
        *data = grown;
        *capacity = wanted;
    }
    auto* bytes = static_cast<char*>(*data);
    std::memmove(bytes + (static_cast<std::size_t>(at) + num) * itemSize,
                 bytes + static_cast<std::size_t>(at) * itemSize,
                 static_cast<std::size_t>(*count - at) * itemSize);
    if (items)
        std::memcpy(bytes + static_cast<std::size_t>(at) * itemSize, items,
                    static_cast<std::size_t>(num) * itemSize);
    else
        std::memset(bytes + static_cast<std::size_t>(at) * itemSize, 0,
                    static_cast<std::size_t>(num) * itemSize);
    *count = needed;
    return at;
}

void zfree(void** p)
{
    if (p && *p)
    {
        std::free(*p);
        *p = nullptr;
    }
}
