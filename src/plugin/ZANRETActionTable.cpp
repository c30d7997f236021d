#include "plugin/ZANRETActionTable.h"

#include "plugin/DllEntry.h"
#include "plugin/ZanretActionCallback.h"

#include "hostsdk/Interface.h"

#include <iterator>

namespace ZANRET
{
namespace
{
constexpr int kManagerString = 6;

ActionDescription g_actions[] = {
    {kOpenManagerActionID, kManagerString, kManagerString, kManagerString},
};

// Any table may hand the icon out for as long as it lives, so the icon lives as long as a table
// does; what is left at unload goes with the module.
struct SharedIcon
{
    MaxIcon* icon = nullptr;
    int tables = 0;

    ~SharedIcon() { delete icon; }
};

SharedIcon g_icon;
ZanretActionCallback* g_activeCallback = nullptr;

ActionManager* Actions()
{
    return GetCOREInterface()->GetActionManager();
}
} // namespace

ZANRETActionTable::ZANRETActionTable(ActionTableId id, ActionContextId contextId, MSTR& name, HACCEL defaults,
                                     int numIds, ActionDescription* ops, HINSTANCE hInst)
    : ActionTable(id, contextId, name, defaults, numIds, ops, hInst)
{
    ++g_icon.tables;
}

ZANRETActionTable::~ZANRETActionTable()
{
    if (--g_icon.tables == 0 && g_icon.icon)
    {
        delete g_icon.icon;
        g_icon.icon = nullptr;
    }
}

MaxIcon* ZANRETActionTable::GetIcon(int)
{
    if (!g_icon.icon)
        g_icon.icon = new MaxBmpFileIcon(_M("zanret"), 1);
    return g_icon.icon;
}

ActionTable* CreateActionTable()
{
    MSTR name(_M("ZANRET"));
    ActionTable* table = new ZANRETActionTable(kZanretActionTableID, kZanretActionContextID, name, nullptr,
                                               static_cast<int>(std::size(g_actions)), g_actions, hInstance);
    Actions()->RegisterActionContext(kZanretActionContextID, name.data());
    return table;
}

BOOL ActivateActionTable()
{
    g_activeCallback = new ZanretActionCallback();
    return Actions()->ActivateActionTable(g_activeCallback, kZanretActionTableID);
}

void DeactivateActionTable()
{
    Actions()->DeactivateActionTable(g_activeCallback, kZanretActionTableID);
    if (g_activeCallback)
    {
        delete g_activeCallback;
        g_activeCallback = nullptr;
    }
}
} // namespace ZANRET
