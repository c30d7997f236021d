#pragma once
// Layers: named sets of nodes, found and created through the layer manager.

#include "hostsdk/Animatable.h"

class INode;

constexpr Interface_ID kLayerPropertiesInterfaceID(0x202E0798, 0x3589129B);

class ILayer : public InterfaceServer
{
public:
    virtual const MCHAR* GetName() = 0;
    // kLayerPropertiesInterfaceID answers the layer's ILayerProperties.
    BaseInterface* GetInterface(Interface_ID id) override = 0;
};

class ILayerProperties : public BaseInterface
{
public:
    Interface_ID GetID() override { return kLayerPropertiesInterfaceID; }
    // Moves the node onto this layer (from the one it was on). Recorded for undo.
    virtual void AddNode(INode* node) = 0;
    // The nodes on the layer that are in the scene, in the order they were added.
    virtual int NumberOfNodes() = 0;
    virtual INode* GetNode(int i) = 0;
};

class ILayerManager
{
public:
    virtual ~ILayerManager() = default;
    // The layer of that exact name, or null.
    virtual ILayer* FindLayer(const MCHAR* name) = 0;
    // A new layer; null when the name is empty or taken. Recorded for undo.
    virtual ILayer* CreateLayer(const MCHAR* name) = 0;
    // Deletes an empty layer (never the default layer "0"); FALSE otherwise. Recorded for undo.
    virtual BOOL DeleteLayer(const MCHAR* name) = 0;
    virtual int GetLayerCount() = 0;
    virtual ILayer* GetLayer(int i) = 0;
};
