// Opens the manager window on a repository with an outfit chosen and saves a picture of the window
// with each of its tabs shown in turn (scripts/screenshot-tabs).
// Usage: mainwindow-tabs-screenshot <repository folder> <output folder> [character id [outfit id]]
// Without ids: anna and anna_dress; a character alone: its first outfit.

#include "ScreenshotWindow.h"

#include "plugin/Commands.h"
#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/DataContainer.h"
#include "ui/MainWindowClass.h"
#include "ui/MainWindowGeneralFill.h"
#include "ui/MainWindowGeneralSelector.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 5)
    {
        std::fprintf(stderr, "usage: %s <repository folder> <output folder> [character id [outfit id]]\n",
                     argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QTemporaryDir settings;
    const QString characterText = QString::fromLocal8Bit(argc > 3 ? argv[3] : "anna");
    const char* outfitId = argc > 4 ? argv[4] : argc > 3 ? nullptr : "anna_dress";
    const std::wstring characterId = characterText.toStdWString();

    ZANRET::MainWindowClass* window = ZANRET::ScreenshotWindow::Open(settings, argv[1]);
    ZANRET::CharacterData* character = ZANRET::Data2::GetCharacter(characterId.c_str());
    ZANRET::DataContainer* outfit =
        character ? ZANRET::ScreenshotWindow::Outfit(*character, outfitId) : nullptr;
    if (!window || !outfit)
    {
        std::fprintf(stderr, "no window, or no such character and outfit\n");
        return 1;
    }
    const QString clothText = QString::fromStdWString(ZANRET::MainWindowGeneralFill::Field(outfit, L"id"));
    ZANRET::Commands::SetSelectedClothUnique(ZANRET::Data2::GetUnique(character),
                                             ZANRET::Data2::GetUnique(outfit), true);
    ZANRET::ScreenshotWindow::Settle(app, 10);

    QDir output(QString::fromLocal8Bit(argv[2]));
    output.mkpath(QStringLiteral("."));
    QTabWidget* tabs = window->GeneralSelector()->GetControl();
    bool saved = tabs->count() > 0;
    for (int i = 0; i < tabs->count(); ++i)
    {
        tabs->setCurrentIndex(i);
        ZANRET::ScreenshotWindow::Settle(app, 10);
        QString title = tabs->tabText(i);
        title.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]")), QStringLiteral("_"));
        const QString name =
            QStringLiteral("tabs-%1-%2-%3-%4.png").arg(characterText, clothText).arg(i).arg(title);
        const QString path = output.filePath(name);
        saved = window->grab().save(path) && saved;
        std::printf("%s\n", path.toLocal8Bit().constData());
    }
    ZANRET::ScreenshotWindow::Close(app, window);
    return saved ? 0 : 1;
}
