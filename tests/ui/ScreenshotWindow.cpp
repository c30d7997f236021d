#include "ScreenshotWindow.h"

#include "plugin/Commands.h"
#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/DataContainer.h"
#include "repository/Settings.h"
#include "ui/MainWindowClass.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>

#include <cstdlib>
#include <string>

namespace ZANRET::ScreenshotWindow
{
MainWindowClass* Open(const QTemporaryDir& settingsFolder, const char* repositoryFolder)
{
    setenv("LOCALAPPDATA", settingsFolder.path().toLocal8Bit().constData(), 1);
    const std::wstring repository =
        QDir(QString::fromLocal8Bit(repositoryFolder)).absolutePath().toStdWString() + L"\\";
    Settings::LoadSettings();
    Settings::SetPath(repository.c_str());
    Commands::CallMainWindow();
    return MainWindowClass::window;
}

void Settle(QApplication& app, int rounds)
{
    for (int i = 0; i < rounds; ++i)
    {
        app.processEvents();
        QThread::msleep(25);
    }
}

void Close(QApplication& app, MainWindowClass* window)
{
    window->close();
    app.processEvents();
    Data2::Reset();
    Settings::FreeSettings();
}

DataContainer* Outfit(const CharacterData& character, const char* outfitId)
{
    if (outfitId)
    {
        return character.GetCloth(QString::fromLocal8Bit(outfitId).toStdWString().c_str());
    }
    for (std::int32_t i = 0; i < character.GetCount(CharacterData::CLOTH); ++i)
    {
        DataContainer* outfit = character.GetContainerElement(CharacterData::CLOTH, i);
        if (outfit && outfit->GetFastFlag(DataContainer::AVAILABLE))
        {
            return outfit;
        }
    }
    return nullptr;
}
} // namespace ZANRET::ScreenshotWindow
