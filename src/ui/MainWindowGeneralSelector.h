#pragma once
// The element-choosing area of the manager window: one tab control with the poses, skins and cloth
// materials of the selected character and outfit, and one page per asset category that has
// something to offer. Pages are built from the repository and the selection, and re-marked from the
// selection after every choice.

#include <QPointer>
#include <QTabWidget>

#include <cstdint>
#include <memory>
#include <vector>

namespace hostforms
{
class MaxForm;
}

namespace ZANRET
{
class CharacterData;
class MainWindowGeneralPage;
class MainWindowPosesTab;
class MainWindowSkinTab;
class MainWindowClothMaterialsTab;

class MainWindowGeneralSelector
{
public:
    MainWindowGeneralSelector();
    ~MainWindowGeneralSelector();
    MainWindowGeneralSelector(const MainWindowGeneralSelector&) = delete;
    MainWindowGeneralSelector& operator=(const MainWindowGeneralSelector&) = delete;

    // Makes the tab control and puts it into the form; once, with the window.
    void CreateWidget(hostforms::MaxForm* form);
    // A new, empty tab control in place of the old one (after the repository was loaded again).
    void Rebuild(hostforms::MaxForm* form);
    // Every page built again for the current selection, for the form's outer size.
    void UpdateWidget(std::int32_t width, std::int32_t height);
    // After a pose choice: every page but the poses page built again.
    void RebuildExeptPoses(hostforms::MaxForm* form, std::int32_t width);
    // Appends the skins, cloth-material and category pages.
    void BuildPages(CharacterData* character, std::int32_t width);

    // Ticks follow the selection.
    void UpdateSelection();
    void UpdatePoseSelection();
    void UpdateSkinSelection();
    void UpdateStyleSelection();

    // Lays the pages out again for the form's outer width.
    void UpdateWidth(std::int32_t width);
    void UpdateWidthExeptPoses(std::int32_t width);

    void InitWidget() {}

    // What is shown, for the window and its tests. Borrowed; pages live until the next rebuild.
    QTabWidget* GetControl() const { return m_control; }
    std::int32_t GetPageCount() const { return static_cast<std::int32_t>(m_pages.size()); }
    MainWindowGeneralPage* GetPage(std::int32_t index) const;

private:
    // Handler of a tab change.
    void SelectTabControl(int tabPageIndex);
    // Destroys the pages from index `first` on, with their tabs and elements.
    void DropPages(std::size_t first);
    void AppendPage(std::unique_ptr<MainWindowGeneralPage> page);

    QPointer<QTabWidget> m_control;
    std::vector<std::unique_ptr<MainWindowGeneralPage>> m_pages;
    // Pages of m_pages; null once their page is destroyed.
    MainWindowPosesTab* posesTab = nullptr;
    MainWindowSkinTab* skinTab = nullptr;
    MainWindowClothMaterialsTab* clothMaterialTab = nullptr;
    QPointer<hostforms::MaxForm> m_parent;
};
} // namespace ZANRET
