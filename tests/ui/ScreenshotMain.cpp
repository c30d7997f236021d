// Opens the manager window on a repository with a character and an outfit chosen, as a user
// would, and saves a picture of it.
// Usage: mainwindow-screenshot <repository folder> <picture.png> [character id [outfit id]]
// Without ids: anna and anna_jeans; a character alone: its first outfit. An outfit id "-" chooses the
// character alone, so that its outfit pictures show.

#include "ScreenshotWindow.h"

#include "plugin/Commands.h"
#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "ui/MainWindowClass.h"

#include <QApplication>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 5)
    {
        std::fprintf(stderr, "usage: %s <repository folder> <picture.png> [character id [outfit id]]\n",
                     argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QTemporaryDir settings;
    const std::wstring characterId = QString::fromLocal8Bit(argc > 3 ? argv[3] : "anna").toStdWString();
    const char* outfitId = argc > 4 ? argv[4] : argc > 3 ? nullptr : "anna_jeans";
    const bool characterAlone = outfitId && std::strcmp(outfitId, "-") == 0;

    ZANRET::MainWindowClass* window = ZANRET::ScreenshotWindow::Open(settings, argv[1]);
    ZANRET::CharacterData* character = ZANRET::Data2::GetCharacter(characterId.c_str());
    ZANRET::DataContainer* outfit =
        character && !characterAlone ? ZANRET::ScreenshotWindow::Outfit(*character, outfitId) : nullptr;
    if (!window || !character || (!characterAlone && !outfit))
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
        ZANRET::Commands::SetSelectedClothUnique(ZANRET::Data2::GetUnique(character),
                                                 ZANRET::Data2::GetUnique(outfit), true);
    }
    ZANRET::ScreenshotWindow::Settle(app, 20);
    const bool saved = window->grab().save(QString::fromLocal8Bit(argv[2]));
    ZANRET::ScreenshotWindow::Close(app, window);
    return saved ? 0 : 1;
}
