#pragma once
// What the screenshot programs share: the manager window opened on a repository folder as a user
// would open it, given time to paint, and closed again.

class QApplication;
class QTemporaryDir;

namespace ZANRET
{
class CharacterData;
class DataContainer;
class MainWindowClass;

namespace ScreenshotWindow
{
// The settings file goes to `settingsFolder`, not the user's. Null if the window did not open.
MainWindowClass* Open(const QTemporaryDir& settingsFolder, const char* repositoryFolder);

// Lets the window system map and paint the window.
void Settle(QApplication& app, int rounds);

void Close(QApplication& app, MainWindowClass* window);

// The character's outfit with the id, or, without an id, the first one the character tree shows.
// Null when there is none.
DataContainer* Outfit(const CharacterData& character, const char* outfitId);
} // namespace ScreenshotWindow
} // namespace ZANRET
