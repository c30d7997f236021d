#include "ui/MainWindowClass.h"

#include "repository/Debug.h"
#include "repository/Settings.h"
#include "ui/MainWindowCharacterSelector2.h"
#include "ui/MainWindowClothSelector.h"
#include "ui/MainWindowGeneralFill.h"
#include "ui/MainWindowGeneralSelector.h"
#include "ui/MainWindowMenu.h"
#include "ui/MainWindowPictures.h"
#include "ui/MainWindowPlacementWidget.h"
#include "ui/MainWindowSelectionInfo.h"

#include <hostforms/PictureBox.h>

#include <QCloseEvent>
#include <QFont>
#include <QImage>
#include <QResizeEvent>
#include <QSize>
#include <QString>

namespace ZANRET
{
namespace
{
constexpr int kMinimumLayoutWidth = 500;
// The window's fixed sizes (80 x 25 tab buttons, 150 pixels of check box) were made for the host
// toolkit's default font, smaller than the one here: at this size the catalogues' titles fit them.
constexpr int kFontPixels = 10;
} // namespace

MainWindowClass* MainWindowClass::window = nullptr;

MainWindowClass::MainWindowClass()
{
    Debug::AddDebugMessage(DEBUG_INFO, L"Create main window...");
    resize(base_width, base_height);
    QFont smaller = font();
    smaller.setPixelSize(kFontPixels);
    setFont(smaller);
    SetBorderStyle(hostforms::BorderStyle::Sizable);
    SetMaximizeBox(false);
    setMinimumSize(525, 500);

    m_logo = new hostforms::PictureBox();
    m_logo->setGeometry(12, 37, 155, 49);
    m_logo->SetImage(QImage(QStringLiteral(":/logo.bmp")));
    m_logo->SetClickHandler([this](Qt::MouseButton) { ClickImage(); });
    AddControl(m_logo);

    m_characterWidget2 = std::make_unique<MainWindowCharacterSelector2>();
    m_characterWidget2->CreateSelektor(this);
    m_characterInfo = std::make_unique<MainWindowSelectionInfo>();
    m_characterInfo->CreateInfo(this);
    m_placementWidget = std::make_unique<MainWindowPlacementWidget>();
    m_placementWidget->Create(this);
    m_generalSelectorWidget = std::make_unique<MainWindowGeneralSelector>();
    m_generalSelectorWidget->CreateWidget(this);
    m_clothWidget = std::make_unique<MainWindowClothSelector>();
    m_clothWidget->Create(this, height());
    m_menu = std::make_unique<MainWindowMenu>();
    m_menu->Create(this);
}

MainWindowClass::~MainWindowClass()
{
    // Also when the form goes without a close, e.g. with the host window it belongs to.
    if (window == this)
    {
        window = nullptr;
    }
    MainWindowPictures::Clear();
}

void MainWindowClass::UpdateTitle()
{
    const wchar_t* path = Settings::GetPath();
    setWindowTitle(QStringLiteral("ZANRET Manager 1.0 - ") +
                   (path ? QString::fromWCharArray(path) : QString()));
}

void MainWindowClass::Rebuild()
{
    // The repository was read again: its pictures may have changed on disk.
    MainWindowPictures::Clear();
    // The new parts are made for the base size; their anchors then stretch them to the user's.
    const QSize userSize = size();
    resize(base_width, base_height);
    m_characterWidget2->Rebuild(this);
    m_generalSelectorWidget->Rebuild(this);
    m_clothWidget->Rebuild(this, height());
    resize(userSize);
    UpdateCharacterSelectionFromGUI();
}

void MainWindowClass::RebuildTabs()
{
    m_generalSelectorWidget->RebuildExeptPoses(this, width());
    m_clothWidget->UpdateWidth(width());
}

void MainWindowClass::UpdateCharacterSelectionFromGUI()
{
    if (IsTooNarrow())
    {
        return;
    }
    Debug::AddDebugMessage(DEBUG_INFO, L"update gui width...");
    m_generalSelectorWidget->UpdateWidget(width(), height());
    m_characterInfo->UpdateInfo();
    m_placementWidget->Update();
    m_clothWidget->Update(width());
}

void MainWindowClass::UpdateElementSelection()
{
    m_generalSelectorWidget->UpdateSelection();
    m_characterInfo->UpdateInfo();
}

void MainWindowClass::UpdateInfoField()
{
    m_characterInfo->UpdateInfo();
}

void MainWindowClass::UpdateSelections()
{
    m_generalSelectorWidget->UpdatePoseSelection();
    m_generalSelectorWidget->UpdateSkinSelection();
}

void MainWindowClass::resizeEvent(QResizeEvent* event)
{
    MaxForm::resizeEvent(event);
    ResizeEvent();
}

void MainWindowClass::closeEvent(QCloseEvent* event)
{
    CloseEvent();
    event->accept();
}

void MainWindowClass::ResizeEvent()
{
    // The parts exist only once the constructor is through; a resize may come before.
    if (IsTooNarrow() || !m_generalSelectorWidget || !m_clothWidget)
    {
        return;
    }
    m_generalSelectorWidget->UpdateWidth(width());
    m_clothWidget->UpdateWidth(width());
}

void MainWindowClass::CloseEvent()
{
    Debug::AddDebugMessage(DEBUG_INFO, L"Close main window...");
    if (window == this)
    {
        window = nullptr;
    }
}

bool MainWindowClass::IsTooNarrow() const
{
    return isMinimized() || width() < kMinimumLayoutWidth;
}
} // namespace ZANRET
