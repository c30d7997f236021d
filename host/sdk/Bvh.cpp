#include "Bvh.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace hostsdk
{
namespace
{
constexpr float kInfinity = std::numeric_limits<float>::infinity();
// Relative to the size of the coordinates: far more than the rounding of either slab test.
constexpr float kMarginPerUnit = 1e-5f;

float HalfArea(const Point3& lo, const Point3& hi)
{
    const Point3 d = hi - lo;
    return d.x * d.y + d.y * d.z + d.z * d.x;
}

float Largest(const Point3& p)
{
    return std::fmax(std::fabs(p.x), std::fmax(std::fabs(p.y), std::fabs(p.z)));
}

Point3 Min(const Point3& a, const Point3& b)
{
    return Point3(std::fmin(a.x, b.x), std::fmin(a.y, b.y), std::fmin(a.z, b.z));
}

Point3 Max(const Point3& a, const Point3& b)
{
    return Point3(std::fmax(a.x, b.x), std::fmax(a.y, b.y), std::fmax(a.z, b.z));
}
} // namespace

bool Bvh::Slabs::Enter(const Node& n, float limit, float& enter) const
{
    float t0 = 0.0f;
    float t1 = limit;
    for (int i = 0; i < 3; ++i)
    {
        float a = (n.lo[i] - margin - origin[i]) * inverse[i];
        float b = (n.hi[i] + margin - origin[i]) * inverse[i];
        if (a > b)
            std::swap(a, b);
        t0 = std::fmax(t0, a);
        t1 = std::fmin(t1, b);
    }
    enter = t0;
    return t0 <= t1;
}

Bvh::Slabs Bvh::SlabsFor(const Ray& ray) const
{
    Slabs slabs;
    slabs.origin = ray.p;
    for (int i = 0; i < 3; ++i)
        slabs.inverse[i] = 1.0f / ray.dir[i];
    const Node& root = m_nodes[static_cast<size_t>(m_root)];
    const float size = std::fmax(Largest(ray.p), std::fmax(Largest(root.lo), Largest(root.hi)));
    slabs.margin = std::fmax(size * kMarginPerUnit, std::numeric_limits<float>::min());
    return slabs;
}

int Bvh::NewNode()
{
    if (m_free >= 0)
    {
        const int index = m_free;
        m_free = m_nodes[static_cast<size_t>(index)].parent;
        m_nodes[static_cast<size_t>(index)] = Node();
        return index;
    }
    m_nodes.emplace_back();
    return static_cast<int>(m_nodes.size()) - 1;
}

void Bvh::FreeNode(int index)
{
    Node& n = m_nodes[static_cast<size_t>(index)];
    n = Node();
    n.height = -1;
    n.parent = m_free;
    m_free = index;
}

void Bvh::SetBox(Node& n, const Box3& box)
{
    n.lo = box.pmin;
    n.hi = box.pmax;
    // A box that is not finite could hide its leaf from every parent; it counts as everywhere.
    for (int i = 0; i < 3; ++i)
        if (!std::isfinite(n.lo[i]) || !std::isfinite(n.hi[i]))
        {
            n.lo = Point3(-kInfinity, -kInfinity, -kInfinity);
            n.hi = Point3(kInfinity, kInfinity, kInfinity);
            return;
        }
}

void Bvh::Refit(int index)
{
    Node& n = m_nodes[static_cast<size_t>(index)];
    const Node& left = m_nodes[static_cast<size_t>(n.left)];
    const Node& right = m_nodes[static_cast<size_t>(n.right)];
    n.lo = Min(left.lo, right.lo);
    n.hi = Max(left.hi, right.hi);
    n.height = 1 + std::max(left.height, right.height);
}

void Bvh::Clear()
{
    m_nodes.clear();
    m_root = -1;
    m_free = -1;
}

void Bvh::Build(const std::vector<Entry>& entries, std::vector<int>* leaves)
{
    Clear();
    m_nodes.reserve(entries.size() * 2);
    std::vector<int> made;
    made.reserve(entries.size());
    for (const Entry& entry : entries)
    {
        const int leaf = NewNode();
        SetBox(m_nodes[static_cast<size_t>(leaf)], entry.box);
        m_nodes[static_cast<size_t>(leaf)].item = entry.item;
        made.push_back(leaf);
    }
    if (leaves)
        *leaves = made;
    if (!made.empty())
        m_root = BuildRange(made, 0, made.size());
}

// Splits at the median of the box centres along the axis where they spread most.
int Bvh::BuildRange(std::vector<int>& leaves, size_t first, size_t last)
{
    if (last - first == 1)
        return leaves[first];
    const auto centre = [this](int leaf, int axis)
    {
        const Node& n = m_nodes[static_cast<size_t>(leaf)];
        const float c = (n.lo[axis] + n.hi[axis]) * 0.5f;
        return std::isfinite(c) ? c : 0.0f;
    };
    Point3 lo(kInfinity, kInfinity, kInfinity);
    Point3 hi(-kInfinity, -kInfinity, -kInfinity);
    for (size_t i = first; i < last; ++i)
    {
        const Point3 c(centre(leaves[i], 0), centre(leaves[i], 1), centre(leaves[i], 2));
        lo = Min(lo, c);
        hi = Max(hi, c);
    }
    const Point3 spread = hi - lo;
    const int axis = spread.x >= spread.y && spread.x >= spread.z ? 0 : (spread.y >= spread.z ? 1 : 2);
    const size_t middle = first + (last - first) / 2;
    std::nth_element(leaves.begin() + static_cast<std::ptrdiff_t>(first),
                     leaves.begin() + static_cast<std::ptrdiff_t>(middle),
                     leaves.begin() + static_cast<std::ptrdiff_t>(last),
                     [&centre, axis](int a, int b) { return centre(a, axis) < centre(b, axis); });
    const int left = BuildRange(leaves, first, middle);
    const int right = BuildRange(leaves, middle, last);
    const int index = NewNode();
    Node& n = m_nodes[static_cast<size_t>(index)];
    n.left = left;
    n.right = right;
    m_nodes[static_cast<size_t>(left)].parent = index;
    m_nodes[static_cast<size_t>(right)].parent = index;
    Refit(index);
    return index;
}

int Bvh::Insert(const Box3& box, int item)
{
    const int leaf = NewNode();
    SetBox(m_nodes[static_cast<size_t>(leaf)], box);
    m_nodes[static_cast<size_t>(leaf)].item = item;
    InsertLeaf(leaf);
    return leaf;
}

void Bvh::Remove(int leaf)
{
    RemoveLeaf(leaf);
    FreeNode(leaf);
}

void Bvh::Move(int leaf, const Box3& box)
{
    Node moved = m_nodes[static_cast<size_t>(leaf)];
    SetBox(moved, box);
    const Node& n = m_nodes[static_cast<size_t>(leaf)];
    if (moved.lo == n.lo && moved.hi == n.hi)
        return;
    RemoveLeaf(leaf);
    SetBox(m_nodes[static_cast<size_t>(leaf)], box);
    InsertLeaf(leaf);
}

std::vector<int> Bvh::Items() const
{
    std::vector<int> items;
    for (const Node& n : m_nodes)
        if (n.height == 0)
            items.push_back(n.item);
    return items;
}

// Goes down where joining the leaf costs the least surface, as long as that is cheaper than
// pairing it with the node reached.
void Bvh::InsertLeaf(int leaf)
{
    if (m_root < 0)
    {
        m_root = leaf;
        m_nodes[static_cast<size_t>(leaf)].parent = -1;
        return;
    }
    const Point3 lo = m_nodes[static_cast<size_t>(leaf)].lo;
    const Point3 hi = m_nodes[static_cast<size_t>(leaf)].hi;
    int index = m_root;
    while (!m_nodes[static_cast<size_t>(index)].IsLeaf())
    {
        const Node& n = m_nodes[static_cast<size_t>(index)];
        const float combined = HalfArea(Min(n.lo, lo), Max(n.hi, hi));
        const float pairCost = 2.0f * combined;
        const float inherited = 2.0f * (combined - HalfArea(n.lo, n.hi));
        const auto descendCost = [&](int child)
        {
            const Node& c = m_nodes[static_cast<size_t>(child)];
            const float grown = HalfArea(Min(c.lo, lo), Max(c.hi, hi));
            return (c.IsLeaf() ? grown : grown - HalfArea(c.lo, c.hi)) + inherited;
        };
        const float leftCost = descendCost(n.left);
        const float rightCost = descendCost(n.right);
        if (pairCost < leftCost && pairCost < rightCost)
            break;
        index = leftCost < rightCost ? n.left : n.right;
    }
    const int sibling = index;
    const int oldParent = m_nodes[static_cast<size_t>(sibling)].parent;
    const int parent = NewNode();
    Node& p = m_nodes[static_cast<size_t>(parent)];
    p.parent = oldParent;
    p.left = sibling;
    p.right = leaf;
    m_nodes[static_cast<size_t>(sibling)].parent = parent;
    m_nodes[static_cast<size_t>(leaf)].parent = parent;
    if (oldParent < 0)
        m_root = parent;
    else
    {
        Node& op = m_nodes[static_cast<size_t>(oldParent)];
        (op.left == sibling ? op.left : op.right) = parent;
    }
    FixUpwards(parent);
}

void Bvh::RemoveLeaf(int leaf)
{
    if (leaf == m_root)
    {
        m_root = -1;
        return;
    }
    const int parent = m_nodes[static_cast<size_t>(leaf)].parent;
    const Node& p = m_nodes[static_cast<size_t>(parent)];
    const int grandParent = p.parent;
    const int sibling = p.left == leaf ? p.right : p.left;
    m_nodes[static_cast<size_t>(sibling)].parent = grandParent;
    m_nodes[static_cast<size_t>(leaf)].parent = -1;
    FreeNode(parent);
    if (grandParent < 0)
    {
        m_root = sibling;
        return;
    }
    Node& g = m_nodes[static_cast<size_t>(grandParent)];
    (g.left == parent ? g.left : g.right) = sibling;
    FixUpwards(grandParent);
}

void Bvh::FixUpwards(int index)
{
    while (index >= 0)
    {
        index = Balance(index);
        Refit(index);
        index = m_nodes[static_cast<size_t>(index)].parent;
    }
}

// Lifts the taller child when the two sides differ in height by more than one; the lifted
// node keeps its own taller child and hands the other to the node it replaces.
int Bvh::Balance(int index)
{
    Node& a = m_nodes[static_cast<size_t>(index)];
    if (a.IsLeaf() || a.height < 2)
        return index;
    const int balance =
        m_nodes[static_cast<size_t>(a.right)].height - m_nodes[static_cast<size_t>(a.left)].height;
    if (balance >= -1 && balance <= 1)
        return index;
    const bool liftRight = balance > 1;
    const int lifted = liftRight ? a.right : a.left;
    Node& c = m_nodes[static_cast<size_t>(lifted)];
    const int f = c.left;
    const int g = c.right;
    const bool fTaller = m_nodes[static_cast<size_t>(f)].height > m_nodes[static_cast<size_t>(g)].height;
    const int kept = fTaller ? f : g;
    const int handed = fTaller ? g : f;

    c.parent = a.parent;
    if (c.parent < 0)
        m_root = lifted;
    else
    {
        Node& up = m_nodes[static_cast<size_t>(c.parent)];
        (up.left == index ? up.left : up.right) = lifted;
    }
    a.parent = lifted;
    c.left = index;
    c.right = kept;
    (liftRight ? a.right : a.left) = handed;
    m_nodes[static_cast<size_t>(handed)].parent = index;
    Refit(index);
    Refit(lifted);
    return lifted;
}
} // namespace hostsdk
