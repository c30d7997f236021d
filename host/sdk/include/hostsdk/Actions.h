#pragma once
// The action system: tables of actions that the user runs, and the callbacks that perform them.

#include "hostsdk/Animatable.h"

#include <vector>

using ActionTableId = DWORD;
using ActionContextId = DWORD;

class MaxIcon : public MaxHeapOperators
{
public:
    virtual ~MaxIcon() = default;
};

// An icon of a named icon set in the host's icon folders.
class MaxBmpFileIcon : public MaxIcon
{
public:
    MaxBmpFileIcon(const MCHAR* iconSetName, int index);
    const MSTR& GetIconSetName() const { return m_name; }
    int GetIndex() const { return m_index; }

private:
    MSTR m_name;
    int m_index;
};

// One action: command id and the string ids of its texts in the table's module.
struct ActionDescription
{
    int mCmdID;
    int mDescriptionResourceID;
    int mShortNameResourceID;
    int mCategoryResourceID;
};

class ActionTable : public FPMixinInterface, public MaxSDK::Util::Noncopyable
{
public:
    // Reads the action texts from the string table of module hInst.
    ActionTable(ActionTableId id, ActionContextId contextId, MSTR& name, HACCEL defaults, int numIds,
                ActionDescription* ops, HINSTANCE hInst);
    ~ActionTable() override = default;

    ActionTableId GetId() const { return m_id; }
    ActionContextId GetContextId() const { return m_contextId; }
    const MSTR& GetName() const { return m_name; }
    int Count() const { return static_cast<int>(m_actions.size()); }
    const ActionDescription& GetActionDescription(int i) const { return m_actions[i]; }
    // The command id's texts, read from the module's string table ("" when there is none).
    MSTR GetDescription(int cmdId) const;
    MSTR GetShortName(int cmdId) const;
    MSTR GetCategory(int cmdId) const;
    HINSTANCE GetModule() const { return m_module; }

    virtual BOOL IsChecked(int) { return FALSE; }
    virtual BOOL IsEnabled(int) { return TRUE; }
    virtual BOOL ReadPersistentActionId(const MSTR&, int&) { return FALSE; }
    virtual MaxIcon* GetIcon(int) { return nullptr; }
    virtual MSTR GetCurrentAssignment(int) { return MSTR(); }

private:
    const ActionDescription* Find(int cmdId) const;

    ActionTableId m_id;
    ActionContextId m_contextId;
    MSTR m_name;
    std::vector<ActionDescription> m_actions;
    HINSTANCE m_module;
};

class ActionCallback : public BaseInterfaceServer
{
public:
    ~ActionCallback() override = default;
    // TRUE when the action ran.
    virtual BOOL ExecuteAction(int id) = 0;
};

class ActionManager
{
public:
    // The manager owns the table from now on (deleted by RemoveActionTable or host shutdown).
    BOOL RegisterActionTable(ActionTable* table);
    // Deletes the table of that id; FALSE when there is none.
    BOOL RemoveActionTable(ActionTableId id);
    BOOL RegisterActionContext(ActionContextId id, const MCHAR* name);
    BOOL IsContextRegistered(ActionContextId id) const;
    // Makes callback (which may be null) perform the table's actions. FALSE when no table of
    // that id is registered; the callback is remembered all the same.
    BOOL ActivateActionTable(ActionCallback* callback, ActionTableId id);
    // Ends callback's activation of the table. FALSE when it was not the active callback.
    BOOL DeactivateActionTable(ActionCallback* callback, ActionTableId id);
    ActionCallback* GetActiveCallback(ActionTableId id) const;

    int NumActionTables() const { return static_cast<int>(m_tables.size()); }
    ActionTable* GetTable(int i) const;
    ActionTable* FindTable(ActionTableId id) const;
    // Runs an action through the table's active callback; FALSE when there is none.
    BOOL ExecuteAction(ActionTableId tableId, int cmdId);
    // Finds an action by its table name and its description text (as the quick-access list
    // names it). FALSE when there is none.
    bool FindActionByName(const MSTR& tableName, const MSTR& actionText, ActionTableId& tableId,
                          int& cmdId) const;

    // Deletes every table and forgets every context and activation.
    void Clear();
    ~ActionManager();

private:
    struct Activation
    {
        ActionTableId id;
        ActionCallback* callback;
    };
    std::vector<ActionTable*> m_tables;
    std::vector<std::pair<ActionContextId, MSTR>> m_contexts;
    std::vector<Activation> m_activations;
};
