#pragma once
// The "ZANRET Manager" window: the frame that builds its parts, keeps them in step with the
// selection and lays them out for the form's size. Native code reaches it only through the entry
// functions of MainWindow.h.

#include <hostforms/MaxForm.h>

#include <cstdint>
#include <memory>

class QCloseEvent;
class QResizeEvent;

namespace hostforms
{
class PictureBox;
}

namespace ZANRET
{
class MainWindowCharacterSelector2;
class MainWindowClothSelector;
class MainWindowGeneralSelector;
class MainWindowMenu;
class MainWindowPlacementWidget;
class MainWindowSelectionInfo;

class MainWindowClass : public hostforms::MaxForm
{
public:
    // The open window; null before the first one is made and once the user has closed it.
    static MainWindowClass* window;

    MainWindowClass();
    ~MainWindowClass() override;

    // Caption: "ZANRET Manager 1.0 - " and the repository path.
    void UpdateTitle();
    // After the repository was loaded again: every part made again at the base size.
    void Rebuild();
    // After a pose choice: every tab page but the poses page made again.
    void RebuildTabs();
    // After a character or outfit choice, and after opening or rebuilding.
    void UpdateCharacterSelectionFromGUI();
    // After a skin, pose, style or asset choice.
    void UpdateElementSelection();
    void UpdateInfoField();
    void UpdateSelections();

    // The parts, for the entry functions and tests.
    MainWindowCharacterSelector2* CharacterSelector() const { return m_characterWidget2.get(); }
    MainWindowClothSelector* ClothSelector() const { return m_clothWidget.get(); }
    MainWindowSelectionInfo* SelectionInfo() const { return m_characterInfo.get(); }
    MainWindowPlacementWidget* PlacementWidget() const { return m_placementWidget.get(); }
    MainWindowGeneralSelector* GeneralSelector() const { return m_generalSelectorWidget.get(); }
    MainWindowMenu* Menu() const { return m_menu.get(); }
    hostforms::PictureBox* Logo() const { return m_logo; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ResizeEvent();
    void CloseEvent();
    void ClickImage() {}
    // Refreshes are skipped while the form is minimised or too narrow to lay out.
    bool IsTooNarrow() const;

    std::unique_ptr<MainWindowCharacterSelector2> m_characterWidget2;
    std::unique_ptr<MainWindowClothSelector> m_clothWidget;
    std::unique_ptr<MainWindowSelectionInfo> m_characterInfo;
    std::unique_ptr<MainWindowPlacementWidget> m_placementWidget;
    std::unique_ptr<MainWindowGeneralSelector> m_generalSelectorWidget;
    std::unique_ptr<MainWindowMenu> m_menu;
    hostforms::PictureBox* m_logo = nullptr;
    std::int32_t base_width = 950;
    std::int32_t base_height = 670;
};
} // namespace ZANRET
