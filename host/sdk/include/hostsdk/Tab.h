#pragma once
// The host's growable array of plain values (pointers, numbers). Storage is malloc'd by the host.

#include <cstddef>
#include <cstring>
#include <type_traits>

// Inserts num items (copied from items, or zeroed when items is null) at index at (clamped to
// [0, count]); grows the storage by allocExtra more items when it must grow. Returns the index of
// the first inserted item, or -1 when the storage cannot grow (nothing changes then).
int TBInsertAt(void** data, int* count, int* capacity, int at, int num, const void* items, int allocExtra,
               std::size_t itemSize);
// Frees storage made by TBInsertAt and sets *p to null.
void zfree(void** p);

template <class T> class Tab
{
    static_assert(std::is_trivially_copyable_v<T>, "Tab holds plain values only");

public:
    Tab() = default;
    Tab(const Tab& other) { *this = other; }
    Tab& operator=(const Tab& other)
    {
        if (this != &other)
        {
            ZeroCount();
            if (other.m_count > 0)
                Append(other.m_count, other.m_data);
        }
        return *this;
    }
    ~Tab() { zfree(reinterpret_cast<void**>(&m_data)); }

    int Count() const { return m_count; }
    void ZeroCount() { m_count = 0; }
    T& operator[](int i) { return m_data[i]; }
    const T& operator[](int i) const { return m_data[i]; }
    T* Addr(int i) { return m_data + i; }

    int Append(int num, const T* items, int allocExtra = 0)
    {
        return Insert(m_count, num, items, allocExtra);
    }
    int Insert(int at, int num, const T* items, int allocExtra = 0)
    {
        return TBInsertAt(reinterpret_cast<void**>(&m_data), &m_count, &m_capacity, at, num, items,
                          allocExtra, sizeof(T));
    }
    // Deletes num items from start; returns the new count.
    int Delete(int start, int num)
    {
        if (start < 0 || num <= 0 || start >= m_count)
            return m_count;
        if (start + num > m_count)
            num = m_count - start;
        std::memmove(static_cast<void*>(m_data + start), m_data + start + num,
                     sizeof(T) * static_cast<std::size_t>(m_count - start - num));
        m_count -= num;
        return m_count;
    }
    // Sets the count; new items are zeroed.
    void SetCount(int n)
    {
        if (n < m_count)
            m_count = n < 0 ? 0 : n;
        else if (n > m_count)
            Insert(m_count, n - m_count, nullptr);
    }

private:
    T* m_data = nullptr;
    int m_count = 0;
    int m_capacity = 0;
};

class INode;

class INodeTab : public Tab<INode*>
{
public:
    // The index of the node, or -1.
    int IndexOf(const INode* node) const
    {
        for (int i = 0; i < Count(); ++i)
            if ((*this)[i] == node)
                return i;
        return -1;
    }
    // Appends the node (unless checkDuplicate and it is there); returns its index.
    int AppendNode(INode* node, bool checkDuplicate = false, int allocExtra = 0)
    {
        if (checkDuplicate)
            if (const int at = IndexOf(node); at >= 0)
                return at;
        return Append(1, &node, allocExtra);
    }
};
