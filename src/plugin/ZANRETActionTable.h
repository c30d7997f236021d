#pragma once
// The action table "ZANRET" with its one action "ZANRET Manager", and its activation.

#include "hostsdk/Actions.h"

namespace ZANRET
{
constexpr ActionTableId kZanretActionTableID = 0x0B250BC2;
constexpr ActionContextId kZanretActionContextID = kZanretActionTableID;
constexpr int kOpenManagerActionID = 40001;

class ZANRETActionTable : public ActionTable
{
public:
    ZANRETActionTable(ActionTableId id, ActionContextId contextId, MSTR& name, HACCEL defaults, int numIds,
                      ActionDescription* ops, HINSTANCE hInst);
    // The last table to go deletes the shared icon; a later request makes a new one.
    ~ZANRETActionTable() override;
    // The icon shared by every table, for every command id; null only when it cannot be allocated.
    MaxIcon* GetIcon(int cmdId) override;
};

// A new table (null when it cannot be allocated); the action context is registered in any case.
ActionTable* CreateActionTable();
// Makes a new action callback perform the table's actions; the action manager's result.
BOOL ActivateActionTable();
// Ends the activation and deletes the callback.
void DeactivateActionTable();
} // namespace ZANRET
