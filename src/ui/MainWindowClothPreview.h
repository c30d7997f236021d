#pragma once
// One outfit picture in the cloth preview panel. A click on it chooses the outfit.

#include <hostforms/PictureBox.h>

#include <QPointer>

#include <cstdint>

namespace hostforms
{
class ScrollPanel;
}

namespace ZANRET
{
class CharacterData;
class DataContainer;

class MainWindowClothPreview
{
public:
    MainWindowClothPreview() = default;
    ~MainWindowClothPreview();
    MainWindowClothPreview(const MainWindowClothPreview&) = delete;
    MainWindowClothPreview& operator=(const MainWindowClothPreview&) = delete;

    // Makes the picture (hidden until placed) and puts it on the panel; false when there is no
    // panel, outfit or character, or no readable preview picture. poseIndex is not used.
    bool Create(hostforms::ScrollPanel* parent, int xpos, int poseIndex, DataContainer* cloth,
                CharacterData* character);
    // Shows the picture at (x, y) on the panel.
    void Place(int x, int y);
    bool isAvailable() const { return m_available; }
    void clicked();

    hostforms::PictureBox* Preview() const { return m_preview.data(); }
    std::int32_t ClothUnique() const { return m_clothUnique; }

private:
    // Guarded: the panel may destroy the picture before this object.
    QPointer<hostforms::PictureBox> m_preview;
    std::int32_t m_charUnique = 0;
    std::int32_t m_clothUnique = 0;
    bool m_available = false;
};
} // namespace ZANRET
