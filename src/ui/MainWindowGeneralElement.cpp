#include "ui/MainWindowGeneralElement.h"

namespace ZANRET
{
void MainWindowGeneralElement::Create(hostforms::ScrollPanel* tabPage, std::int32_t unique, std::int32_t x,
                                      std::int32_t y, const QString& text, const std::wstring& imagePath,
                                      MainWindowGeneralPage* page, bool available, const QString& url)
{
    CreateControls(tabPage, unique, text, imagePath, page, available, url, 150, QRect(x, y - 200, 150, 150));
    m_checkBox->move(x, y + 10);
}
} // namespace ZANRET
