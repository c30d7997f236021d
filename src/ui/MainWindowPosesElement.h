#pragma once
// An element with a tall picture (100 x 300): poses and cloth materials. Its check box stays hidden
// until the page is filled and shows it.

#include "ui/MainWindowElementBase.h"

namespace ZANRET
{
class MainWindowPosesElement : public MainWindowElementBase
{
public:
    void Create(hostforms::ScrollPanel* tabPage, std::int32_t unique, std::int32_t x, std::int32_t y,
                const QString& text, const std::wstring& imagePath, MainWindowGeneralPage* page,
                bool available, const QString& url) override;
    void ShowElement() override;
};
} // namespace ZANRET
