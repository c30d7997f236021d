#pragma once
// The "Create" button at the top right of the manager window: builds the selected character.

class QPushButton;

namespace hostforms
{
class MaxForm;
}

namespace ZANRET
{
class MainWindowPlacementWidget
{
public:
    MainWindowPlacementWidget() = default;
    ~MainWindowPlacementWidget();
    MainWindowPlacementWidget(const MainWindowPlacementWidget&) = delete;
    MainWindowPlacementWidget& operator=(const MainWindowPlacementWidget&) = delete;

    void Create(hostforms::MaxForm* parent);
    // Shown exactly while an outfit is selected.
    void Update();
    void clicked();

    QPushButton* Button() const { return m_button; }

private:
    QPushButton* m_button = nullptr;
};
} // namespace ZANRET
