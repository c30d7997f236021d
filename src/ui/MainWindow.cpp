#include "ui/MainWindow.h"

#include "repository/Debug.h"

// Until the window class exists, every entry behaves as it does with no window open.
namespace ZANRET
{
namespace MainWindow
{
void OpenMainWindow()
{
    Debug::AddDebugMessage(DEBUG_ERROR, L"MainWindow::OpenMainWindow : could not create window...");
}

void Rebuild()
{
    Debug::AddDebugMessage(DEBUG_ERROR, L"MainWindow::Rebuild : no window..");
}

void RebuildTabs()
{
    Debug::AddDebugMessage(DEBUG_ERROR, L"MainWindow::RebuildTabs : no window..");
}

void UpdateCharacterSelectionFromGUI()
{
    Debug::AddDebugMessage(DEBUG_ERROR, L"MainWindow::UpdateCharacterSelectionFromGUI : no window..");
}

void UpdateElementSelection()
{
    Debug::AddDebugMessage(DEBUG_ERROR, L"MainWindow::UpdateElementSelection : no window..");
}

void UpdateInfo()
{
    Debug::AddDebugMessage(DEBUG_ERROR, L"MainWindow::UpdateInfo : no window..");
}
} // namespace MainWindow
} // namespace ZANRET
