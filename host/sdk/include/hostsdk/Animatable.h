#pragma once
// The roots of the host's class tree: interface servers and the scene's reference targets.

#include "hostsdk/MaxHeap.h"
#include "hostsdk/Types.h"

class BaseInterface;
class IParamBlock2;

// Anything that can be asked for an interface by id.
class InterfaceServer : public MaxHeapOperators
{
public:
    virtual ~InterfaceServer() = default;
    virtual BaseInterface* GetInterface(Interface_ID id);
};

class BaseInterface : public InterfaceServer
{
public:
    virtual Interface_ID GetID() { return Interface_ID(); }
};

class BaseInterfaceServer : public InterfaceServer
{
};

// Function-published interfaces. The host publishes none; the classes exist for the base chains.
class FPInterface : public BaseInterface
{
};

class FPMixinInterface : public FPInterface
{
};

// A scene entity with a class, parameter blocks and interfaces.
class Animatable : public InterfaceServer
{
public:
    virtual Class_ID ClassID() = 0;
    virtual SClass_ID SuperClassID() = 0;
    virtual int NumParamBlocks() { return 0; }
    virtual IParamBlock2* GetParamBlock(int i);
};

// An entity that the scene holds by reference. The host keeps it alive while a node, a material,
// a library, an undo record or the host's list of new objects holds it, and deletes it when the
// last hold goes.
class ReferenceTarget : public Animatable
{
public:
    ReferenceTarget() = default;
    ReferenceTarget(const ReferenceTarget&) = delete;
    ReferenceTarget& operator=(const ReferenceTarget&) = delete;

    // Holds, for the host's own bookkeeping; plug-ins do not call these.
    void HostAddHold() { ++m_holds; }
    void HostReleaseHold();
    int HostHoldCount() const { return m_holds; }

    // Called by a parameter block of this object after one of its values changed.
    virtual void ParameterChanged(ParamID id);

private:
    int m_holds = 0;
};
