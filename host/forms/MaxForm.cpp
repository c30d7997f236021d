#include "hostforms/MaxForm.h"

#include "hostforms/HostWindow.h"

#include "ChildControl.h"

namespace hostforms
{
MaxForm::MaxForm()
{
    setAttribute(Qt::WA_DeleteOnClose);
    ApplyWindowFlags();
}

MaxForm::~MaxForm() = default;

void MaxForm::ShowModeless()
{
    // The host window may have been registered, or gone, since the form was made.
    if (parentWidget() != HostMainWindow())
    {
        ApplyWindowFlags();
    }
    setWindowModality(Qt::NonModal);
    show();
    raise();
    activateWindow();
}

void MaxForm::AddControl(QWidget* control, Anchors anchors)
{
    if (!control)
    {
        return;
    }
    PutChildControl(this, control);
    SetAnchor(control, anchors);
}

void MaxForm::SetBorderStyle(BorderStyle style)
{
    if (style == m_borderStyle)
    {
        return;
    }
    if (style == BorderStyle::FixedDialog)
    {
        m_sizableMinimum = minimumSize();
        m_sizableMaximum = maximumSize();
        setFixedSize(size());
    }
    else
    {
        setMinimumSize(m_sizableMinimum);
        setMaximumSize(m_sizableMaximum);
    }
    m_borderStyle = style;
    ApplyWindowFlags();
}

void MaxForm::SetMaximizeBox(bool shown)
{
    m_maximizeBox = shown;
    ApplyWindowFlags();
}

void MaxForm::SetControlBox(bool shown)
{
    m_controlBox = shown;
    ApplyWindowFlags();
}

void MaxForm::ApplyWindowFlags()
{
    QWidget* host = HostMainWindow();
    Qt::WindowFlags flags = host ? Qt::Window : Qt::Tool;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (m_controlBox)
    {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
        if (m_maximizeBox && m_borderStyle == BorderStyle::Sizable)
        {
            flags |= Qt::WindowMaximizeButtonHint;
        }
    }
    if (m_borderStyle == BorderStyle::FixedDialog)
    {
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    }
    if (flags == windowFlags() && parentWidget() == host)
    {
        return;
    }
    // Changing the flags or the parent hides a window; a shown form stays shown.
    const bool wasVisible = isVisible();
    if (parentWidget() != host)
    {
        setParent(host, flags);
    }
    else
    {
        setWindowFlags(flags);
    }
    if (wasVisible)
    {
        show();
    }
}
} // namespace hostforms
