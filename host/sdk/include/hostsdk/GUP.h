#pragma once
// Global utility plug-ins: started once after the host loaded its plug-ins, stopped once before it
// shuts down.

#include "hostsdk/Animatable.h"

class Interface;
class ISave;
class ILoad;
class BitmapManager;
class ITreeEnumProc;

class GUP : public InterfaceServer
{
public:
    // Host services.
    HINSTANCE MaxInst();
    HWND MaxWnd();
    const MCHAR* MaxDllDir();
    Interface* Max();
    BitmapManager* Bmi() { return nullptr; }
    // Calls proc for every node of the scene; the number of nodes visited.
    int EnumTree(ITreeEnumProc* proc);
    BOOL ExecuteStringScript(const MCHAR* text);
    // Runs the script file line by line; FALSE when it cannot be read or a line fails.
    BOOL ExecuteFileScript(const MCHAR* file);

    // GUPRESULT_KEEP keeps the plug-in loaded.
    virtual DWORD Start() = 0;
    virtual void Stop() = 0;
    virtual DWORD_PTR Control(DWORD) { return 0; }
    virtual IOResult Save(ISave*) { return IO_OK; }
    virtual IOResult Load(ILoad*) { return IO_OK; }
    virtual void DeleteThis() { delete this; }
};

class INode;

class ITreeEnumProc
{
public:
    virtual ~ITreeEnumProc() = default;
    // A non-zero result stops the walk.
    virtual int callback(INode* node) = 0;
};
