#include "MeshBuilder.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace ZANRET::Samples
{
namespace
{
constexpr float kPi = std::numbers::pi_v<float>;

float Dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 Cross(Vec3 a, Vec3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Length(Vec3 a)
{
    return std::sqrt(Dot(a, a));
}

Vec3 Normal(Vec3 a)
{
    const float length = Length(a);
    return length > 1e-6f ? a * (1.0f / length) : Vec3{0, 0, 1};
}

// The part of v across the direction d (a unit vector).
Vec3 Across(Vec3 v, Vec3 d)
{
    return v - d * Dot(v, d);
}

// A unit vector across d: x where it can be, else y.
Vec3 SideOf(Vec3 d)
{
    const Vec3 x = Across({1, 0, 0}, d);
    return Length(x) > 0.3f ? Normal(x) : Normal(Across({0, 1, 0}, d));
}

// Two decimals are plenty for centimetres and keep the text short; whole numbers, the most common,
// are written as such.
void AppendNumber(std::string& text, float value)
{
    const float scaled = value * 100.0f;
    const long hundredths = static_cast<long>(scaled + (scaled < 0 ? -0.5f : 0.5f));
    char buffer[32];
    const auto result =
        hundredths % 100 == 0
            ? std::to_chars(buffer, buffer + sizeof buffer, hundredths / 100)
            : std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(hundredths) / 100.0f);
    text.append(buffer, result.ptr);
}
} // namespace

Vec3 operator+(Vec3 a, Vec3 b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

Vec3 operator-(Vec3 a, Vec3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vec3 operator*(Vec3 a, float s)
{
    return {a.x * s, a.y * s, a.z * s};
}

Vec3 Mix(Vec3 a, Vec3 b, float t)
{
    return a + (b - a) * t;
}

int MeshBuilder::Add(Vec3 v)
{
    m_vertices.push_back(v);
    return static_cast<int>(m_vertices.size());
}

void MeshBuilder::Face(std::initializer_list<int> corners)
{
    m_faceSizes.push_back(static_cast<int>(corners.size()));
    m_corners.insert(m_corners.end(), corners);
}

void MeshBuilder::Cap(int first, int sides, bool reverse)
{
    m_faceSizes.push_back(sides);
    for (int k = 0; k < sides; ++k)
        m_corners.push_back(first + (reverse ? sides - 1 - k : k));
}

void MeshBuilder::Sweep(const std::vector<Section>& sections, int sides)
{
    const std::size_t count = sections.size();
    if (count < 2)
        return;
    std::vector<int> firstOf(count);
    Vec3 side;
    for (std::size_t i = 0; i < count; ++i)
    {
        const Vec3 from = sections[i == 0 ? 0 : i - 1].centre;
        const Vec3 to = sections[i + 1 < count ? i + 1 : i].centre;
        const Vec3 along = Normal(to - from);
        // The side direction is carried along the path, so that the sections do not twist.
        side = i == 0 ? SideOf(along) : Normal(Across(side, along));
        const Vec3 other = Cross(along, side);
        firstOf[i] = static_cast<int>(m_vertices.size()) + 1;
        for (int k = 0; k < sides; ++k)
        {
            const float angle = 2.0f * kPi * static_cast<float>(k) / static_cast<float>(sides);
            Add(sections[i].centre + side * (sections[i].rx * std::cos(angle)) +
                other * (sections[i].ry * std::sin(angle)));
        }
    }
    for (std::size_t i = 0; i + 1 < count; ++i)
    {
        for (int k = 0; k < sides; ++k)
        {
            const int next = (k + 1) % sides;
            Face({firstOf[i] + k, firstOf[i] + next, firstOf[i + 1] + next, firstOf[i + 1] + k});
        }
    }
    Cap(firstOf.front(), sides, true);
    Cap(firstOf.back(), sides, false);
}

void MeshBuilder::Limb(const std::vector<Vec3>& points, const std::vector<float>& radii, int sides)
{
    std::vector<Section> sections;
    for (std::size_t i = 0; i < points.size() && i < radii.size(); ++i)
        sections.push_back({points[i], radii[i], radii[i]});
    Sweep(sections, sides);
}

void MeshBuilder::Ellipsoid(Vec3 centre, Vec3 radii, int rings, int sides)
{
    std::vector<Section> sections;
    for (int j = 0; j < rings; ++j)
    {
        const float angle = kPi * (static_cast<float>(j) + 0.5f) / static_cast<float>(rings);
        const float across = std::sin(angle);
        sections.push_back(
            {centre + Vec3{0, 0, -radii.z * std::cos(angle)}, radii.x * across, radii.y * across});
    }
    Sweep(sections, sides);
}

void MeshBuilder::Ring(Vec3 centre, Vec3 axis, float rx, float ry, float tube, int segments, int sides)
{
    const Vec3 a = Normal(axis);
    const Vec3 u = SideOf(a);
    const Vec3 v = Cross(a, u);
    const int first = static_cast<int>(m_vertices.size()) + 1;
    for (int s = 0; s < segments; ++s)
    {
        const float angle = 2.0f * kPi * static_cast<float>(s) / static_cast<float>(segments);
        const Vec3 onPath = centre + u * (rx * std::cos(angle)) + v * (ry * std::sin(angle));
        const Vec3 out = Normal(onPath - centre);
        for (int k = 0; k < sides; ++k)
        {
            const float turn = 2.0f * kPi * static_cast<float>(k) / static_cast<float>(sides);
            Add(onPath + out * (tube * std::cos(turn)) + a * (tube * std::sin(turn)));
        }
    }
    for (int s = 0; s < segments; ++s)
    {
        const int here = first + s * sides;
        const int there = first + (s + 1) % segments * sides;
        for (int k = 0; k < sides; ++k)
        {
            const int next = (k + 1) % sides;
            Face({here + k, there + k, there + next, here + next});
        }
    }
}

void MeshBuilder::Box(Vec3 b, Vec3 e)
{
    const float x0 = b.x - e.x / 2, x1 = b.x + e.x / 2;
    const float y0 = b.y - e.y / 2, y1 = b.y + e.y / 2;
    const float z0 = b.z, z1 = b.z + e.z;
    const int first = static_cast<int>(m_vertices.size()) + 1;
    for (const Vec3& corner : {Vec3{x0, y0, z0}, Vec3{x1, y0, z0}, Vec3{x1, y1, z0}, Vec3{x0, y1, z0},
                               Vec3{x0, y0, z1}, Vec3{x1, y0, z1}, Vec3{x1, y1, z1}, Vec3{x0, y1, z1}})
        Add(corner);
    static const int faces[6][4] = {{1, 4, 3, 2}, {5, 6, 7, 8}, {1, 2, 6, 5},
                                    {2, 3, 7, 6}, {3, 4, 8, 7}, {4, 1, 5, 8}};
    for (const auto& f : faces)
        Face({first + f[0] - 1, first + f[1] - 1, first + f[2] - 1, first + f[3] - 1});
}

std::string MeshBuilder::ObjText(const std::string& comment) const
{
    std::string text = "# " + comment + "\n";
    text.reserve(m_vertices.size() * 24 + m_corners.size() * 5);
    for (const Vec3& v : m_vertices)
    {
        text += "v ";
        AppendNumber(text, v.x);
        text += ' ';
        AppendNumber(text, v.y);
        text += ' ';
        AppendNumber(text, v.z);
        text += '\n';
    }
    std::size_t next = 0;
    for (int size : m_faceSizes)
    {
        text += 'f';
        for (int k = 0; k < size; ++k)
        {
            char buffer[16];
            buffer[0] = ' ';
            auto result = std::to_chars(buffer + 1, buffer + sizeof buffer, m_corners[next++]);
            text.append(buffer, result.ptr);
        }
        text += '\n';
    }
    return text;
}
} // namespace ZANRET::Samples
