#pragma once
// The page of the character's poses: those the selected outfit has a mesh for come first, and the
// first of them is chosen while the page fills. A pose cannot be un-chosen.

#include "ui/MainWindowGeneralPage.h"

namespace ZANRET
{
class CharacterData;

class MainWindowPosesTab : public MainWindowGeneralPage
{
public:
    void SelectedElement(std::int32_t unique) override;
    void UnselectElement(std::int32_t unique) override;

    void FillPoses(CharacterData* character);
};
} // namespace ZANRET
