#pragma once
// Running the actions that plug-ins registered in the host's action manager.

#include <hostsdk/Types.h>

#include <QString>

#include <vector>

namespace scenehost
{
struct HostAction
{
    DWORD table = 0;
    int command = 0;
    QString tableName;
    QString text;
};

// Every action of every registered table, in table order.
std::vector<HostAction> RegisteredActions();
// The action that the quick-access list names by table name and action text; false when none.
bool FindQuickAccessAction(const QString& tableName, const QString& text, HostAction& action);
// Runs the action through its table's active callback; false when the table has none.
bool RunAction(const HostAction& action);
} // namespace scenehost
