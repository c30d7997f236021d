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

MaxIcon* g_icon = nullptr;
ZanretActionCallback* g_activeCallback = nullptr;

ActionManager* Actions()
{
    return GetCOREInterface()->GetActionManager();
}
} // namespace

ZANRETActionTable::~ZANRETActionTable()
{
    if (g_icon)
    {
        delete g_icon;
        g_icon = nullptr;
    }
}

MaxIcon* ZANRETActionTable::GetIcon(int)
{
    if (!g_icon)
        g_icon = new MaxBmpFileIcon(_M("zanret"), 1);
    return g_icon;
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
