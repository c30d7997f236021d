#include "hostforms/MaxForm.h"

#include "hostforms/HostWindow.h"

#include "ChildControl.h"
#include "OpeningPlace.h"

#include <QGuiApplication>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QScreen>

namespace hostforms
{
namespace
{
// Where the host shows its scene, on the screen: its viewport while that is shown, else the whole
// inside of the host window.
QRect ViewportArea(const QWidget& host)
{
    const QWidget* viewport = HostViewport();
    if (viewport && viewport->isVisible() && viewport->window() == &host)
    {
        return QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
    }
    return host.geometry();
}
} // namespace

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
    if (!m_opened)
    {
        m_opened = true;
        PlaceOnScreen();
    }
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
    // A tool window of the host's: the window system keeps it above the host window, as the
    // platform keeps a form above the window that owns it.
    QWidget* host = HostMainWindow();
    Qt::WindowFlags flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
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
void MaxForm::PlaceOnScreen()
{
    const QWidget* host = HostMainWindow();
    const bool overHost = host && host->isVisible();
    const QScreen* screen = overHost ? host->screen() : QGuiApplication::primaryScreen();
    if (!screen)
    {
        return;
    }
    // The form has no frame before it is shown; the host's is the best guess at the one it gets.
    QMargins frame;
    if (overHost)
    {
        const QRect inner = host->geometry();
        const QRect outer = host->frameGeometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const QSize frameSize = size().grownBy(frame);
    const QRect available = screen->availableGeometry();
    if (testAttribute(Qt::WA_Moved))
    {
        // Placed by code: it stays there, as far as it fits on the screen.
        move(CentredPlace(frameSize, QRect(pos(), frameSize), available));
    }
    else if (overHost)
    {
        move(BesidePlace(frameSize, host->frameGeometry(), ViewportArea(*host), available));
    }
    else
    {
        move(CentredPlace(frameSize, available, available));
    }
}
} // namespace hostforms
