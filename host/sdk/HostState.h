#pragma once
// The state of the in-memory host, shared by its source files. Not part of the SDK.

#include "hostsdk/Actions.h"
#include "hostsdk/ClassDesc.h"
#include "hostsdk/CommandMode.h"
#include "hostsdk/Hold.h"
#include "hostsdk/Host.h"
#include "hostsdk/Interface.h"
#include "hostsdk/Notify.h"

#include "Ref.h"
#include "SceneBvh.h"
#include "SceneNode.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace hostsdk
{
class Layer;

class LayerProperties final : public ILayerProperties
{
public:
    explicit LayerProperties(Layer* layer) : m_layer(layer) {}
    void AddNode(INode* node) override;
    int NumberOfNodes() override;
    INode* GetNode(int i) override;

private:
    Layer* m_layer;
};

class Layer final : public ILayer
{
public:
    explicit Layer(const MCHAR* name) : m_name(name), m_properties(this) {}
    const MCHAR* GetName() override { return m_name.c_str(); }
    BaseInterface* GetInterface(Interface_ID id) override;
    std::vector<SceneNode*> Nodes();

private:
    std::basic_string<MCHAR> m_name;
    LayerProperties m_properties;
};

class LayerManager final : public ILayerManager
{
public:
    ILayer* FindLayer(const MCHAR* name) override;
    ILayer* CreateLayer(const MCHAR* name) override;
    BOOL DeleteLayer(const MCHAR* name) override;
    int GetLayerCount() override { return static_cast<int>(m_layers.size()); }
    ILayer* GetLayer(int i) override;

    Layer* DefaultLayer();
    // Back to the default layer "0" alone.
    void Reset();

private:
    void Insert(const std::shared_ptr<Layer>& layer, size_t at);

    std::vector<std::shared_ptr<Layer>> m_layers;
    // Layers taken out stay alive until the next reset: nodes in undo records may name them.
    std::vector<std::shared_ptr<Layer>> m_retired;
};

class Viewport final : public ViewExp
{
public:
    Viewport(HWND hwnd, int width, int height);
    bool IsAlive() override { return m_hwnd != nullptr; }
    HWND GetHWnd() override { return m_hwnd; }
    Ray MapScreenToWorldRay(float sx, float sy) override;
    Matrix3 GetCameraTM() override;
    int Width() override { return m_width; }
    int Height() override { return m_height; }

    void SetSize(int width, int height);
    float FieldOfView() const { return m_fovDegrees; }
    void SetCamera(const Point3& eye, const Point3& target, const Point3& up, float fovDegrees);

private:
    HWND m_hwnd;
    int m_width;
    int m_height;
    Point3 m_eye;
    Point3 m_forward;
    Point3 m_right;
    Point3 m_up;
    float m_fovDegrees = 45.0f;
};

// The host's own bottom command mode (selecting); never left.
class SelectMode final : public CommandMode
{
public:
    int Class() override { return SELECT_COMMAND; }
    int ID() override { return 0; }
    MouseCallBack* MouseProc(int* numPoints) override;
    ChangeForegroundCallback* ChangeFGProc() override { return &m_fg; }
    BOOL ChangeFG(CommandMode*) override { return FALSE; }
    void EnterMode() override {}
    void ExitMode() override {}

private:
    MouseCallBack m_proc;
    ChangeFGObject m_fg;
};

class HostInterface final : public Interface13
{
public:
    TimeValue GetTime() override { return 0; }
    ActionManager* GetActionManager() override;
    void PushPrompt(const MCHAR* text) override;
    void PopPrompt() override;
    void ReplacePrompt(const MCHAR* text) override;
    void RemovePrompt(const MCHAR* text) override;
    INode* GetRootNode() override;
    INode* CreateObjectNode(Object* obj) override;
    void DeleteNode(INode* node, BOOL redraw = TRUE, BOOL overrideSlaves = FALSE) override;
    INode* GetINodeByName(const MCHAR* name) override;
    INode* GetINodeByHandle(ULONG handle) override;
    INode* GroupNodes(INodeTab* nodes = nullptr, MSTR* name = nullptr, BOOL selGroup = TRUE) override;
    void SelectNode(INode* node, int clearSel = 1) override;
    void DeSelectNode(INode* node) override;
    void ClearNodeSelection(BOOL redraw = TRUE) override;
    int GetSelNodeCount() override;
    INode* GetSelNode(int i) override;
    void RedrawViews(TimeValue t, DWORD vpFlags = REDRAW_NORMAL, ReferenceTarget* change = nullptr) override;
    ViewExp& GetViewExp(HWND hwnd) override;
    ViewExp& GetActiveViewExp() override;
    INode* PickNode(HWND hwnd, IPoint2 pt, PickNodeCallback* filter = nullptr) override;
    void PushCommandMode(CommandMode* mode) override;
    void SetCommandMode(CommandMode* mode) override;
    void PopCommandMode() override;
    CommandMode* GetCommandMode() override;
    int GetCommandStackSize() override;
    void DeleteMode(CommandMode* mode) override;
    void ExecuteCommand(int id) override;
    BOOL IsAnimateOn() override;
    void SetAnimateMode(BOOL on) override;
    MtlBaseLib& GetSceneMaterials() override;
    MtlLib& GetMaterialLibrary() override;
    int LoadMaterialLib(const MCHAR* path, MtlLib* lib = nullptr) override;
    ILayerManager* GetLayerManager() override;
};

struct UndoStep
{
    MSTR name;
    std::vector<std::unique_ptr<RestoreObj>> records;
};

struct Registration
{
    NOTIFYPROC proc;
    void* param;
    int code;
    unsigned long serial;
};

struct HostState
{
    HostState();
    ~HostState();

    HostInterface core;
    // Before the root: nodes leave it as they go.
    SceneBvh sceneBvh;
    NodeRef root;
    LayerManager layers;
    bool layerManagerAvailable = true;

    // Objects made by CreateInstance, held until the scene is reset.
    std::vector<Ref<ReferenceTarget>> newObjects;
    MtlBaseLib sceneMaterials;
    MtlLib materialLibrary;

    // Undo.
    int holdLevel = 0;
    int suspendLevel = 0;
    std::vector<size_t> holdMarks;
    std::vector<std::unique_ptr<RestoreObj>> holdRecords;
    std::vector<UndoStep> undoSteps;
    std::vector<UndoStep> redoSteps;

    // Notifications.
    std::vector<Registration> registrations;
    unsigned long nextSerial = 1;
    std::vector<int> sentNotifications;
    std::vector<SceneNode*> announcingDeletion;

    // Command modes; the bottom one is the host's select mode.
    SelectMode selectMode;
    std::vector<CommandMode*> modes;
    std::vector<int> executedCommands;

    // Views.
    std::vector<std::unique_ptr<Viewport>> viewports;
    Viewport deadViewport{nullptr, 1, 1};
    int redrawCount = 0;

    // User-facing state.
    std::vector<MSTR> prompts;
    std::vector<MSTR> scriptLines;
    std::vector<MSTR> scriptErrors;
    std::vector<std::pair<MSTR, MSTR>> quickAccess;
    bool animateOn = false;
    int unitType = 4;
    float unitScale = 1.0f;

    // Classes.
    std::vector<ClassDesc*> pluginClasses;
    std::vector<Class_ID> disabledClasses;

    ActionManager actions;
    std::function<MSTR(HINSTANCE, int)> stringLoader;
    std::function<bool(const Host::OpenFileRequest&, std::wstring&)> openFileHandler;
    int openFileRequests = 0;
    HWND mainWindow = nullptr;
    MSTR pluginFolder;
};

HostState& State();

// Heap failures asked for by a test: true when this allocation is to fail.
bool ConsumeHeapFailure();

// Scene helpers.
SceneNode* AsSceneNode(INode* node);
// Every node of the scene below the root, depth first.
std::vector<SceneNode*> SceneNodeList();
// Drops the scene, the undo history and the objects made for it.
void ClearScene();
// Returns the command stack to the host's select mode, calling ExitMode on the mode that was active.
void LeaveCommandModes();
// Registers the built-in classes (called once).
ClassDesc* FindBuiltinClass(SClass_ID superClassID, Class_ID classID);
// Reads a material library file into materials; false when it cannot be read or breaks the format.
bool ReadMaterialLibrary(const MCHAR* path, std::vector<Ref<Mtl>>& materials);
// Proxy-mesh inspection.
bool IsProxyMesh(Object* obj);
bool ProxyLoadedFromFile(Object* obj);
int ProxyTriangleCount(Object* obj);
} // namespace hostsdk
