#pragma once
// Scene nodes: a name, a transform in the hierarchy, an object, a material and user properties.

#include "hostsdk/Animatable.h"
#include "hostsdk/Matrix3.h"
#include "hostsdk/Object.h"
#include "hostsdk/Tab.h"

class Mtl;
class ILayer;

// Pivot modes of INode::Move.
constexpr int PIV_NONE = 0;
constexpr int PIV_PIVOT_ONLY = 1;
constexpr int PIV_OBJECT_ONLY = 2;

// Every change below made while theHold is holding is recorded for undo.
class INode : public InterfaceServer
{
public:
    // A number that names the node for as long as the host runs.
    virtual ULONG GetHandle() = 0;
    virtual bool IsRootNode() = 0;
    // True while the node is part of the scene (linked below the root).
    virtual bool IsInScene() = 0;

    virtual const MCHAR* GetName() = 0;
    virtual void SetName(const MCHAR* name) = 0;

    // World transforms. Children keep their transform relative to the parent, so they follow it.
    virtual Matrix3 GetNodeTM(TimeValue t, Interval* valid = nullptr) = 0;
    virtual void SetNodeTM(TimeValue t, const Matrix3& tm) = 0;
    // The object's world transform: the object offset followed by the node transform.
    virtual Matrix3 GetObjectTM(TimeValue t, Interval* valid = nullptr) = 0;
    // Moves the node by val along the axes of tmAxis. With pivot mode PIV_PIVOT_ONLY only the
    // pivot moves: the object stays where it is. Children not affected (affectKids FALSE) keep
    // their world transforms.
    virtual void Move(TimeValue t, const Matrix3& tmAxis, const Point3& val, BOOL localOrigin = FALSE,
                      BOOL affectKids = TRUE, int pivMode = PIV_NONE, BOOL ignoreLocks = FALSE) = 0;

    // The hierarchy.
    virtual INode* GetParentNode() = 0;
    virtual int NumberOfChildren() = 0;
    virtual INode* GetChildNode(int i) = 0;
    // Links child below this node (unlinking it from its old parent). With keepTM non-zero the
    // child keeps its world transform, else its transform relative to the parent.
    virtual void AttachChild(INode* child, int keepTM = 1) = 0;
    // Links the node to the root.
    virtual void Detach(TimeValue t, int keepTM = 1) = 0;

    // Groups.
    virtual BOOL IsGroupMember() = 0;
    virtual BOOL IsGroupHead() = 0;

    // The object; instances share one object.
    virtual Object* GetObjectRef() = 0;
    virtual void SetObjectRef(Object* o) = 0;
    virtual ObjectState EvalWorldState(TimeValue t, BOOL evalHidden = TRUE) = 0;

    virtual Mtl* GetMtl() = 0;
    virtual void SetMtl(Mtl* m) = 0;

    // User properties, Boolean and string. Getters return false when the key is absent or holds
    // the other kind.
    virtual void SetUserProperty(const MCHAR* key, BOOL value) = 0;
    virtual void SetUserProperty(const MCHAR* key, const MCHAR* value) = 0;
    virtual bool GetUserProperty(const MCHAR* key, BOOL& value) = 0;
    virtual bool GetUserProperty(const MCHAR* key, MSTR& value) = 0;

    virtual int Selected() = 0;
    // The node's layer, or null.
    virtual ILayer* GetLayer() = 0;
};
