#pragma once
// The host interface: scene, selection, groups, prompts, viewports, command modes, materials.

#include "hostsdk/INode.h"
#include "hostsdk/Layer.h"
#include "hostsdk/Material.h"
#include "hostsdk/ViewExp.h"

class ActionManager;
class CommandMode;
class PickNodeCallback;

// Host commands for Interface::ExecuteCommand.
constexpr int kSelectToolCommand = 91; // leaves the current command mode

class Interface
{
public:
    virtual ~Interface() = default;

    // Time.
    virtual TimeValue GetTime() = 0;

    // Actions.
    virtual ActionManager* GetActionManager() = 0;

    // Prompt line: a stack of texts.
    virtual void PushPrompt(const MCHAR* text) = 0;
    virtual void PopPrompt() = 0;
    virtual void ReplacePrompt(const MCHAR* text) = 0;
    // Takes the topmost prompt with this text off the stack wherever it stands; the prompts above it
    // stay as they are. Nothing when there is none.
    virtual void RemovePrompt(const MCHAR* text) = 0;

    // Scene.
    virtual INode* GetRootNode() = 0;
    // A new node in the scene for the object (an instance when another node has it already).
    virtual INode* CreateObjectNode(Object* obj) = 0;
    // Deletes the node: notification 0x44 first, with the node whole; its children move to its
    // parent. Deleting the last member of a group deletes the group head too.
    virtual void DeleteNode(INode* node, BOOL redraw = TRUE, BOOL overrideSlaves = FALSE) = 0;
    // The first node with that exact name, or null.
    virtual INode* GetINodeByName(const MCHAR* name) = 0;
    virtual INode* GetINodeByHandle(ULONG handle) = 0;
    // Groups the nodes under a new group head named name ("Group" when null) whose pivot sits at
    // the centre of the members' bounds. Nodes whose parent is not in the table are linked to the
    // head keeping their world transforms; every node of the table becomes a member.
    virtual INode* GroupNodes(INodeTab* nodes = nullptr, MSTR* name = nullptr, BOOL selGroup = TRUE) = 0;

    // Selection.
    virtual void SelectNode(INode* node, int clearSel = 1) = 0;
    virtual void DeSelectNode(INode* node) = 0;
    virtual void ClearNodeSelection(BOOL redraw = TRUE) = 0;
    virtual int GetSelNodeCount() = 0;
    virtual INode* GetSelNode(int i) = 0;

    // Views.
    virtual void RedrawViews(TimeValue t, DWORD vpFlags = REDRAW_NORMAL,
                             ReferenceTarget* change = nullptr) = 0;
    // The viewport of a window; a window that is not a viewport answers a ViewExp that is not alive.
    virtual ViewExp& GetViewExp(HWND hwnd) = 0;
    virtual ViewExp& GetActiveViewExp() = 0;
    // The nearest node under the pixel whose object the ray hits and that the filter passes.
    virtual INode* PickNode(HWND hwnd, IPoint2 pt, PickNodeCallback* filter = nullptr) = 0;

    // Command modes.
    virtual void PushCommandMode(CommandMode* mode) = 0;
    virtual void SetCommandMode(CommandMode* mode) = 0;
    virtual void PopCommandMode() = 0;
    virtual CommandMode* GetCommandMode() = 0;
    virtual int GetCommandStackSize() = 0;
    virtual void DeleteMode(CommandMode* mode) = 0;
    // Runs a host command by id (kSelectToolCommand leaves the current command mode). Unknown ids
    // are recorded and do nothing.
    virtual void ExecuteCommand(int id) = 0;

    // Animate mode.
    virtual BOOL IsAnimateOn() = 0;
    virtual void SetAnimateMode(BOOL on) = 0;

    // Materials.
    // The materials assigned to nodes of the scene, in node order.
    virtual MtlBaseLib& GetSceneMaterials() = 0;
    // The current material library.
    virtual MtlLib& GetMaterialLibrary() = 0;
    // Loads a library file into lib, or (lib null) makes it the current library, replacing the
    // earlier one. Non-zero when the file was read; otherwise nothing changes.
    virtual int LoadMaterialLib(const MCHAR* path, MtlLib* lib = nullptr) = 0;
};

// The interface of later hosts, which carries the layer manager.
class Interface13 : public Interface
{
public:
    // Null when the host offers no layers.
    virtual ILayerManager* GetLayerManager() = 0;
};

Interface* GetCOREInterface();
// Null when the host offers no such interface.
Interface13* GetCOREInterface13();

// A new object of a registered class, or null. The host holds it until the scene is reset, and
// for as long as a node, material or undo record uses it.
void* CreateInstance(SClass_ID superClassID, Class_ID classID);
