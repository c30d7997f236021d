#include "ui/MainWindow.h"

#include "repository/Debug.h"
#include "ui/MainWindowClass.h"

#include <QApplication>

#include <exception>

// Resources of a static library are registered by hand, and only from the global namespace.
static void RegisterLogoResource()
{
    Q_INIT_RESOURCE(zanret_logo);
}

namespace ZANRET
{
namespace MainWindow
{
namespace
{
void RegisterResources()
{
    static const bool registered = []
    {
        RegisterLogoResource();
        return true;
    }();
    (void)registered;
}

// A window needs the host's widget application; anything else the constructor cannot make ends here.
MainWindowClass* MakeWindow()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
    {
        return nullptr;
    }
    RegisterResources();
    try
    {
        return new MainWindowClass();
    }
    catch (const std::exception&)
    {
        return nullptr;
    }
}
} // namespace

void OpenMainWindow()
{
    MainWindowClass* window = MainWindowClass::window;
    if (!window)
    {
        Debug::AddDebugMessage(DEBUG_INFO, L"MainWindow::OpenMainWindow : create...");
        window = MakeWindow();
        if (!window)
        {
            Debug::AddDebugMessage(DEBUG_ERROR, L"MainWindow::OpenMainWindow : could not create window...");
            return;
        }
        MainWindowClass::window = window;
        window->ShowModeless();
        window->UpdateTitle();
        window->UpdateCharacterSelectionFromGUI();
        return;
    }
    Debug::AddDebugMessage(DEBUG_INFO, L"MainWindow::OpenMainWindow : display...");
    window->setWindowState(window->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    window->ShowModeless();
    window->UpdateCharacterSelectionFromGUI();
    window->UpdateTitle();
}

void Rebuild()
{
    if (!MainWindowClass::window)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"MainWindow::Rebuild : no window..");
        return;
    }
    MainWindowClass::window->Rebuild();
    // The window may have been closed while it rebuilt.
    if (MainWindowClass::window)
    {
        MainWindowClass::window->UpdateTitle();
    }
}

void RebuildTabs()
{
    if (!MainWindowClass::window)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"MainWindow::RebuildTabs : no window..");
        return;
    }
    MainWindowClass::window->RebuildTabs();
}

void UpdateCharacterSelectionFromGUI()
{
    if (!MainWindowClass::window)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"MainWindow::UpdateCharacterSelectionFromGUI : no window..");
        return;
    }
    MainWindowClass::window->UpdateCharacterSelectionFromGUI();
}

void UpdateElementSelection()
{
    if (!MainWindowClass::window)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"MainWindow::UpdateElementSelection : no window..");
        return;
    }
    MainWindowClass::window->UpdateElementSelection();
}

void UpdateInfo()
{
    if (!MainWindowClass::window)
    {
        Debug::AddDebugMessage(DEBUG_ERROR, L"MainWindow::UpdateInfo : no window..");
        return;
    }
    MainWindowClass::window->UpdateInfoField();
}
} // namespace MainWindow
} // namespace ZANRET
