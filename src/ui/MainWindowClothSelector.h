#pragma once
// The scrolling panel of outfit pictures for the chosen character, shown until an outfit is chosen.

#include "ui/MainWindowClothPreview.h"

#include <memory>
#include <vector>

namespace hostforms
{
class MaxForm;
class ScrollPanel;
} // namespace hostforms

namespace ZANRET
{
class MainWindowClothSelector
{
public:
    MainWindowClothSelector() = default;
    ~MainWindowClothSelector();
    MainWindowClothSelector(const MainWindowClothSelector&) = delete;
    MainWindowClothSelector& operator=(const MainWindowClothSelector&) = delete;

    // Makes the panel in the form and fills it, laid out for parentHeight taken as a width (the
    // window's update that follows lays it out again for its width).
    void Create(hostforms::MaxForm* parent, int parentHeight);
    // Replaces the panel by a new one.
    void Rebuild(hostforms::MaxForm* parent, int height);
    // Shown while a character and no outfit is selected; the pictures are made again either way.
    void Update(int width);
    void DisplayCloth(int width);
    // Lays the pictures out in rows for a window of that width.
    void UpdateWidth(int width);

    hostforms::ScrollPanel* Panel() const { return m_panel; }
    const std::vector<std::unique_ptr<MainWindowClothPreview>>& Elements() const { return m_elements; }

private:
    void MouseMove();
    void ClearElements();

    hostforms::ScrollPanel* m_panel = nullptr;
    std::vector<std::unique_ptr<MainWindowClothPreview>> m_elements;
};
} // namespace ZANRET
