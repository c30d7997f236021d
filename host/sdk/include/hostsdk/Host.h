#pragma once
// The host's own driving and inspection interface: what the host application and the tests use
// to run the host, feed it user input and look at its state. Plug-ins do not use it.

#include "hostsdk/Interface.h"

#include <functional>
#include <string>
#include <vector>

class ClassDesc;

namespace Host
{
// Everything back to a fresh host: empty scene, no undo history, no registrations (notifications,
// classes of plug-ins, action tables), no command modes, prompts, script lines or viewports,
// default units (1 centimetre), an empty material library, animate mode off.
void Reset();

// Scene.
// Deletes every node and the undo history, then sends notification 8.
void NewScene();
// Sends notification 10 with a pointer to callParam. With 0 the scene is replaced by an empty
// one (and the undo history dropped) first; with any other value the scene stays.
void OpenScene(int callParam);
// The user deletes nodes: one undo step named "Delete" (through Interface::DeleteNode).
void DeleteNodes(const std::vector<INode*>& nodes);
// Undo and redo one step; false when there is none (or a hold is open).
bool Undo();
bool Redo();
std::vector<MSTR> UndoNames(); // oldest first
int RedoCount();
// Every node of the scene below the root, depth first in child order.
std::vector<INode*> SceneNodes();
int NodeCount();
// True when the proxy object read its file (false: the placeholder box, or not read yet).
bool ProxyMeshLoadedFromFile(Object* proxy);
// Triangle count of a proxy object's mesh (reads the file when needed).
int ProxyMeshTriangleCount(Object* proxy);
// The scene's nodes that use object (instances).
std::vector<INode*> NodesUsing(Object* object);
// The keys of a node's user properties, in key order (for scene dumps).
std::vector<MSTR> UserPropertyKeys(INode* node);
// For drawing: the triangles of a node's mesh in world space, three corners each (none for a node
// without a mesh), and the world bounds of its object (a point at the pivot without extent).
std::vector<Point3> WorldTriangles(INode* node);
Box3 WorldBounds(INode* node);

// Classes: built-in classes are always registered; plug-ins' descriptors are added here.
void RegisterClass(ClassDesc* desc);
void UnregisterClass(ClassDesc* desc);
// Makes CreateInstance of a class answer null (false) or work again (true).
void SetClassAvailable(Class_ID id, bool available);
// Turns the layer manager off (GetLayerManager answers null) or on.
void SetLayerManagerAvailable(bool available);
// The next count allocations through MaxHeapOperators fail (answer null).
void FailHeapAllocations(int count);

// Viewports.
HWND CreateViewport(int width, int height);
void SetViewportSize(HWND viewport, int width, int height);
// A perspective camera at eye looking at target, with a vertical field of view in degrees.
void SetViewportCamera(HWND viewport, const Point3& eye, const Point3& target, const Point3& up,
                       float fovDegrees);
HWND ActiveViewport();
// The vertical field of view in degrees (0 for a window that is not a viewport). With
// ViewExp::GetCameraTM and the size it gives the projection of MapScreenToWorldRay.
float ViewportFieldOfView(HWND viewport);
// Sends a mouse event to the top command mode's mouse procedure (nothing when the stack holds only
// the host's own select mode). Returns the procedure's result, or 0.
int SendMouse(HWND viewport, int msg, int flags, IPoint2 at, int point = 0);
int RedrawCount();

// Units.
void SetSystemUnit(int type, float scale);

// Prompts, scripts, commands, quick access.
std::vector<MSTR> Prompts(); // bottom first
std::vector<MSTR> ScriptLines();
std::vector<MSTR> ScriptErrors();
std::vector<std::pair<MSTR, MSTR>> QuickAccessItems(); // (table name, action text)
std::vector<int> ExecutedCommands();
// The command modes on the stack, bottom first (the host's select mode is not listed).
std::vector<CommandMode*> CommandModes();

// Notifications sent so far (codes, oldest first).
std::vector<int> SentNotifications();
int RegistrationCount(int code);

// Module strings: the loader installs how the host reads a module's string table (for the texts
// of action tables). Without it, texts are empty.
void SetStringLoader(std::function<MSTR(HINSTANCE module, int id)> loader);
MSTR LoadModuleString(HINSTANCE module, int id);

// The open-file dialog: the host application (or a test) answers it. Without a handler every
// request is cancelled.
struct OpenFileRequest
{
    std::wstring title;
    std::vector<std::pair<std::wstring, std::wstring>> filters; // (description, pattern)
    std::wstring initialFolder;
    unsigned long flags = 0;
};
void SetOpenFileHandler(
    std::function<bool(const OpenFileRequest& request, std::wstring& chosenPath)> handler);
// True and the path when a file was chosen.
bool AskOpenFile(const OpenFileRequest& request, std::wstring& chosenPath);
int OpenFileRequestCount();

// The main window and plug-in folder the host reports to GUP plug-ins.
void SetMainWindow(HWND window);
void SetPluginFolder(const MCHAR* folder);
} // namespace Host
