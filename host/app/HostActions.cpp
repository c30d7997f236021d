#include "HostActions.h"

#include "HostText.h"

#include <hostsdk/Actions.h>
#include <hostsdk/Interface.h>

namespace scenehost
{
std::vector<HostAction> RegisteredActions()
{
    std::vector<HostAction> actions;
    ActionManager* manager = GetCOREInterface()->GetActionManager();
    for (int t = 0; t < manager->NumActionTables(); ++t)
    {
        ActionTable* table = manager->GetTable(t);
        if (!table)
            continue;
        for (int a = 0; a < table->Count(); ++a)
        {
            HostAction action;
            action.table = table->GetId();
            action.command = table->GetActionDescription(a).mCmdID;
            action.tableName = ToQString(table->GetName());
            action.text = ToQString(table->GetDescription(action.command));
            if (action.text.isEmpty())
                action.text = QStringLiteral("%1 %2").arg(action.tableName).arg(action.command);
            actions.push_back(action);
        }
    }
    return actions;
}

bool FindQuickAccessAction(const QString& tableName, const QString& text, HostAction& action)
{
    ActionTableId table = 0;
    int command = 0;
    if (!GetCOREInterface()->GetActionManager()->FindActionByName(ToMstr(tableName), ToMstr(text), table,
                                                                  command))
        return false;
    action.table = table;
    action.command = command;
    action.tableName = tableName;
    action.text = text;
    return true;
}

bool RunAction(const HostAction& action)
{
    return GetCOREInterface()->GetActionManager()->ExecuteAction(action.table, action.command) != FALSE;
}
} // namespace scenehost
