#include "ui/MainWindowGeneralPage.h"

#include "ui/MainWindowElementBase.h"

namespace ZANRET
{
MainWindowGeneralPage::MainWindowGeneralPage() = default;
MainWindowGeneralPage::~MainWindowGeneralPage() = default;
} // namespace ZANRET
