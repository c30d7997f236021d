#pragma once
// The dark line across the top of the manager window that spells out the current selection.

class QLabel;

namespace hostforms
{
class MaxForm;
}

namespace ZANRET
{
class MainWindowSelectionInfo
{
public:
    MainWindowSelectionInfo() = default;
    ~MainWindowSelectionInfo();
    MainWindowSelectionInfo(const MainWindowSelectionInfo&) = delete;
    MainWindowSelectionInfo& operator=(const MainWindowSelectionInfo&) = delete;

    // Builds the label into the form; it reads "xxx" until the first UpdateInfo.
    void CreateInfo(hostforms::MaxForm* parent);
    // Writes the selected character, outfit, pose, skin, style and assets into the label.
    void UpdateInfo();

    QLabel* Label() const { return m_label; }

private:
    QLabel* m_label = nullptr;
};
} // namespace ZANRET
