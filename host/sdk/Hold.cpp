#include "hostsdk/Hold.h"

#include "HostState.h"

Hold theHold;

namespace
{
class FunctionRestore final : public RestoreObj
{
public:
    FunctionRestore(std::function<void()> undo, std::function<void()> redo)
        : m_undo(std::move(undo)), m_redo(std::move(redo))
    {
    }
    void Restore(int) override
    {
        if (m_undo)
            m_undo();
    }
    void Redo() override
    {
        if (m_redo)
            m_redo();
    }

private:
    std::function<void()> m_undo;
    std::function<void()> m_redo;
};
} // namespace

void Hold::Begin()
{
    hostsdk::HostState& s = hostsdk::State();
    ++s.holdLevel;
    s.holdMarks.push_back(s.holdRecords.size());
}

void Hold::Accept(const MCHAR* name)
{
    hostsdk::HostState& s = hostsdk::State();
    if (s.holdLevel <= 0)
        return;
    --s.holdLevel;
    s.holdMarks.pop_back();
    if (s.holdLevel > 0 || s.holdRecords.empty())
        return;
    hostsdk::UndoStep step;
    step.name = MSTR(name);
    step.records = std::move(s.holdRecords);
    s.holdRecords.clear();
    // A new step makes the undone ones unreachable; drop them after the step is stored, since
    // dropping may delete nodes and objects.
    std::vector<hostsdk::UndoStep> dropped = std::move(s.redoSteps);
    s.redoSteps.clear();
    s.undoSteps.push_back(std::move(step));
}

void Hold::Cancel()
{
    hostsdk::HostState& s = hostsdk::State();
    if (s.holdLevel <= 0)
        return;
    const size_t mark = s.holdMarks.back();
    s.holdMarks.pop_back();
    --s.holdLevel;
    std::vector<std::unique_ptr<RestoreObj>> undone;
    while (s.holdRecords.size() > mark)
    {
        undone.push_back(std::move(s.holdRecords.back()));
        s.holdRecords.pop_back();
    }
    ++s.suspendLevel;
    for (auto& record : undone)
        record->Restore(TRUE);
    --s.suspendLevel;
}

int Hold::Holding()
{
    const hostsdk::HostState& s = hostsdk::State();
    return s.holdLevel > 0 && s.suspendLevel == 0 ? 1 : 0;
}

void Hold::Put(RestoreObj* record)
{
    std::unique_ptr<RestoreObj> owned(record);
    if (record && Holding())
        hostsdk::State().holdRecords.push_back(std::move(owned));
}

void Hold::Put(std::function<void()> undo, std::function<void()> redo)
{
    if (Holding())
        hostsdk::State().holdRecords.push_back(
            std::make_unique<FunctionRestore>(std::move(undo), std::move(redo)));
}

void Hold::Suspend()
{
    ++hostsdk::State().suspendLevel;
}

void Hold::Resume()
{
    hostsdk::HostState& s = hostsdk::State();
    if (s.suspendLevel > 0)
        --s.suspendLevel;
}
