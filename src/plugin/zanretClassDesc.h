#pragma once
// The class descriptor: the one global utility plug-in class of the library.

#include "hostsdk/ClassDesc.h"

constexpr Class_ID kZanretClassID(0x269D2BA1, 0x25482A2C);

class zanretClassDesc : public ClassDesc2
{
public:
    int IsPublic() override { return 1; }
    // A new plug-in object, or null when it cannot be allocated.
    void* Create(BOOL loading = FALSE) override;
    const MCHAR* ClassName() override;
    SClass_ID SuperClassID() override { return GUP_CLASS_ID; }
    Class_ID ClassID() override { return kZanretClassID; }
    const MCHAR* Category() override;
    int NumActionTables() override { return 1; }
    // Every call makes and registers a new table, which the host owns from then on.
    ActionTable* GetActionTable(int i) override;
    const MCHAR* InternalName() override { return _M("zanret"); }
    HINSTANCE HInstance() override;
};

// The one descriptor, made on the first call and destroyed when the library is unloaded.
ClassDesc2* GetZanretClassDesc();
