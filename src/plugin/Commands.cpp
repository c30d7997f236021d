// Loading, reloading and replacing the repository, and creating a character.

#include "plugin/Commands.h"

#include "plugin/ScriptLine.h"
#include "repository/Data2.h"
#include "repository/Debug.h"
#include "repository/Parser2.h"
#include "repository/Selection2.h"
#include "repository/Settings.h"
#include "scene/Builder.h"
#include "scene/Placement.h"
#include "ui/MainWindow.h"

namespace ZANRET
{
namespace Commands
{
namespace
{
// Loading the settings cannot fail: a missing file only leaves the path unset.
void EnsureSettings()
{
    if (!Settings::CheckSingleton())
        Settings::LoadSettings();
}

// Reads the catalogue at the stored path into the emptied store and tells the window. The store is
// marked valid whatever the reader found, so that the window opens on what there is.
void LoadRepositoryAgain()
{
    Data2::Reset();
    Parser2::ParseRepository(Settings::GetPath());
    Data2::SetValid(true);
    if (Data2::GetCharacterCount() == 0)
        Debug::AddDebugMessage(DEBUG_INFO, L"No Characters found!");
    MainWindow::Rebuild();
}
} // namespace

void CallMainWindow()
{
    Debug::AddDebugMessage(DEBUG_INFO, L"CallMainWindow");
    if (!ValidateData())
        return;
    MainWindow::OpenMainWindow();
}

bool ValidateData()
{
    if (Data2::IsValid())
        return true;
    Selection2::Clear();
    EnsureSettings();
    if (!Settings::GetPathSet() && !SelectRepositoryFile())
        return false;
    Parser2::ParseRepository(Settings::GetPath());
    Data2::SetValid(true);
    return true;
}

void ReloadRepository()
{
    EnsureSettings();
    Selection2::Clear();
    LoadRepositoryAgain();
}

void ResetRepository()
{
    Selection2::Clear();
    EnsureSettings();
    if (!SelectRepositoryFile())
        return;
    LoadRepositoryAgain();
}

void CreateCharacter()
{
    // Auto Key off, so that building and placing do not record animation keys.
    RunScriptLine(_M("animButtonState=false"));
    INode* node = Builder::BuildCharacter();
    if (!node)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"Commands::CreateCharacter could not create character");
        return;
    }
    Placement::StartPlacement(node);
}

void LoadData()
{
    if (!Settings::GetSingleton())
        Debug::AddDebugMessage(DEBUG_ERROR, L"Commands::LoadData settings not initiated!");
    else if (!Settings::GetPathSet())
        Debug::AddDebugMessage(DEBUG_ERROR, L"Commands::LoadData called without valid settings");
}
} // namespace Commands
} // namespace ZANRET
