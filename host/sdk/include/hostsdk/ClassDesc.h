#pragma once
// Class descriptors: what a plug-in library tells the host about each of its classes.

#include "hostsdk/Animatable.h"

#include <vector>

class ActionTable;
class Interface;
class ParamBlockDesc2;
class ParamDlg;
class ParamMap2UserDlgProc;

class ClassDesc : public MaxHeapOperators
{
public:
    virtual ~ClassDesc() = default;
    virtual int IsPublic() = 0;
    // A new object of the class, or null.
    virtual void* Create(BOOL loading = FALSE) = 0;
    virtual const MCHAR* ClassName() = 0;
    virtual SClass_ID SuperClassID() = 0;
    virtual Class_ID ClassID() = 0;
    virtual const MCHAR* Category() = 0;
    virtual BOOL OkToCreate(Interface*) { return TRUE; }
    virtual int BeginCreate(Interface*) { return 0; }
    virtual int EndCreate(Interface*) { return 0; }
    virtual DWORD InitialRollupPageState() { return 0x7FFFFFFF; }
    virtual int NumActionTables() { return 0; }
    virtual ActionTable* GetActionTable(int) { return nullptr; }
    virtual const MCHAR* InternalName() { return nullptr; }
    virtual HINSTANCE HInstance() { return nullptr; }

    // Function-published interfaces of the class.
    int NumInterfaces() const { return static_cast<int>(m_interfaces.size()); }
    FPInterface* GetInterfaceAt(int i) const;
    void AddInterface(FPInterface* fpInterface);

private:
    std::vector<FPInterface*> m_interfaces;
};

// Descriptors with parameter-block services. This host builds no parameter-block user interface,
// so the services answer "none".
class ClassDesc2 : public ClassDesc
{
public:
    virtual int NumParamBlockDescs() { return 0; }
    virtual ParamBlockDesc2* GetParamBlockDesc(int) { return nullptr; }
    virtual ParamBlockDesc2* GetParamBlockDescByID(short) { return nullptr; }
    virtual ParamDlg* CreateParamDlgs(HWND, void*) { return nullptr; }
    void SetUserDlgProc(ParamBlockDesc2*, ParamMap2UserDlgProc* proc = nullptr) { m_userDlgProc = proc; }
    ParamMap2UserDlgProc* GetUserDlgProc() const { return m_userDlgProc; }

private:
    ParamMap2UserDlgProc* m_userDlgProc = nullptr;
};
