#pragma once
// A bounding-volume hierarchy over boxes, for casting rays: built at once over many boxes, or kept
// up to date one box at a time (inserted, moved, removed), rebalanced as it changes.

#include "hostsdk/Point3.h"

#include <vector>

namespace hostsdk
{
class Bvh
{
public:
    struct Entry
    {
        Box3 box;
        int item = 0;
    };

    // Replaces the tree by one over entries; leaves, when given, receives each entry's leaf.
    void Build(const std::vector<Entry>& entries, std::vector<int>* leaves = nullptr);
    // A leaf for the item; the result names the leaf until it is removed or the tree is rebuilt.
    int Insert(const Box3& box, int item);
    void Remove(int leaf);
    void Move(int leaf, const Box3& box);
    // The items of every leaf, in no particular order.
    std::vector<int> Items() const;

    // Calls visit(item) for each leaf whose box the ray may enter at a parameter up to limit, the
    // nearer of two boxes first; visit may lower limit. Boxes are taken a little larger than they
    // are, so that a leaf whose box the ray meets is never left out: the caller tests the leaf.
    template <class Visit> void Cast(const Ray& ray, const float& limit, Visit&& visit) const;

private:
    struct Node
    {
        Point3 lo;
        Point3 hi;
        int parent = -1;
        int left = -1; // -1 for a leaf
        int right = -1;
        int item = 0;
        int height = 0; // 0 for a leaf
        bool IsLeaf() const { return left < 0; }
    };

    // The ray's slabs, with the margin that makes the test generous.
    struct Slabs
    {
        Point3 origin;
        Point3 inverse;
        float margin = 0.0f;
        bool Enter(const Node& n, float limit, float& enter) const;
    };

    void Clear();
    int NewNode();
    void FreeNode(int index);
    void SetBox(Node& n, const Box3& box);
    void Refit(int index);
    void InsertLeaf(int leaf);
    void RemoveLeaf(int leaf);
    // Walks from index to the root, refitting and rebalancing.
    void FixUpwards(int index);
    int Balance(int index);
    int BuildRange(std::vector<int>& leaves, size_t first, size_t last);
    Slabs SlabsFor(const Ray& ray) const;
    template <class Visit>
    void Descend(int index, const Slabs& slabs, const float& limit, Visit& visit) const;

    std::vector<Node> m_nodes;
    int m_root = -1;
    int m_free = -1;
};

template <class Visit> void Bvh::Cast(const Ray& ray, const float& limit, Visit&& visit) const
{
    if (m_root < 0)
        return;
    const Slabs slabs = SlabsFor(ray);
    float enter = 0.0f;
    if (slabs.Enter(m_nodes[static_cast<size_t>(m_root)], limit, enter))
        Descend(m_root, slabs, limit, visit);
}

template <class Visit>
void Bvh::Descend(int index, const Slabs& slabs, const float& limit, Visit& visit) const
{
    const Node& n = m_nodes[static_cast<size_t>(index)];
    if (n.IsLeaf())
    {
        visit(n.item);
        return;
    }
    float enterLeft = 0.0f;
    float enterRight = 0.0f;
    const bool left = slabs.Enter(m_nodes[static_cast<size_t>(n.left)], limit, enterLeft);
    const bool right = slabs.Enter(m_nodes[static_cast<size_t>(n.right)], limit, enterRight);
    if (left && right)
    {
        const bool leftFirst = enterLeft <= enterRight;
        Descend(leftFirst ? n.left : n.right, slabs, limit, visit);
        // The nearer side may have lowered the limit below where the other side begins.
        if ((leftFirst ? enterRight : enterLeft) <= limit)
            Descend(leftFirst ? n.right : n.left, slabs, limit, visit);
    }
    else if (left)
        Descend(n.left, slabs, limit, visit);
    else if (right)
        Descend(n.right, slabs, limit, visit);
}
} // namespace hostsdk
