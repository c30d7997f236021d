#pragma once
// The page of the character's skins. The first one that can be chosen is chosen while the page
// fills; a skin cannot be un-chosen.

#include "ui/MainWindowGeneralPage.h"

namespace ZANRET
{
class CharacterData;

class MainWindowSkinTab : public MainWindowGeneralPage
{
public:
    void SelectedElement(std::int32_t unique) override;
    void UnselectElement(std::int32_t unique) override;

    void FillSkins(CharacterData* character);
};
} // namespace ZANRET
