#pragma once
// Scene objects: what a node shows. Geometry (super class 0x10) can be hit by rays.

#include "hostsdk/Animatable.h"
#include "hostsdk/Matrix3.h"

class Object : public ReferenceTarget
{
public:
    // Intersects an object-space ray. Non-zero on a hit: at is the parameter of the ray as given
    // (the hit is r.p + r.dir * at, also when dir is not a unit vector), norm the surface normal.
    virtual int IntersectRay(TimeValue t, Ray& r, float& at, Point3& norm);
    // The object-space bounds; empty when the object has no extent.
    virtual Box3 GetLocalBounds(TimeValue t);
};

// The result of evaluating a node's object at a time.
class ObjectState
{
public:
    ObjectState() = default;
    explicit ObjectState(Object* o) : obj(o) {}
    Object* obj = nullptr;
};
