#pragma once
// The host's scene node.

#include "hostsdk/INode.h"
#include "hostsdk/Material.h"

#include "Ref.h"

#include <map>
#include <string>
#include <vector>

namespace hostsdk
{
class Layer;
class SceneNode;
using NodeRef = Ref<SceneNode>;

class SceneNode final : public INode
{
public:
    explicit SceneNode(bool isRoot = false);
    ~SceneNode() override;

    // Holds: a parent holds its children; undo records hold the nodes they change.
    void HostAddHold() { ++m_holds; }
    void HostReleaseHold();

    ULONG GetHandle() override { return m_handle; }
    bool IsRootNode() override { return m_isRoot; }
    bool IsInScene() override;

    const MCHAR* GetName() override { return m_name.c_str(); }
    void SetName(const MCHAR* name) override;

    Matrix3 GetNodeTM(TimeValue t, Interval* valid = nullptr) override;
    void SetNodeTM(TimeValue t, const Matrix3& tm) override;
    Matrix3 GetObjectTM(TimeValue t, Interval* valid = nullptr) override;
    void Move(TimeValue t, const Matrix3& tmAxis, const Point3& val, BOOL localOrigin = FALSE,
              BOOL affectKids = TRUE, int pivMode = PIV_NONE, BOOL ignoreLocks = FALSE) override;

    INode* GetParentNode() override { return m_parent; }
    int NumberOfChildren() override { return static_cast<int>(m_children.size()); }
    INode* GetChildNode(int i) override;
    void AttachChild(INode* child, int keepTM = 1) override;
    void Detach(TimeValue t, int keepTM = 1) override;

    BOOL IsGroupMember() override { return m_groupHead != nullptr; }
    BOOL IsGroupHead() override { return m_isGroupHead; }

    Object* GetObjectRef() override { return m_object.get(); }
    void SetObjectRef(Object* o) override;
    ObjectState EvalWorldState(TimeValue t, BOOL evalHidden = TRUE) override;

    Mtl* GetMtl() override { return m_mtl.get(); }
    void SetMtl(Mtl* m) override;

    void SetUserProperty(const MCHAR* key, BOOL value) override;
    void SetUserProperty(const MCHAR* key, const MCHAR* value) override;
    bool GetUserProperty(const MCHAR* key, BOOL& value) override;
    bool GetUserProperty(const MCHAR* key, MSTR& value) override;

    int Selected() override { return m_selected ? 1 : 0; }
    ILayer* GetLayer() override;

    // Host side.
    SceneNode* Parent() const { return m_parent; }
    const std::vector<NodeRef>& Children() const { return m_children; }
    SceneNode* GroupHead() const { return m_groupHead; }
    void SetGroupHead(SceneNode* head);
    void SetIsGroupHead(bool isHead);
    void SetSelected(bool selected);
    Layer* LayerOf() const { return m_layer; }
    void SetLayer(Layer* layer);
    // Sets the transform relative to the parent.
    void SetLocalTM(const Matrix3& tm);
    const Matrix3& LocalTM() const { return m_local; }
    // The object's transform relative to the node's.
    const Matrix3& ObjectOffset() const { return m_objectOffset; }
    // Moves the node below newParent (null: out of the scene) at index (-1: last). A node that
    // leaves the scene is announced (notification 0x44, for it and every node below it) unless
    // announce is false. Recorded for undo.
    void Relink(SceneNode* newParent, int index = -1, bool announce = true);
    // The world bounds of the object (a point at the pivot without an object or for an object
    // without extent).
    Box3 WorldBounds(TimeValue t);
    bool IsAncestorOf(const SceneNode* node) const;
    // The object's bounds may have changed (its geometry did).
    void ObjectChanged();

    // The world transform.
    const Matrix3& World() const;
    // The position among the parent's children.
    int ChildOrder() const;
    // The user-property keys, in key order.
    std::vector<MSTR> PropertyKeys() const;

    // Where the scene's bounding-volume hierarchy keeps this node (see SceneBvh).
    struct BvhPlace
    {
        int leaf = -1;
        int slot = -1;
        int queued = -1;
    };
    BvhPlace& PlaceInBvh() { return m_bvhPlace; }

private:
    template <class T> class FieldRestore;
    template <class T> void Change(T SceneNode::*field, T value);
    // Sets a field, unrecorded, and lets what is kept from it know.
    template <class T> void Assign(T SceneNode::*field, T value);
    // The world transform of this node and every node below it is to be computed again.
    void WorldChanged();
    void BoundsChanged();
    // Links without recording; announces a node that leaves the scene when announce is true.
    void MoveTo(SceneNode* newParent, int index, bool announce);

    struct UserProperty
    {
        bool isBool = false;
        BOOL boolValue = FALSE;
        std::basic_string<MCHAR> text;
    };
    void SetObjectOffset(const Matrix3& offset);
    void LinkRaw(SceneNode* newParent, int index);
    int IndexInParent() const;

    int m_holds = 0;
    ULONG m_handle;
    bool m_isRoot;
    std::basic_string<MCHAR> m_name;
    Matrix3 m_local;
    Matrix3 m_objectOffset;
    SceneNode* m_parent = nullptr;
    std::vector<NodeRef> m_children;
    Ref<Object> m_object;
    Ref<Mtl> m_mtl;
    std::map<std::basic_string<MCHAR>, UserProperty> m_properties;
    SceneNode* m_groupHead = nullptr;
    bool m_isGroupHead = false;
    bool m_selected = false;
    Layer* m_layer = nullptr;

    // Kept from the fields above. A node whose world is not valid has none valid below it.
    mutable Matrix3 m_world;
    mutable bool m_worldValid = false;
    Box3 m_bounds; // at m_boundsTime
    TimeValue m_boundsTime = 0;
    bool m_boundsValid = false;
    mutable int m_childOrder = 0;
    mutable bool m_childOrderValid = false; // of the children
    BvhPlace m_bvhPlace;
};

// The nodes below node (not node itself), depth first in child order.
void CollectDescendants(SceneNode* node, std::vector<SceneNode*>& out);
} // namespace hostsdk
