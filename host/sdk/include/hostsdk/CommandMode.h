#pragma once
// Command modes: the host sends viewport mouse events to the mode on top of its stack.

#include "hostsdk/MaxHeap.h"
#include "hostsdk/Point3.h"
#include "hostsdk/Types.h"

class INode;
class ReferenceTarget;

// Mouse messages.
constexpr int MOUSE_ABORT = 0;
constexpr int MOUSE_POINT = 1;
constexpr int MOUSE_MOVE = 2;
constexpr int MOUSE_DBLCLICK = 3;
constexpr int MOUSE_INIT = 4;
constexpr int MOUSE_UNINIT = 5;
constexpr int MOUSE_FREEMOVE = 6;
constexpr int MOUSE_KEYBOARD = 7;
constexpr int MOUSE_PROPCLICK = 8;
constexpr int MOUSE_SNAPCLICK = 9;

// Mouse flags.
constexpr int MOUSE_SHIFT = 1;
constexpr int MOUSE_CTRL = 2;
constexpr int MOUSE_ALT = 4;
constexpr int MOUSE_LBUTTON = 8;
constexpr int MOUSE_MBUTTON = 16;
constexpr int MOUSE_RBUTTON = 32;

// Command mode classes.
constexpr int SELECT_COMMAND = 2;
constexpr int PICK_COMMAND = 10;

class MouseCallBack : public MaxHeapOperators
{
public:
    virtual ~MouseCallBack() = default;
    virtual int proc(HWND hwnd, int msg, int point, int flags, IPoint2 m);
    virtual int override(int mode) { return mode; }
    virtual BOOL SupportTransformGizmo() { return FALSE; }
    virtual BOOL SupportAutoGrid() { return FALSE; }
};

class ChangeForegroundCallback : public MaxHeapOperators
{
public:
    virtual ~ChangeForegroundCallback() = default;
    virtual BOOL IsValid() = 0;
    virtual void Invalidate() = 0;
    virtual void Validate() = 0;
    virtual void callback(TimeValue t) = 0;
};

// The ready-made foreground callback for one object (or none).
class ChangeFGObject : public ChangeForegroundCallback
{
public:
    explicit ChangeFGObject(ReferenceTarget* object = nullptr) : m_object(object) {}
    BOOL IsValid() override { return m_valid; }
    void Invalidate() override { m_valid = FALSE; }
    void Validate() override { m_valid = TRUE; }
    void callback(TimeValue) override { m_valid = TRUE; }
    ReferenceTarget* GetObject() { return m_object; }

private:
    ReferenceTarget* m_object;
    BOOL m_valid = TRUE;
};

class CommandMode : public MaxHeapOperators
{
public:
    virtual ~CommandMode() = default;
    virtual int Class() = 0;
    virtual int SuperVal() { return 0; }
    virtual int ID() = 0;
    // The mouse procedure; stores the number of points the mode takes.
    virtual MouseCallBack* MouseProc(int* numPoints) = 0;
    virtual ChangeForegroundCallback* ChangeFGProc() = 0;
    virtual BOOL ChangeFG(CommandMode* oldMode) = 0;
    virtual void EnterMode() = 0;
    virtual void ExitMode() = 0;
};

// A filter for Interface::PickNode.
class PickNodeCallback : public MaxHeapOperators
{
public:
    virtual ~PickNodeCallback() = default;
    virtual BOOL Filter(INode* node) = 0;
};
