#pragma once
// One choice on a tab page: a check box with the choice's name and, above it, its preview picture.
// An element that is not available shows only its picture under the overlay, and a click on the
// picture opens its web link instead of selecting it.

#include <hostforms/PictureBox.h>
#include <hostforms/ScrollPanel.h>

#include <QCheckBox>
#include <QPointer>
#include <QRect>
#include <QString>

#include <cstdint>
#include <string>

namespace ZANRET
{
class MainWindowGeneralPage;

class MainWindowElementBase
{
public:
    MainWindowElementBase();
    // Destroys the element's controls.
    virtual ~MainWindowElementBase();
    MainWindowElementBase(const MainWindowElementBase&) = delete;
    MainWindowElementBase& operator=(const MainWindowElementBase&) = delete;

    // Makes the controls on the tab page's surface. A missing preview file gives no picture; a
    // missing overlay file gives a picture without overlay.
    virtual void Create(hostforms::ScrollPanel* tabPage, std::int32_t unique, std::int32_t x, std::int32_t y,
                        const QString& text, const std::wstring& imagePath, MainWindowGeneralPage* page,
                        bool available, const QString& url) = 0;
    // The poses and cloth-material pages show their check boxes once filled.
    virtual void ShowElement() {}

    void SelectThisUnique(std::int32_t unique);
    void SelectThisInCase(std::int32_t unique);
    std::int32_t GetUnique() const { return m_unique; }
    bool GetSelected() const;
    // Never reported back to the page.
    void SetSelected(bool selected);
    bool isAvailable() const { return m_available; }
    // The check box's top-left corner; the picture stands directly above it.
    void Place(std::int32_t x, std::int32_t y);
    void Focus();

    // The controls, for the page and for tests; null when the element has none.
    QCheckBox* GetCheckBox() const { return m_checkBox; }
    hostforms::PictureBox* GetLogo() const { return m_logo; }
    const QString& GetUrl() const { return m_url; }

protected:
    // The shared part of Create: stores the arguments, makes the check box (on the page only when
    // available) and the picture at its position.
    void CreateControls(hostforms::ScrollPanel* tabPage, std::int32_t unique, const QString& text,
                        const std::wstring& imagePath, MainWindowGeneralPage* page, bool available,
                        const QString& url, std::int32_t boxWidth, QRect picture);

    // Handlers of a click on the check box (after it toggled) and on the picture.
    void AfterSelect();
    void AfterSelectImage();

    QPointer<QCheckBox> m_checkBox;
    QPointer<hostforms::PictureBox> m_logo;
    QString m_url;
    bool m_available = false;
    std::int32_t m_unique = 0;
    QPointer<hostforms::ScrollPanel> m_parent;
    MainWindowGeneralPage* m_host = nullptr;
};
} // namespace ZANRET
