#pragma once
// The scene's nodes whose objects have extent, in a bounding-volume hierarchy over their world
// bounds, for picking. Changes are noted as they happen and applied at the next query: one node
// at a time, or the whole tree at once when most of it changed.

#include "Bvh.h"
#include "SceneNode.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace hostsdk
{
class SceneBvh
{
public:
    // The node's world bounds, or whether it is in the scene, may have changed.
    void Touch(SceneNode* node);
    // The same for the node and every node below it.
    void TouchBelow(SceneNode* node);
    // The node shows after now instead of before.
    void ObjectReplaced(SceneNode* node, Object* before, Object* after);
    // The object's geometry changed, for every node that shows it.
    void ObjectChanged(Object* object);
    // The node is going away.
    void Forget(SceneNode* node);

    // The nodes whose world bounds the ray may meet, in the order of the scene's node list (depth
    // first, in child order). Every node whose bounds the ray meets is among them.
    std::vector<NodeRef> Along(const Ray& ray);

private:
    void Update();
    void Rebuild(const std::vector<SceneNode*>& changed);
    void Drop(SceneNode* node);

    Bvh m_tree;
    // The node of each leaf, by the leaf's item.
    std::vector<SceneNode*> m_slots;
    std::vector<int> m_freeSlots;
    std::vector<SceneNode*> m_queue;
    std::unordered_map<Object*, std::unordered_set<SceneNode*>> m_users;
};
} // namespace hostsdk
