#include "plugin/zanret.h"

#include "plugin/ScriptLine.h"
#include "plugin/ZANRETActionTable.h"
#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/Settings.h"
#include "scene/SceneEvents.h"

DWORD zanret::Start()
{
    // Puts the manager on the quick-access toolbar; the line runs at every start.
    ZANRET::RunScriptLine(_M("qat.add \"ZANRET\" \"ZANRET Manager\""));
    ZANRET::Debug::CreateDebugList();
    ZANRET::Debug::AddDebugMessage(ZANRET::DEBUG_INFO, L"zanret::Start - start plugin...");
    ZANRET::Debug::AddDebugMessage(ZANRET::DEBUG_INFO, L"zanret::Start - load settings...");
    // Nothing is asked here: without a stored path the first run of the action asks.
    ZANRET::Settings::LoadSettings();
    ZANRET::Debug::AddDebugMessage(ZANRET::DEBUG_INFO, L"zanret::Start - activate action...");
    ZANRET::ActivateActionTable();
    ZANRET::SceneEvents::Register();
    ZANRET::Debug::AddDebugMessage(ZANRET::DEBUG_INFO, L"zanret::Start - plugin started...");
    return GUPRESULT_KEEP;
}

void zanret::Stop()
{
    ZANRET::DeactivateActionTable();
    ZANRET::Data2::Reset();
    ZANRET::Settings::FreeSettings();
    ZANRET::Debug::FreeDebugList();
    ZANRET::SceneEvents::Unregister();
}
