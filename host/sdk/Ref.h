#pragma once
// Holds on host objects: while a Ref exists, the object stays alive.

#include <utility>

namespace hostsdk
{
template <class T> class Ref
{
public:
    Ref() = default;
    Ref(T* p) : m_p(p) { Acquire(); }
    Ref(const Ref& other) : m_p(other.m_p) { Acquire(); }
    Ref(Ref&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ~Ref() { Release(); }
    Ref& operator=(const Ref& other)
    {
        if (m_p != other.m_p)
        {
            T* old = m_p;
            m_p = other.m_p;
            Acquire();
            if (old)
                old->HostReleaseHold();
        }
        return *this;
    }
    Ref& operator=(Ref&& other) noexcept
    {
        if (this != &other)
        {
            T* old = m_p;
            m_p = std::exchange(other.m_p, nullptr);
            if (old)
                old->HostReleaseHold();
        }
        return *this;
    }
    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    bool operator==(const Ref& other) const { return m_p == other.m_p; }

private:
    void Acquire()
    {
        if (m_p)
            m_p->HostAddHold();
    }
    void Release()
    {
        if (T* p = std::exchange(m_p, nullptr))
            p->HostReleaseHold();
    }
    T* m_p = nullptr;
};
} // namespace hostsdk
