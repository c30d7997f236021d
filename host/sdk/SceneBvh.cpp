#include "SceneBvh.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <utility>

namespace hostsdk
{
namespace
{
// Whether the node belongs in the tree, and with which box.
bool Shown(SceneNode* node, Box3& box)
{
    Object* obj = node->GetObjectRef();
    if (!obj || !node->IsInScene() || obj->GetLocalBounds(0).IsEmpty())
        return false;
    box = node->WorldBounds(0);
    return true;
}

// The child positions from the root down to the node; depth first order is their lexical order.
std::vector<int> PathFromRoot(const SceneNode* node)
{
    std::vector<int> path;
    for (const SceneNode* n = node; n->Parent(); n = n->Parent())
        path.push_back(n->ChildOrder());
    std::reverse(path.begin(), path.end());
    return path;
}
} // namespace

void SceneBvh::Touch(SceneNode* node)
{
    SceneNode::BvhPlace& place = node->PlaceInBvh();
    if (place.queued >= 0)
        return;
    place.queued = static_cast<int>(m_queue.size());
    m_queue.push_back(node);
}

void SceneBvh::TouchBelow(SceneNode* node)
{
    Touch(node);
    for (const NodeRef& child : node->Children())
        TouchBelow(child.get());
}

void SceneBvh::ObjectReplaced(SceneNode* node, Object* before, Object* after)
{
    if (before == after)
        return;
    if (const auto it = m_users.find(before); before && it != m_users.end())
    {
        it->second.erase(node);
        if (it->second.empty())
            m_users.erase(it);
    }
    if (after)
        m_users[after].insert(node);
}

void SceneBvh::ObjectChanged(Object* object)
{
    const auto it = m_users.find(object);
    if (it == m_users.end())
        return;
    for (SceneNode* node : it->second)
        node->ObjectChanged();
}

void SceneBvh::Forget(SceneNode* node)
{
    SceneNode::BvhPlace& place = node->PlaceInBvh();
    if (place.queued >= 0)
        m_queue[static_cast<size_t>(place.queued)] = nullptr;
    place.queued = -1;
    Drop(node);
    ObjectReplaced(node, node->GetObjectRef(), nullptr);
}

void SceneBvh::Drop(SceneNode* node)
{
    SceneNode::BvhPlace& place = node->PlaceInBvh();
    if (place.leaf < 0)
        return;
    m_tree.Remove(place.leaf);
    m_slots[static_cast<size_t>(place.slot)] = nullptr;
    m_freeSlots.push_back(place.slot);
    place.leaf = -1;
    place.slot = -1;
}

void SceneBvh::Update()
{
    if (m_queue.empty())
        return;
    std::vector<SceneNode*> changed;
    changed.swap(m_queue);
    changed.erase(std::remove(changed.begin(), changed.end(), nullptr), changed.end());
    for (SceneNode* node : changed)
        node->PlaceInBvh().queued = -1;
    const size_t leaves = m_slots.size() - m_freeSlots.size();
    if (changed.size() > leaves / 2)
    {
        Rebuild(changed);
        return;
    }
    for (SceneNode* node : changed)
    {
        SceneNode::BvhPlace& place = node->PlaceInBvh();
        Box3 box;
        if (!Shown(node, box))
            Drop(node);
        else if (place.leaf >= 0)
            m_tree.Move(place.leaf, box);
        else
        {
            if (m_freeSlots.empty())
            {
                place.slot = static_cast<int>(m_slots.size());
                m_slots.push_back(node);
            }
            else
            {
                place.slot = m_freeSlots.back();
                m_freeSlots.pop_back();
                m_slots[static_cast<size_t>(place.slot)] = node;
            }
            place.leaf = m_tree.Insert(box, place.slot);
        }
    }
}

void SceneBvh::Rebuild(const std::vector<SceneNode*>& changed)
{
    std::vector<SceneNode*> nodes = changed;
    for (SceneNode* node : m_slots)
        if (node)
            nodes.push_back(node);
    std::sort(nodes.begin(), nodes.end(), std::less<>());
    nodes.erase(std::unique(nodes.begin(), nodes.end()), nodes.end());
    m_slots.clear();
    m_freeSlots.clear();
    std::vector<Bvh::Entry> entries;
    for (SceneNode* node : nodes)
    {
        SceneNode::BvhPlace& place = node->PlaceInBvh();
        place.leaf = -1;
        place.slot = -1;
        Box3 box;
        if (!Shown(node, box))
            continue;
        entries.push_back({box, static_cast<int>(m_slots.size())});
        m_slots.push_back(node);
    }
    std::vector<int> leaves;
    m_tree.Build(entries, &leaves);
    for (size_t i = 0; i < m_slots.size(); ++i)
    {
        m_slots[i]->PlaceInBvh().slot = static_cast<int>(i);
        m_slots[i]->PlaceInBvh().leaf = leaves[i];
    }
}

std::vector<NodeRef> SceneBvh::Along(const Ray& ray)
{
    Update();
    std::vector<std::pair<std::vector<int>, SceneNode*>> found;
    const float limit = std::numeric_limits<float>::infinity();
    m_tree.Cast(ray, limit,
                [&](int slot)
                {
                    SceneNode* node = m_slots[static_cast<size_t>(slot)];
                    found.emplace_back(PathFromRoot(node), node);
                });
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<NodeRef> nodes;
    nodes.reserve(found.size());
    for (const auto& entry : found)
        nodes.emplace_back(entry.second);
    return nodes;
}
} // namespace hostsdk
