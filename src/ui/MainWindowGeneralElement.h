#pragma once
// An element with a square picture (150 x 150): skins and assets.

#include "ui/MainWindowElementBase.h"

namespace ZANRET
{
class MainWindowGeneralElement : public MainWindowElementBase
{
public:
    void Create(hostforms::ScrollPanel* tabPage, std::int32_t unique, std::int32_t x, std::int32_t y,
                const QString& text, const std::wstring& imagePath, MainWindowGeneralPage* page,
                bool available, const QString& url) override;
};
} // namespace ZANRET
