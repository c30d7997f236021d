#include "ui/MainWindowMenu.h"

#include "plugin/Commands.h"

#include <hostforms/LinkOpener.h>
#include <hostforms/MaxForm.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>

namespace ZANRET
{
MainWindowMenu::~MainWindowMenu()
{
    // The two menus are children of the strip.
    delete m_menu;
}

void MainWindowMenu::Create(hostforms::MaxForm* parent)
{
    m_menu = new QMenuBar();
    // Inside the window, also where the desktop offers a global menu.
    m_menu->setNativeMenuBar(false);

    m_menu_zanret = new QMenu(QStringLiteral("ZANRET"), m_menu);
    QObject::connect(m_menu_zanret->addAction(QStringLiteral("Visit Shop")), &QAction::triggered, m_menu,
                     [this] { clicked_shop(); });

    m_menu_repo = new QMenu(QStringLiteral("Repository"), m_menu);
    QObject::connect(m_menu_repo->addAction(QStringLiteral("Reload")), &QAction::triggered, m_menu,
                     [this] { clicked_reload(); });
    QObject::connect(m_menu_repo->addAction(QStringLiteral("Set Repository")), &QAction::triggered, m_menu,
                     [this] { clicked_setPath(); });

    m_menu->addMenu(m_menu_zanret);
    m_menu->addMenu(m_menu_repo);
    m_menu->setGeometry(0, 0, parent->width(), m_menu->sizeHint().height());
    parent->AddControl(m_menu, hostforms::Anchor::Top | hostforms::Anchor::Left | hostforms::Anchor::Right);
}

void MainWindowMenu::clicked_shop()
{
    hostforms::OpenLink(QString::fromLatin1(kShopAddress));
}

void MainWindowMenu::clicked_reload()
{
    Commands::ReloadRepository();
}

void MainWindowMenu::clicked_setPath()
{
    Commands::ResetRepository();
}
} // namespace ZANRET
