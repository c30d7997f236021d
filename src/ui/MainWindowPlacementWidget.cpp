#include "ui/MainWindowPlacementWidget.h"

#include "plugin/Commands.h"
#include "repository/Selection2.h"

#include <hostforms/MaxForm.h>

#include <QPushButton>
#include <QString>

namespace ZANRET
{
MainWindowPlacementWidget::~MainWindowPlacementWidget()
{
    delete m_button;
}

void MainWindowPlacementWidget::Create(hostforms::MaxForm* parent)
{
    m_button = new QPushButton(QStringLiteral("Create"));
    m_button->setGeometry(785, 37, 132, 50);
    QObject::connect(m_button, &QPushButton::clicked, m_button, [this] { clicked(); });
    parent->AddControl(m_button, hostforms::Anchor::Top | hostforms::Anchor::Right);
}

void MainWindowPlacementWidget::Update()
{
    // Skin, pose and style are not required here: an incomplete build reports itself.
    m_button->setVisible(Selection2::GetCloth() != nullptr);
}

void MainWindowPlacementWidget::clicked()
{
    Commands::CreateCharacter();
}
} // namespace ZANRET
