#pragma once
// The page of the selected outfit's materials (styles). The first one that can be chosen is chosen
// while the page fills; a material cannot be un-chosen.

#include "ui/MainWindowGeneralPage.h"

namespace ZANRET
{
class CharacterData;
class DataContainer;

class MainWindowClothMaterialsTab : public MainWindowGeneralPage
{
public:
    void SelectedElement(std::int32_t unique) override;
    void UnselectElement(std::int32_t unique) override;

    void FillMaterials(DataContainer* cloth, CharacterData* character);
};
} // namespace ZANRET
