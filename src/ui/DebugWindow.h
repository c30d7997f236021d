#pragma once
// Entry functions of the debug window (DebugWindowClass).

namespace ZANRET::DebugWindow
{
// Makes the window and shows it modeless; shows and activates the open one if there is one.
void CreateDebugWindow();
// Appends the text to the open window; nothing without one.
void AddDebugWindowMessage(const wchar_t* text);
// Closes the open window, which destroys it; nothing without one.
void FreeDebugWindow();
} // namespace ZANRET::DebugWindow
