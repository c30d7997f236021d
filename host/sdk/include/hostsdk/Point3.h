#pragma once
// Points, rays and boxes of the host's geometry.

#include <cmath>
#include <type_traits>

class Point3
{
public:
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr Point3() = default;
    // Any numbers, narrowed to float.
    template <class X, class Y, class Z>
    requires std::is_arithmetic_v<X> && std::is_arithmetic_v<Y> && std::is_arithmetic_v<Z>
    constexpr Point3(X px, Y py, Z pz)
        : x(static_cast<float>(px)), y(static_cast<float>(py)), z(static_cast<float>(pz))
    {
    }

    float& operator[](int i) { return i == 0 ? x : (i == 1 ? y : z); }
    float operator[](int i) const { return i == 0 ? x : (i == 1 ? y : z); }

    constexpr Point3 operator-() const { return Point3(-x, -y, -z); }
    constexpr Point3 operator+(const Point3& p) const { return Point3(x + p.x, y + p.y, z + p.z); }
    constexpr Point3 operator-(const Point3& p) const { return Point3(x - p.x, y - p.y, z - p.z); }
    constexpr Point3 operator*(float f) const { return Point3(x * f, y * f, z * f); }
    constexpr Point3 operator/(float f) const { return Point3(x / f, y / f, z / f); }
    Point3& operator+=(const Point3& p)
    {
        x += p.x;
        y += p.y;
        z += p.z;
        return *this;
    }
    Point3& operator-=(const Point3& p)
    {
        x -= p.x;
        y -= p.y;
        z -= p.z;
        return *this;
    }
    constexpr bool operator==(const Point3& p) const = default;

    float Length() const { return std::sqrt(x * x + y * y + z * z); }
};

inline constexpr Point3 operator*(float f, const Point3& p)
{
    return p * f;
}
inline constexpr float DotProd(const Point3& a, const Point3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline constexpr Point3 CrossProd(const Point3& a, const Point3& b)
{
    return Point3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}
inline float Length(const Point3& p)
{
    return p.Length();
}
// The unit vector of p; the zero vector stays zero.
inline Point3 Normalize(const Point3& p)
{
    const float length = p.Length();
    return length > 0.0f ? p / length : p;
}

class Point2
{
public:
    float x = 0.0f;
    float y = 0.0f;
    constexpr Point2() = default;
    constexpr Point2(float px, float py) : x(px), y(py) {}
};

// A position in viewport pixels, y downwards.
class IPoint2
{
public:
    int x = 0;
    int y = 0;
    constexpr IPoint2() = default;
    constexpr IPoint2(int px, int py) : x(px), y(py) {}
    constexpr bool operator==(const IPoint2& p) const = default;
};

// A half line p + dir * t, t >= 0. dir is not necessarily a unit vector.
class Ray
{
public:
    Point3 p;
    Point3 dir;
};

// An axis-aligned box; empty until a point is added.
class Box3
{
public:
    Point3 pmin;
    Point3 pmax;

    bool IsEmpty() const { return m_empty; }
    void Init() { m_empty = true; }
    Box3& operator+=(const Point3& p)
    {
        if (m_empty)
        {
            pmin = pmax = p;
            m_empty = false;
            return *this;
        }
        for (int i = 0; i < 3; ++i)
        {
            pmin[i] = std::fmin(pmin[i], p[i]);
            pmax[i] = std::fmax(pmax[i], p[i]);
        }
        return *this;
    }
    Box3& operator+=(const Box3& b)
    {
        if (!b.m_empty)
        {
            *this += b.pmin;
            *this += b.pmax;
        }
        return *this;
    }
    Point3 Center() const { return (pmin + pmax) * 0.5f; }

private:
    bool m_empty = true;
};
