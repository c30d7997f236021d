#pragma once
// The placement command mode: pushed onto the host's command-mode stack while a character is
// being placed; the host sends the viewport's mouse events to its mouse procedure.

#include "scene/PlacementProc.h"

#include "hostsdk/CommandMode.h"
#include "hostsdk/Text.h"

#include <string>
#include <vector>

namespace ZANRET
{
class PlacementMode : public CommandMode
{
public:
    static constexpr int kClass = 10;
    static constexpr int kId = 0x782F67;

    ~PlacementMode() override = default;
    int Class() override { return kClass; }
    int ID() override { return kId; }
    MouseCallBack* MouseProc(int* numPoints) override;
    ChangeForegroundCallback* ChangeFGProc() override { return &fgProc; }
    BOOL ChangeFG(CommandMode* oldMode) override;
    void EnterMode() override;
    void ExitMode() override;

    // Pushes a prompt that leaving the mode takes away again with the mode's own.
    void PushPrompt(const MCHAR* text);

private:
    PlacementProc proc;
    ChangeFGObject fgProc;
    // The prompts this mode has on the host's prompt stack, oldest first.
    std::vector<std::basic_string<MCHAR>> prompts;
};
} // namespace ZANRET
