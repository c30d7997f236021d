// Opens the manager window on a repository with a character and an outfit chosen, as a user
// would, and saves a picture of it.
// Usage: mainwindow-screenshot <repository folder> <picture.png> [character id] [outfit id]

#include "plugin/Commands.h"
#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/Settings.h"
#include "ui/MainWindowClass.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: %s <repository folder> <picture.png> [character id] [outfit id]\n",
                     argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    // The settings file goes to a folder of its own, not the user's.
    QTemporaryDir settings;
    setenv("LOCALAPPDATA", settings.path().toLocal8Bit().constData(), 1);

    const std::wstring repository =
        QDir(QString::fromLocal8Bit(argv[1])).absolutePath().toStdWString() + L"\\";
    const std::wstring characterId = QString::fromLocal8Bit(argc > 3 ? argv[3] : "anna").toStdWString();
    const std::wstring clothId = QString::fromLocal8Bit(argc > 4 ? argv[4] : "anna_jeans").toStdWString();

    ZANRET::Settings::LoadSettings();
    ZANRET::Settings::SetPath(repository.c_str());
    ZANRET::Commands::CallMainWindow();
    ZANRET::MainWindowClass* window = ZANRET::MainWindowClass::window;
    ZANRET::CharacterData* character = ZANRET::Data2::GetCharacter(characterId.c_str());
    const bool characterAlone = clothId == L"-";
    if (!window || !character || (!characterAlone && !character->GetCloth(clothId.c_str())))
    {
        std::fprintf(stderr, "no window, or no such character and outfit\n");
        return 1;
    }
    if (characterAlone)
    {
        ZANRET::Commands::SetSelectedCharacterUnique(ZANRET::Data2::GetUnique(character), true);
    }
    else
    {
        ZANRET::Commands::SetSelectedClothUnique(
            ZANRET::Data2::GetUnique(character),
            ZANRET::Data2::GetUnique(character->GetCloth(clothId.c_str())), true);
    }
    // Let the window system map and paint the window.
    for (int i = 0; i < 20; ++i)
    {
        app.processEvents();
        QThread::msleep(25);
    }
    const bool saved = window->grab().save(QString::fromLocal8Bit(argv[2]));
    window->close();
    app.processEvents();
    ZANRET::Data2::Reset();
    ZANRET::Settings::FreeSettings();
    return saved ? 0 : 1;
}
