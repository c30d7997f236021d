#include "ui/MainWindowGeneralSelector.h"

#include "ui/MainWindowElementBase.h"
#include "ui/MainWindowGeneralPage.h"

#include <QTabWidget>

#include <hostforms/MaxForm.h>

namespace ZANRET
{
// Pages come in the next step; until then the selector shows an empty tab control.
MainWindowGeneralSelector::MainWindowGeneralSelector() = default;
MainWindowGeneralSelector::~MainWindowGeneralSelector() = default;

void MainWindowGeneralSelector::CreateWidget(hostforms::MaxForm* form)
{
    m_parent = form;
    m_control = new QTabWidget();
    m_control->setGeometry(185, 95, 735, 525);
    if (form)
    {
        form->AddControl(m_control, hostforms::AllAnchors);
    }
}

void MainWindowGeneralSelector::Rebuild(hostforms::MaxForm* form)
{
    delete m_control;
    CreateWidget(form);
}

void MainWindowGeneralSelector::UpdateWidget(std::int32_t, std::int32_t) {}
void MainWindowGeneralSelector::RebuildExeptPoses(hostforms::MaxForm*, std::int32_t) {}
void MainWindowGeneralSelector::BuildPages(CharacterData*, std::int32_t) {}
void MainWindowGeneralSelector::UpdateSelection() {}
void MainWindowGeneralSelector::UpdatePoseSelection() {}
void MainWindowGeneralSelector::UpdateSkinSelection() {}
void MainWindowGeneralSelector::UpdateStyleSelection() {}
void MainWindowGeneralSelector::UpdateWidth(std::int32_t) {}
void MainWindowGeneralSelector::UpdateWidthExeptPoses(std::int32_t) {}
MainWindowGeneralPage* MainWindowGeneralSelector::GetPage(std::int32_t) const
{
    return nullptr;
}
void MainWindowGeneralSelector::SelectTabControl(int) {}
void MainWindowGeneralSelector::DropPages(std::size_t) {}
void MainWindowGeneralSelector::AppendPage(std::unique_ptr<MainWindowGeneralPage>) {}
} // namespace ZANRET
