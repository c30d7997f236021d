#include "hostforms/Anchor.h"

#include <QChildEvent>
#include <QEvent>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace hostforms
{
namespace
{
const char* const kTrackerName = "hostforms.anchoring";

struct AnchoredControl
{
    QPointer<QWidget> control;
    Anchors anchors;
    // The layout computes from this geometry and the parent size it was given for.
    QRect start;
    QSize startParent;
    // What the last pass gave the control, so that geometry set by code since is noticed and becomes
    // the new start, relative to the parent size of that pass.
    QRect laidOut;
    QSize lastParent;
};

struct Span
{
    int position;
    int length;
};

Span Follow(int position, int length, int growth, bool nearEdge, bool farEdge)
{
    if (nearEdge && farEdge)
    {
        return {position, std::max(0, length + growth)};
    }
    if (farEdge)
    {
        return {position + growth, length};
    }
    if (nearEdge)
    {
        return {position, length};
    }
    return {position + growth / 2, length};
}

QRect Follow(const AnchoredControl& c, QSize parent)
{
    const Span h = Follow(c.start.x(), c.start.width(), parent.width() - c.startParent.width(),
                          c.anchors.testFlag(Anchor::Left), c.anchors.testFlag(Anchor::Right));
    const Span v = Follow(c.start.y(), c.start.height(), parent.height() - c.startParent.height(),
                          c.anchors.testFlag(Anchor::Top), c.anchors.testFlag(Anchor::Bottom));
    return QRect(h.position, v.position, h.length, v.length);
}

// Lives as a child of the parent it lays out, and watches that parent's resizes.
class AnchorTracker : public QObject
{
public:
    explicit AnchorTracker(QWidget* parent) : QObject(parent), m_parent(parent)
    {
        setObjectName(kTrackerName);
        parent->installEventFilter(this);
    }

    static AnchorTracker* Of(const QWidget* parent)
    {
        return dynamic_cast<AnchorTracker*>(
            parent->findChild<QObject*>(kTrackerName, Qt::FindDirectChildrenOnly));
    }

    void Set(QWidget* control, Anchors anchors)
    {
        const QSize size = m_parent->size();
        const AnchoredControl entry{control, anchors, control->geometry(), size, control->geometry(), size};
        auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                  [control](const AnchoredControl& c) { return c.control == control; });
        if (found != m_controls.end())
        {
            *found = entry;
        }
        else
        {
            m_controls.push_back(entry);
        }
    }

    Anchors Get(const QWidget* control) const
    {
        for (const AnchoredControl& c : m_controls)
        {
            if (c.control == control)
            {
                return c.anchors;
            }
        }
        return DefaultAnchors;
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_parent)
        {
            if (event->type() == QEvent::Resize)
            {
                Layout();
            }
            else if (event->type() == QEvent::ChildRemoved)
            {
                Forget(static_cast<QChildEvent*>(event)->child());
            }
        }
        return false;
    }

private:
    void Forget(const QObject* child)
    {
        // Only cleared here: a pass may be running, and erasing would shift its indices.
        for (AnchoredControl& c : m_controls)
        {
            if (static_cast<QObject*>(c.control.data()) == child)
            {
                c.control = nullptr;
            }
        }
    }

    void Layout()
    {
        // A control's own resize handling may resize the parent again: that is one more pass
        // after this one, not a nested one. A few passes at most, should handlers never settle.
        if (m_laying)
        {
            m_again = true;
            return;
        }
        m_laying = true;
        for (int pass = 0; pass < 4; ++pass)
        {
            m_again = false;
            Pass();
            if (!m_again)
            {
                break;
            }
        }
        m_laying = false;
    }

    void Pass()
    {
        std::erase_if(m_controls, [](const AnchoredControl& c) { return c.control.isNull(); });
        const QSize size = m_parent->size();
        // By index: a control's resize handling may anchor further controls.
        for (std::size_t i = 0; i < m_controls.size(); ++i)
        {
            AnchoredControl& c = m_controls[i];
            if (c.control.isNull())
            {
                continue;
            }
            if (c.control->geometry() != c.laidOut)
            {
                c.start = c.control->geometry();
                c.startParent = c.lastParent;
            }
            const QRect target = Follow(c, size);
            QPointer<QWidget> control = c.control;
            if (control->geometry() != target)
            {
                control->setGeometry(target);
            }
            if (!control.isNull())
            {
                // Read back: the control's minimum and maximum size may have bounded the target.
                m_controls[i].laidOut = control->geometry();
                m_controls[i].lastParent = size;
            }
        }
    }

    QWidget* m_parent;
    std::vector<AnchoredControl> m_controls;
    bool m_laying = false;
    bool m_again = false;
};
} // namespace

bool SetAnchor(QWidget* control, Anchors anchors)
{
    QWidget* parent = control ? control->parentWidget() : nullptr;
    if (!parent || control->isWindow())
    {
        return false;
    }
    AnchorTracker* tracker = AnchorTracker::Of(parent);
    if (!tracker)
    {
        tracker = new AnchorTracker(parent);
    }
    tracker->Set(control, anchors);
    return true;
}

Anchors GetAnchor(const QWidget* control)
{
    const QWidget* parent = control ? control->parentWidget() : nullptr;
    const AnchorTracker* tracker = (parent && !control->isWindow()) ? AnchorTracker::Of(parent) : nullptr;
    return tracker ? tracker->Get(control) : DefaultAnchors;
}
} // namespace hostforms
