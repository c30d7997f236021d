#pragma once
// The only functions through which native code reaches the manager window. Each refresh function
// logs an error and does nothing else while no window is open.

namespace ZANRET
{
namespace MainWindow
{
void OpenMainWindow();
void Rebuild();
void RebuildTabs();
void UpdateCharacterSelectionFromGUI();
void UpdateElementSelection();
void UpdateInfo();
} // namespace MainWindow
} // namespace ZANRET
