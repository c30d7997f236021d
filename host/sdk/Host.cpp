// The host's state, the core interface accessors and the driving and inspection interface.

#include "hostsdk/Host.h"

#include "HostState.h"
#include "Objects.h"

#include "hostsdk/Units.h"

#include <algorithm>

namespace hostsdk
{
namespace
{
int g_heapFailures = 0;
} // namespace

bool ConsumeHeapFailure()
{
    if (g_heapFailures <= 0)
        return false;
    --g_heapFailures;
    return true;
}

HostState::HostState() : root(new (std::nothrow) SceneNode(true))
{
    modes.push_back(&selectMode);
    layers.Reset();
}

HostState::~HostState() = default;

HostState& State()
{
    static HostState state;
    return state;
}
} // namespace hostsdk

using namespace hostsdk;

Interface* GetCOREInterface()
{
    return &State().core;
}

Interface13* GetCOREInterface13()
{
    return &State().core;
}

ActionManager* HostInterface::GetActionManager()
{
    return &State().actions;
}

namespace Host
{
void Reset()
{
    HostState& s = State();
    s.modes.erase(s.modes.begin() + 1, s.modes.end());
    ClearScene();
    s.registrations.clear();
    s.sentNotifications.clear();
    s.executedCommands.clear();
    s.viewports.clear();
    s.redrawCount = 0;
    s.prompts.clear();
    s.scriptLines.clear();
    s.scriptErrors.clear();
    s.quickAccess.clear();
    s.animateOn = false;
    s.unitType = UNITS_CENTIMETERS;
    s.unitScale = 1.0f;
    s.pluginClasses.clear();
    s.disabledClasses.clear();
    s.layerManagerAvailable = true;
    s.actions.Clear();
    s.stringLoader = nullptr;
    s.openFileHandler = nullptr;
    s.openFileRequests = 0;
    s.mainWindow = nullptr;
    s.pluginFolder = MSTR();
    g_heapFailures = 0;
}

void NewScene()
{
    ClearScene();
    BroadcastNotification(NOTIFY_SYSTEM_POST_NEW, nullptr);
}

void OpenScene(int callParam)
{
    if (callParam == 0)
        ClearScene();
    int param = callParam;
    BroadcastNotification(NOTIFY_FILE_POST_OPEN, &param);
}

void DeleteNodes(const std::vector<INode*>& nodes)
{
    std::vector<NodeRef> keep;
    for (INode* n : nodes)
        if (SceneNode* node = AsSceneNode(n))
            keep.emplace_back(node);
    theHold.Begin();
    for (NodeRef& node : keep)
        if (node->IsInScene())
            State().core.DeleteNode(node.get(), FALSE);
    theHold.Accept(_M("Delete"));
    State().core.RedrawViews(0);
}

namespace
{
// Takes back or makes again one step. The step's records must not record themselves.
void Replay(UndoStep& step, bool undo)
{
    HostState& s = State();
    ++s.suspendLevel;
    if (undo)
        for (auto it = step.records.rbegin(); it != step.records.rend(); ++it)
            (*it)->Restore(TRUE);
    else
        for (auto& record : step.records)
            record->Redo();
    --s.suspendLevel;
}
} // namespace

bool Undo()
{
    HostState& s = State();
    if (s.holdLevel > 0 || s.undoSteps.empty())
        return false;
    UndoStep step = std::move(s.undoSteps.back());
    s.undoSteps.pop_back();
    Replay(step, true);
    s.redoSteps.push_back(std::move(step));
    s.core.RedrawViews(0);
    return true;
}

bool Redo()
{
    HostState& s = State();
    if (s.holdLevel > 0 || s.redoSteps.empty())
        return false;
    UndoStep step = std::move(s.redoSteps.back());
    s.redoSteps.pop_back();
    Replay(step, false);
    s.undoSteps.push_back(std::move(step));
    s.core.RedrawViews(0);
    return true;
}

std::vector<MSTR> UndoNames()
{
    std::vector<MSTR> names;
    for (const UndoStep& step : State().undoSteps)
        names.push_back(step.name);
    return names;
}

int RedoCount()
{
    return static_cast<int>(State().redoSteps.size());
}

std::vector<INode*> SceneNodes()
{
    const auto nodes = SceneNodeList();
    return std::vector<INode*>(nodes.begin(), nodes.end());
}

int NodeCount()
{
    return static_cast<int>(SceneNodeList().size());
}

bool ProxyMeshLoadedFromFile(Object* proxy)
{
    return ProxyLoadedFromFile(proxy);
}

int ProxyMeshTriangleCount(Object* proxy)
{
    return ProxyTriangleCount(proxy);
}

std::vector<INode*> NodesUsing(Object* object)
{
    std::vector<INode*> users;
    for (SceneNode* n : SceneNodeList())
        if (object && n->GetObjectRef() == object)
            users.push_back(n);
    return users;
}

std::vector<MSTR> UserPropertyKeys(INode* node)
{
    const SceneNode* n = AsSceneNode(node);
    return n ? n->PropertyKeys() : std::vector<MSTR>();
}

std::vector<Point3> WorldTriangles(INode* node)
{
    std::vector<Point3> corners;
    SceneNode* n = AsSceneNode(node);
    auto* proxy = n ? dynamic_cast<ProxyMeshObject*>(n->GetObjectRef()) : nullptr;
    if (!proxy)
        return corners;
    const Matrix3 tm = n->GetObjectTM(0);
    const TriangleMesh& mesh = proxy->Mesh();
    corners.reserve(mesh.triangles.size() * 3);
    for (const auto& triangle : mesh.triangles)
        for (int corner : triangle)
            corners.push_back(mesh.vertices[static_cast<size_t>(corner)] * tm);
    return corners;
}

Box3 WorldBounds(INode* node)
{
    SceneNode* n = AsSceneNode(node);
    return n ? n->WorldBounds(0) : Box3();
}

void RegisterClass(ClassDesc* desc)
{
    auto& list = State().pluginClasses;
    if (desc && std::find(list.begin(), list.end(), desc) == list.end())
        list.push_back(desc);
}

void UnregisterClass(ClassDesc* desc)
{
    auto& list = State().pluginClasses;
    list.erase(std::remove(list.begin(), list.end(), desc), list.end());
}

void SetClassAvailable(Class_ID id, bool available)
{
    auto& list = State().disabledClasses;
    list.erase(std::remove(list.begin(), list.end(), id), list.end());
    if (!available)
        list.push_back(id);
}

void SetLayerManagerAvailable(bool available)
{
    State().layerManagerAvailable = available;
}

void FailHeapAllocations(int count)
{
    g_heapFailures = count > 0 ? count : 0;
}

HWND CreateViewport(int width, int height)
{
    HostState& s = State();
    static std::uintptr_t nextHandle = 0x1000;
    nextHandle += 0x10;
    auto* hwnd = reinterpret_cast<HWND>(nextHandle);
    s.viewports.push_back(std::make_unique<Viewport>(hwnd, 1, 1));
    s.viewports.back()->SetSize(width, height);
    return hwnd;
}

namespace
{
Viewport* FindViewport(HWND hwnd)
{
    for (auto& vp : State().viewports)
        if (hwnd && vp->GetHWnd() == hwnd)
            return vp.get();
    return nullptr;
}
} // namespace

void SetViewportSize(HWND viewport, int width, int height)
{
    if (Viewport* vp = FindViewport(viewport))
        vp->SetSize(width, height);
}

void SetViewportCamera(HWND viewport, const Point3& eye, const Point3& target, const Point3& up,
                       float fovDegrees)
{
    if (Viewport* vp = FindViewport(viewport))
        vp->SetCamera(eye, target, up, fovDegrees);
}

float ViewportFieldOfView(HWND viewport)
{
    const Viewport* vp = FindViewport(viewport);
    return vp ? vp->FieldOfView() : 0.0f;
}

HWND ActiveViewport()
{
    return State().core.GetActiveViewExp().GetHWnd();
}

int SendMouse(HWND viewport, int msg, int flags, IPoint2 at, int point)
{
    HostState& s = State();
    if (s.modes.size() <= 1)
        return 0;
    int points = 0;
    MouseCallBack* proc = s.modes.back()->MouseProc(&points);
    return proc ? proc->proc(viewport, msg, point, flags, at) : 0;
}

int RedrawCount()
{
    return State().redrawCount;
}

std::vector<MSTR> Prompts()
{
    return State().prompts;
}

std::vector<MSTR> ScriptLines()
{
    return State().scriptLines;
}

std::vector<MSTR> ScriptErrors()
{
    return State().scriptErrors;
}

std::vector<std::pair<MSTR, MSTR>> QuickAccessItems()
{
    return State().quickAccess;
}

std::vector<int> ExecutedCommands()
{
    return State().executedCommands;
}

std::vector<CommandMode*> CommandModes()
{
    const auto& modes = State().modes;
    return std::vector<CommandMode*>(modes.begin() + 1, modes.end());
}

std::vector<int> SentNotifications()
{
    return State().sentNotifications;
}

int RegistrationCount(int code)
{
    const auto& list = State().registrations;
    return static_cast<int>(
        std::count_if(list.begin(), list.end(), [code](const Registration& r) { return r.code == code; }));
}

void SetStringLoader(std::function<MSTR(HINSTANCE module, int id)> loader)
{
    State().stringLoader = std::move(loader);
}

MSTR LoadModuleString(HINSTANCE module, int id)
{
    const auto& loader = State().stringLoader;
    return loader ? loader(module, id) : MSTR();
}

void SetOpenFileHandler(std::function<bool(const OpenFileRequest& request, std::wstring& chosenPath)> handler)
{
    State().openFileHandler = std::move(handler);
}

bool AskOpenFile(const OpenFileRequest& request, std::wstring& chosenPath)
{
    HostState& s = State();
    ++s.openFileRequests;
    chosenPath.clear();
    if (!s.openFileHandler)
        return false;
    // Copied: the handler may install another one while it runs.
    const auto handler = s.openFileHandler;
    const bool chosen = handler(request, chosenPath);
    if (!chosen)
        chosenPath.clear();
    return chosen;
}

int OpenFileRequestCount()
{
    return State().openFileRequests;
}

void SetMainWindow(HWND window)
{
    State().mainWindow = window;
}

void SetPluginFolder(const MCHAR* folder)
{
    State().pluginFolder = MSTR(folder);
}
} // namespace Host
