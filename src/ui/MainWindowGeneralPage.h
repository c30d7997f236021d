#pragma once
// A scrolling tab page that lays a list of selectable elements out in a grid and is told when the
// user selects or unselects one. The concrete pages fill it and decide what a choice means.

#include <hostforms/ScrollPanel.h>

#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QTabWidget;
class QWidget;

namespace ZANRET
{
class MainWindowElementBase;

class MainWindowGeneralPage
{
public:
    MainWindowGeneralPage();
    // Destroys the elements and the page control with its tab.
    virtual ~MainWindowGeneralPage();
    MainWindowGeneralPage(const MainWindowGeneralPage&) = delete;
    MainWindowGeneralPage& operator=(const MainWindowGeneralPage&) = delete;

    // Called by an element when the user selects or unselects it.
    virtual void SelectedElement(std::int32_t unique) = 0;
    virtual void UnselectElement(std::int32_t unique) = 0;

    // Makes the page control and adds it as the last tab of the control.
    void Create(QTabWidget* control, std::int32_t width, const QString& title);
    void SetSize(std::int32_t width, std::int32_t height);
    // Columns for the window's width, and every element placed.
    void SetWidth(std::int32_t width);
    std::int32_t GetX(std::int32_t column) const;
    std::int32_t GetY(std::int32_t row) const;

    // Check states set from code: no element reports them back to the page.
    void SelectOnlyUnique(std::int32_t unique);
    void SelectElement(std::int32_t unique);
    // Ticked exactly when the selection holds the element's unique among its assets.
    void UpdateSelection();

    // The first control on the page, or the page control itself when it holds none.
    QWidget* GetFirstControl() const;
    void Focus() {}

    // The page control (null before Create or once the tab control that held it is gone).
    hostforms::ScrollPanel* GetPageControl() const { return m_page; }
    // Where elements put their controls.
    QWidget* GetSurface() const;
    const std::vector<std::unique_ptr<MainWindowElementBase>>& GetElements() const { return m_elements; }
    std::int32_t GetStep() const { return m_step; }
    std::int32_t GetLastSelected() const { return m_lastSelected; }

protected:
    // Available elements go before the first unavailable one, unavailable ones at the end.
    MainWindowElementBase* InsertByAvailability(std::unique_ptr<MainWindowElementBase> element);
    MainWindowElementBase* Append(std::unique_ptr<MainWindowElementBase> element);
    // One element of a poses, skins or cloth-material fill: made on this page, put among the
    // available or the unavailable ones, and, as the first available one, chosen through the
    // command without a window update. `chosen` tells whether that choice was made already.
    void AddChoice(std::unique_ptr<MainWindowElementBase> element, std::int32_t unique,
                   const std::wstring& preview, const QString& caption, bool available, const QString& url,
                   void (*command)(std::int32_t unique, bool updateGui), bool& chosen);

    QPointer<hostforms::ScrollPanel> m_page;
    std::vector<std::unique_ptr<MainWindowElementBase>> m_elements;
    std::int32_t m_index = 0;
    std::int32_t m_step = 0;
    std::int32_t m_lastSelected = 0;
    std::int32_t m_w = 150;
    std::int32_t m_h = 150;

private:
    // Moving the mouse over the page gives it the window's keyboard focus, so that the wheel and
    // the keys act on the page under the mouse.
    void MouseMoved();
};
} // namespace ZANRET
