#include "SceneNode.h"

#include "HostState.h"

#include <algorithm>
#include <type_traits>

namespace hostsdk
{
namespace
{
ULONG g_nextHandle = 1;

// Tells the plug-ins that node, and every node below it, is about to leave the scene.
void AnnounceRemoval(SceneNode* node)
{
    std::vector<SceneNode*> leaving{node};
    CollectDescendants(node, leaving);
    std::vector<NodeRef> keep(leaving.begin(), leaving.end());
    for (SceneNode* n : leaving)
        BroadcastNotification(NOTIFY_SCENE_PRE_DELETED_NODE, static_cast<INode*>(n));
}
} // namespace

void CollectDescendants(SceneNode* node, std::vector<SceneNode*>& out)
{
    for (const NodeRef& child : node->Children())
    {
        out.push_back(child.get());
        CollectDescendants(child.get(), out);
    }
}

SceneNode::SceneNode(bool isRoot) : m_handle(g_nextHandle++), m_isRoot(isRoot)
{
    if (!isRoot)
        m_layer = State().layers.DefaultLayer();
}

SceneNode::~SceneNode()
{
    State().sceneBvh.Forget(this);
    // Children that something else still holds are no longer below this node.
    for (NodeRef& child : m_children)
        if (child && child->m_parent == this)
        {
            child->m_parent = nullptr;
            child->WorldChanged();
        }
}

void SceneNode::HostReleaseHold()
{
    if (--m_holds <= 0)
        delete this;
}

// Redo brings back what the field held when the step was undone, as a host does: a change made
// after the step (a character placed after its build) survives undo and redo.
template <class T> class SceneNode::FieldRestore final : public RestoreObj
{
public:
    FieldRestore(NodeRef node, T SceneNode::*field, T before)
        : m_node(std::move(node)), m_field(field), m_before(std::move(before))
    {
    }
    void Restore(int) override
    {
        m_after = m_node.get()->*m_field;
        m_node->Assign(m_field, m_before);
    }
    void Redo() override { m_node->Assign(m_field, m_after); }

private:
    NodeRef m_node;
    T SceneNode::*m_field;
    T m_before;
    T m_after{};
};

template <class T> void SceneNode::Change(T SceneNode::*field, T value)
{
    if (theHold.Holding())
        theHold.Put(new FieldRestore<T>(NodeRef(this), field, this->*field));
    Assign(field, std::move(value));
}

template <class T> void SceneNode::Assign(T SceneNode::*field, T value)
{
    if constexpr (std::is_same_v<T, Ref<Object>>)
        State().sceneBvh.ObjectReplaced(this, (this->*field).get(), value.get());
    this->*field = std::move(value);
    if constexpr (std::is_same_v<T, Matrix3>)
    {
        if (field == &SceneNode::m_local)
            WorldChanged();
        else
            BoundsChanged();
    }
    if constexpr (std::is_same_v<T, Ref<Object>>)
        BoundsChanged();
}

void SceneNode::WorldChanged()
{
    // Below a node whose world is not valid, none is: they were told when it became so.
    if (!m_worldValid)
        return;
    m_worldValid = false;
    BoundsChanged();
    for (const NodeRef& child : m_children)
        child->WorldChanged();
}

void SceneNode::BoundsChanged()
{
    m_boundsValid = false;
    State().sceneBvh.Touch(this);
}

void SceneNode::ObjectChanged()
{
    BoundsChanged();
}

bool SceneNode::IsInScene()
{
    const SceneNode* n = this;
    while (n && !n->m_isRoot)
        n = n->m_parent;
    return n != nullptr;
}

bool SceneNode::IsAncestorOf(const SceneNode* node) const
{
    for (const SceneNode* n = node ? node->m_parent : nullptr; n; n = n->m_parent)
        if (n == this)
            return true;
    return false;
}

void SceneNode::SetName(const MCHAR* name)
{
    Change(&SceneNode::m_name, std::basic_string<MCHAR>(name ? name : _M("")));
}

const Matrix3& SceneNode::World() const
{
    if (!m_worldValid)
    {
        m_world = m_isRoot || !m_parent ? m_local : m_local * m_parent->World();
        m_worldValid = true;
    }
    return m_world;
}

int SceneNode::ChildOrder() const
{
    if (!m_parent)
        return 0;
    if (!m_parent->m_childOrderValid)
    {
        const auto& siblings = m_parent->m_children;
        for (size_t i = 0; i < siblings.size(); ++i)
            siblings[i]->m_childOrder = static_cast<int>(i);
        m_parent->m_childOrderValid = true;
    }
    return m_childOrder;
}

Matrix3 SceneNode::GetNodeTM(TimeValue, Interval* valid)
{
    if (valid)
        *valid = FOREVER;
    return World();
}

void SceneNode::SetNodeTM(TimeValue, const Matrix3& tm)
{
    if (m_isRoot)
        return;
    const Matrix3 parentWorld = m_parent ? m_parent->World() : Matrix3();
    SetLocalTM(tm * Inverse(parentWorld));
}

void SceneNode::SetLocalTM(const Matrix3& tm)
{
    Change(&SceneNode::m_local, tm);
}

void SceneNode::SetObjectOffset(const Matrix3& offset)
{
    Change(&SceneNode::m_objectOffset, offset);
}

Matrix3 SceneNode::GetObjectTM(TimeValue, Interval* valid)
{
    if (valid)
        *valid = FOREVER;
    return m_objectOffset * World();
}

void SceneNode::Move(TimeValue t, const Matrix3& tmAxis, const Point3& val, BOOL, BOOL affectKids,
                     int pivMode, BOOL)
{
    if (m_isRoot)
        return;
    const Point3 offset = VectorTransform(tmAxis, val);
    const Matrix3 world = World();
    const Matrix3 objectWorld = GetObjectTM(t);
    if (pivMode == PIV_OBJECT_ONLY)
    {
        Matrix3 moved = objectWorld;
        moved.Translate(offset);
        SetObjectOffset(moved * Inverse(world));
        return;
    }
    const bool keepKids = pivMode == PIV_PIVOT_ONLY || !affectKids;
    std::vector<std::pair<NodeRef, Matrix3>> kids;
    if (keepKids)
        for (const NodeRef& child : m_children)
            kids.emplace_back(child, child->World());
    Matrix3 moved = world;
    moved.Translate(offset);
    SetNodeTM(t, moved);
    if (pivMode == PIV_PIVOT_ONLY)
        SetObjectOffset(objectWorld * Inverse(moved));
    for (auto& [child, childWorld] : kids)
        child->SetNodeTM(t, childWorld);
}

INode* SceneNode::GetChildNode(int i)
{
    if (i < 0 || i >= NumberOfChildren())
        return nullptr;
    return m_children[static_cast<size_t>(i)].get();
}

void SceneNode::AttachChild(INode* childNode, int keepTM)
{
    SceneNode* child = AsSceneNode(childNode);
    if (!child || child == this || child->m_isRoot || child->IsAncestorOf(this))
        return;
    if (child->m_parent == this)
        return;
    NodeRef keep(child);
    const Matrix3 world = child->World();
    child->Relink(this);
    if (keepTM)
    {
        Matrix3 tm = world;
        child->SetNodeTM(0, tm);
    }
}

void SceneNode::Detach(TimeValue, int keepTM)
{
    if (SceneNode* root = State().root.get(); root && !m_isRoot)
        root->AttachChild(this, keepTM);
}

int SceneNode::IndexInParent() const
{
    if (!m_parent)
        return -1;
    // From the back: nodes are mostly moved or removed soon after they were appended.
    const auto& siblings = m_parent->m_children;
    for (size_t i = siblings.size(); i-- > 0;)
        if (siblings[i].get() == this)
            return static_cast<int>(i);
    return -1;
}

void SceneNode::LinkRaw(SceneNode* newParent, int index)
{
    NodeRef keep(this);
    const bool wasInScene = IsInScene();
    if (m_parent)
    {
        auto& siblings = m_parent->m_children;
        const int at = IndexInParent();
        if (at >= 0)
            siblings.erase(siblings.begin() + at);
        m_parent->m_childOrderValid = false;
    }
    m_parent = newParent;
    if (newParent)
    {
        auto& siblings = newParent->m_children;
        if (index < 0 || index > static_cast<int>(siblings.size()))
            index = static_cast<int>(siblings.size());
        siblings.insert(siblings.begin() + index, NodeRef(this));
        newParent->m_childOrderValid = false;
    }
    WorldChanged();
    if (wasInScene != IsInScene())
        State().sceneBvh.TouchBelow(this);
}

void SceneNode::MoveTo(SceneNode* newParent, int index, bool announce)
{
    NodeRef keep(this);
    if (announce && IsInScene() && !(newParent && newParent->IsInScene()))
        AnnounceRemoval(this);
    LinkRaw(newParent, index);
}

void SceneNode::Relink(SceneNode* newParent, int index, bool announce)
{
    if (m_isRoot || newParent == m_parent)
        return;
    NodeRef self(this);
    NodeRef oldParent(m_parent);
    const int oldIndex = IndexInParent();
    MoveTo(newParent, index, announce);
    if (theHold.Holding())
    {
        NodeRef target(newParent);
        const int newIndex = IndexInParent();
        theHold.Put([self, oldParent, oldIndex] { self->MoveTo(oldParent.get(), oldIndex, true); },
                    [self, target, newIndex] { self->MoveTo(target.get(), newIndex, true); });
    }
}

void SceneNode::SetObjectRef(Object* o)
{
    Change(&SceneNode::m_object, Ref<Object>(o));
}

ObjectState SceneNode::EvalWorldState(TimeValue, BOOL)
{
    return ObjectState(m_object.get());
}

void SceneNode::SetMtl(Mtl* m)
{
    Change(&SceneNode::m_mtl, Ref<Mtl>(m));
}

void SceneNode::SetUserProperty(const MCHAR* key, BOOL value)
{
    if (!key)
        return;
    auto properties = m_properties;
    properties[key] = UserProperty{true, value ? TRUE : FALSE, {}};
    Change(&SceneNode::m_properties, std::move(properties));
}

void SceneNode::SetUserProperty(const MCHAR* key, const MCHAR* value)
{
    if (!key)
        return;
    auto properties = m_properties;
    properties[key] = UserProperty{false, FALSE, value ? value : _M("")};
    Change(&SceneNode::m_properties, std::move(properties));
}

bool SceneNode::GetUserProperty(const MCHAR* key, BOOL& value)
{
    if (!key)
        return false;
    const auto it = m_properties.find(key);
    if (it == m_properties.end() || !it->second.isBool)
        return false;
    value = it->second.boolValue;
    return true;
}

bool SceneNode::GetUserProperty(const MCHAR* key, MSTR& value)
{
    if (!key)
        return false;
    const auto it = m_properties.find(key);
    if (it == m_properties.end() || it->second.isBool)
        return false;
    value = MSTR(it->second.text);
    return true;
}

std::vector<MSTR> SceneNode::PropertyKeys() const
{
    std::vector<MSTR> keys;
    for (const auto& [key, value] : m_properties)
        keys.emplace_back(key);
    return keys;
}

ILayer* SceneNode::GetLayer()
{
    return m_layer;
}

void SceneNode::SetGroupHead(SceneNode* head)
{
    Change(&SceneNode::m_groupHead, head);
}

void SceneNode::SetIsGroupHead(bool isHead)
{
    Change(&SceneNode::m_isGroupHead, isHead);
}

void SceneNode::SetSelected(bool selected)
{
    if (m_selected != selected)
        Change(&SceneNode::m_selected, selected);
}

void SceneNode::SetLayer(Layer* layer)
{
    if (m_layer != layer)
        Change(&SceneNode::m_layer, layer);
}

Box3 SceneNode::WorldBounds(TimeValue t)
{
    if (m_boundsValid && m_boundsTime == t)
        return m_bounds;
    Box3 box;
    const Box3 local = m_object ? m_object->GetLocalBounds(t) : Box3();
    if (!local.IsEmpty())
    {
        const Matrix3 tm = GetObjectTM(t);
        for (int corner = 0; corner < 8; ++corner)
        {
            const Point3 p(corner & 1 ? local.pmax.x : local.pmin.x, corner & 2 ? local.pmax.y : local.pmin.y,
                           corner & 4 ? local.pmax.z : local.pmin.z);
            box += p * tm;
        }
    }
    else
        box += World().GetTrans();
    m_bounds = box;
    m_boundsTime = t;
    m_boundsValid = true;
    return box;
}
} // namespace hostsdk
