#pragma once
// The base of the plug-in's forms: a window that shows itself modeless over the host's main window
// (see HostWindow.h) as a tool window of it, which the window system keeps above the host window,
// or as a top-level tool window when the host has none. The first time it is shown it opens beside
// the host window, against its right edge, when the screen has room there, and otherwise where it
// covers the least of the host's viewport (HostWindow.h); always wholly on the host's screen, as far
// as it fits there.
//
// Forms lay their controls out in pixels of the client area, as built for the form's base size, and
// anchor them (Anchor.h) so that resizing the form stretches them. A form is destroyed when it is
// closed; subclasses that keep a pointer to it clear that pointer in their closeEvent and destructor.

#include "hostforms/Anchor.h"

#include <QSize>
#include <QWidget>

namespace hostforms
{
enum class BorderStyle
{
    Sizable,
    // The user cannot resize the form: it keeps the size it has when the style is set.
    FixedDialog,
};

class MaxForm : public QWidget
{
public:
    MaxForm();
    ~MaxForm() override;
    MaxForm(const MaxForm&) = delete;
    MaxForm& operator=(const MaxForm&) = delete;

    // Shows the form, modeless, above the host's main window and activates it.
    void ShowModeless();

    // Puts a control into the form with the given anchoring. The control is shown with the form
    // unless code hid it explicitly.
    void AddControl(QWidget* control, Anchors anchors = DefaultAnchors);

    void SetBorderStyle(BorderStyle style);
    BorderStyle GetBorderStyle() const { return m_borderStyle; }
    // The maximise button of the caption.
    void SetMaximizeBox(bool shown);
    bool HasMaximizeBox() const { return m_maximizeBox; }
    // The caption's system menu with the minimise, maximise and close buttons.
    void SetControlBox(bool shown);
    bool HasControlBox() const { return m_controlBox; }

private:
    // Window type (a tool window, of the host's when there is one) and caption buttons, from the
    // current state.
    void ApplyWindowFlags();
    void PlaceOnScreen();

    BorderStyle m_borderStyle = BorderStyle::Sizable;
    bool m_maximizeBox = true;
    bool m_controlBox = true;
    bool m_opened = false;
    // The bounds a sizable form had before it was fixed, to give back.
    QSize m_sizableMinimum;
    QSize m_sizableMaximum;
};
} // namespace hostforms
