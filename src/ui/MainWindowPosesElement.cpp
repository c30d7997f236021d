#include "ui/MainWindowPosesElement.h"

namespace ZANRET
{
void MainWindowPosesElement::Create(hostforms::ScrollPanel* tabPage, std::int32_t unique, std::int32_t x,
                                    std::int32_t y, const QString& text, const std::wstring& imagePath,
                                    MainWindowGeneralPage* page, bool available, const QString& url)
{
    CreateControls(tabPage, unique, text, imagePath, page, available, url, 100, QRect(x, y - 340, 100, 300));
    m_checkBox->move(0, 0);
    m_checkBox->hide();
}

void MainWindowPosesElement::ShowElement()
{
    // The check box of an element that cannot be chosen is on no page: shown, it would become a
    // window of its own.
    if (m_checkBox && m_available && m_checkBox->parentWidget())
    {
        m_checkBox->show();
    }
}
} // namespace ZANRET
