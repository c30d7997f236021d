#include "WindowFixture.h"

#include "plugin/Commands.h"
#include "repository/CharacterData.h"
#include "repository/Data2.h"
#include "repository/Settings.h"
#include "ui/MainWindowCharacterSelector2.h"
#include "ui/MainWindowClass.h"
#include "ui/MainWindowClothSelector.h"
#include "ui/MainWindowElementBase.h"
#include "ui/MainWindowGeneralPage.h"
#include "ui/MainWindowGeneralSelector.h"
#include "ui/MainWindowMenu.h"

#include <hostforms/PictureBox.h>
#include <hostsdk/Host.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <cstdlib>

using ZANRET::MainWindowClass;

void WindowFixture::TearDown()
{
    if (MainWindowClass::window)
    {
        MainWindowClass::window->close();
    }
    Flush();
    Host::SetOpenFileHandler({});
}

std::wstring WindowFixture::SamplesPath()
{
    const char* samples = std::getenv("ZANRET_SAMPLES");
    return samples ? QString::fromLocal8Bit(samples).toStdWString() + L"\\" : std::wstring();
}

void WindowFixture::OpenOn(const std::wstring& repositoryPath)
{
    ASSERT_FALSE(repositoryPath.empty()) << "ZANRET_SAMPLES is not set";
    ZANRET::Settings::LoadSettings();
    ZANRET::Settings::SetPath(repositoryPath.c_str());
    ZANRET::Commands::CallMainWindow();
    Flush();
    ASSERT_NE(Window(), nullptr);
}

MainWindowClass* WindowFixture::Window()
{
    return MainWindowClass::window;
}

void WindowFixture::Flush()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList WindowFixture::TopLevelNames()
{
    QStringList names;
    const QTreeWidget* tree = Window()->CharacterSelector()->TreeView();
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
    {
        names << tree->topLevelItem(i)->text(0);
    }
    return names;
}

QStringList WindowFixture::ChildNames(const QString& character)
{
    QStringList names;
    if (const QTreeWidgetItem* node = Node(character))
    {
        for (int i = 0; i < node->childCount(); ++i)
        {
            names << node->child(i)->text(0);
        }
    }
    return names;
}

QTreeWidgetItem* WindowFixture::Node(const QString& character, const QString& outfit)
{
    const QTreeWidget* tree = Window()->CharacterSelector()->TreeView();
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
    {
        QTreeWidgetItem* node = tree->topLevelItem(i);
        if (node->text(0) != character)
        {
            continue;
        }
        if (outfit.isEmpty())
        {
            return node;
        }
        for (int j = 0; j < node->childCount(); ++j)
        {
            if (node->child(j)->text(0) == outfit)
            {
                return node->child(j);
            }
        }
    }
    return nullptr;
}

void WindowFixture::ClickNode(QTreeWidgetItem* node)
{
    ASSERT_NE(node, nullptr);
    QTreeWidget* tree = node->treeWidget();
    if (node->parent())
    {
        tree->expandItem(node->parent());
    }
    tree->scrollToItem(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
    Flush();
}

int WindowFixture::PreviewCount()
{
    return static_cast<int>(Window()->ClothSelector()->Elements().size());
}

ZANRET::MainWindowClothPreview* WindowFixture::Preview(int index)
{
    return Window()->ClothSelector()->Elements().at(index).get();
}

void WindowFixture::ClickPreview(int index)
{
    QTest::mouseClick(Preview(index)->Preview(), Qt::LeftButton);
    Flush();
}

ZANRET::MainWindowGeneralSelector* WindowFixture::Tabs()
{
    return Window()->GeneralSelector();
}

void WindowFixture::ShowTab(int index)
{
    Tabs()->GetControl()->setCurrentIndex(index);
    QCoreApplication::processEvents();
}

std::vector<WindowFixture::Shown> WindowFixture::ShowEveryPage()
{
    std::vector<Shown> pages;
    for (int i = 0; i < Tabs()->GetPageCount(); ++i)
    {
        ShowTab(i);
        Shown shown;
        for (const auto& element : Tabs()->GetPage(i)->GetElements())
        {
            const hostforms::PictureBox* logo = element->GetLogo();
            shown.emplace_back(element->GetCheckBox()->text(), element->GetUnique(), element->GetSelected(),
                               logo ? logo->Image() : QImage());
        }
        pages.push_back(shown);
    }
    return pages;
}

namespace
{
// The last of the actions with the text; null if none has it.
QAction* ActionWithText(const QList<QAction*>& actions, const QString& text)
{
    QAction* found = nullptr;
    for (QAction* action : actions)
    {
        if (action->text() == text)
        {
            found = action;
        }
    }
    return found;
}
} // namespace

void WindowFixture::ChooseMenuItem(const QString& menu, const QString& item)
{
    QMenuBar* strip = Window()->Menu()->MenuStrip();
    QAction* top = ActionWithText(strip->actions(), menu);
    ASSERT_NE(top, nullptr) << menu.toStdString();
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->actionGeometry(top).center());
    QMenu* popup = top->menu();
    ASSERT_TRUE(popup->isVisible()) << menu.toStdString();
    QAction* chosen = ActionWithText(popup->actions(), item);
    ASSERT_NE(chosen, nullptr) << item.toStdString();
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(chosen).center());
    Flush();
}

std::int32_t WindowFixture::ClothUnique(const wchar_t* characterId, const wchar_t* clothId)
{
    const ZANRET::CharacterData* character = ZANRET::Data2::GetCharacter(characterId);
    return character ? ZANRET::Data2::GetUnique(character->GetCloth(clothId)) : 0;
}

QImage WindowFixture::ReadPicture(const std::wstring& repositoryRelative)
{
    const std::wstring path = SamplesPath() + repositoryRelative;
    return QImage(QString::fromStdWString(path).replace(QLatin1Char('\\'), QLatin1Char('/')));
}
