#pragma once
// The host's own commands of the Edit and File menus. Those that replace the scene or step through
// its history first end a running command mode, as the host's select tool would: a placement must
// not go on with a character that the command takes away.

namespace scenehost
{
// Pops every command mode off the stack, down to the host's select mode.
void LeaveCommandModes();
// An empty scene (notification 8).
void NewScene();
bool Undo();
bool Redo();
// Deletes the selected nodes, each selected character whole (notification 0x44 for every node),
// as one undo step. Nothing when nothing is selected.
void DeleteSelection();
} // namespace scenehost
