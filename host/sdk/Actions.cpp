// The action system: tables, contexts, activation and running actions.

#include "hostsdk/Actions.h"

#include "HostState.h"

#include <algorithm>

MaxBmpFileIcon::MaxBmpFileIcon(const MCHAR* iconSetName, int index) : m_name(iconSetName), m_index(index) {}

ActionTable::ActionTable(ActionTableId id, ActionContextId contextId, MSTR& name, HACCEL, int numIds,
                         ActionDescription* ops, HINSTANCE hInst)
    : m_id(id), m_contextId(contextId), m_name(name), m_module(hInst)
{
    if (ops)
        m_actions.assign(ops, ops + std::max(numIds, 0));
}

const ActionDescription* ActionTable::Find(int cmdId) const
{
    for (const ActionDescription& d : m_actions)
        if (d.mCmdID == cmdId)
            return &d;
    return nullptr;
}

MSTR ActionTable::GetDescription(int cmdId) const
{
    const ActionDescription* d = Find(cmdId);
    return d ? Host::LoadModuleString(m_module, d->mDescriptionResourceID) : MSTR();
}

MSTR ActionTable::GetShortName(int cmdId) const
{
    const ActionDescription* d = Find(cmdId);
    return d ? Host::LoadModuleString(m_module, d->mShortNameResourceID) : MSTR();
}

MSTR ActionTable::GetCategory(int cmdId) const
{
    const ActionDescription* d = Find(cmdId);
    return d ? Host::LoadModuleString(m_module, d->mCategoryResourceID) : MSTR();
}

ActionManager::~ActionManager()
{
    Clear();
}

BOOL ActionManager::RegisterActionTable(ActionTable* table)
{
    if (!table || FindTable(table->GetId()))
        return FALSE;
    m_tables.push_back(table);
    return TRUE;
}

BOOL ActionManager::RemoveActionTable(ActionTableId id)
{
    const auto it =
        std::find_if(m_tables.begin(), m_tables.end(), [id](ActionTable* t) { return t->GetId() == id; });
    if (it == m_tables.end())
        return FALSE;
    ActionTable* table = *it;
    m_tables.erase(it);
    delete table;
    return TRUE;
}

BOOL ActionManager::RegisterActionContext(ActionContextId id, const MCHAR* name)
{
    if (IsContextRegistered(id))
        return FALSE;
    m_contexts.emplace_back(id, MSTR(name));
    return TRUE;
}

BOOL ActionManager::IsContextRegistered(ActionContextId id) const
{
    return std::any_of(m_contexts.begin(), m_contexts.end(), [id](const auto& c) { return c.first == id; });
}

BOOL ActionManager::ActivateActionTable(ActionCallback* callback, ActionTableId id)
{
    const auto it = std::find_if(m_activations.begin(), m_activations.end(),
                                 [id](const Activation& a) { return a.id == id; });
    if (it != m_activations.end())
        it->callback = callback;
    else
        m_activations.push_back(Activation{id, callback});
    return FindTable(id) ? TRUE : FALSE;
}

BOOL ActionManager::DeactivateActionTable(ActionCallback* callback, ActionTableId id)
{
    const auto it =
        std::find_if(m_activations.begin(), m_activations.end(),
                     [id, callback](const Activation& a) { return a.id == id && a.callback == callback; });
    if (it == m_activations.end())
        return FALSE;
    m_activations.erase(it);
    return TRUE;
}

ActionCallback* ActionManager::GetActiveCallback(ActionTableId id) const
{
    for (const Activation& a : m_activations)
        if (a.id == id)
            return a.callback;
    return nullptr;
}

ActionTable* ActionManager::GetTable(int i) const
{
    return i >= 0 && i < NumActionTables() ? m_tables[static_cast<size_t>(i)] : nullptr;
}

ActionTable* ActionManager::FindTable(ActionTableId id) const
{
    for (ActionTable* t : m_tables)
        if (t->GetId() == id)
            return t;
    return nullptr;
}

BOOL ActionManager::ExecuteAction(ActionTableId tableId, int cmdId)
{
    ActionCallback* callback = GetActiveCallback(tableId);
    return callback ? callback->ExecuteAction(cmdId) : FALSE;
}

bool ActionManager::FindActionByName(const MSTR& tableName, const MSTR& actionText, ActionTableId& tableId,
                                     int& cmdId) const
{
    for (ActionTable* t : m_tables)
    {
        if (!(t->GetName() == tableName))
            continue;
        for (int i = 0; i < t->Count(); ++i)
        {
            const int id = t->GetActionDescription(i).mCmdID;
            if (t->GetDescription(id) == actionText || t->GetShortName(id) == actionText)
            {
                tableId = t->GetId();
                cmdId = id;
                return true;
            }
        }
    }
    return false;
}

void ActionManager::Clear()
{
    std::vector<ActionTable*> tables;
    tables.swap(m_tables);
    for (ActionTable* t : tables)
        delete t;
    m_contexts.clear();
    m_activations.clear();
}
