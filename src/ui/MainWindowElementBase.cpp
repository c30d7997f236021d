#include "ui/MainWindowElementBase.h"

#include <QCheckBox>

namespace ZANRET
{
MainWindowElementBase::MainWindowElementBase() = default;
MainWindowElementBase::~MainWindowElementBase() = default;
bool MainWindowElementBase::GetSelected() const
{
    return m_checkBox && m_checkBox->isChecked();
}
} // namespace ZANRET
