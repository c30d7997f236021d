#pragma once
// Anchoring of child controls to the edges of their parent, as Windows Forms does it.
//
// When the parent is resized, a control keeps its distance to each edge it is anchored to. Anchored
// to both edges of a pair (left and right, or top and bottom) it stretches with the parent;
// anchored to one it keeps its size and its distance to that edge; anchored to neither it keeps
// its size and the distance of its centre to the parent's centre. The geometry a control has when
// it is anchored, or that code gives it later, is where it starts from.

#include <QFlags>

class QWidget;

namespace hostforms
{
enum class Anchor
{
    None = 0,
    Top = 1,
    Bottom = 2,
    Left = 4,
    Right = 8,
};
Q_DECLARE_FLAGS(Anchors, Anchor)
} // namespace hostforms

Q_DECLARE_OPERATORS_FOR_FLAGS(hostforms::Anchors)

namespace hostforms
{
// The anchoring of a control that nobody set.
inline constexpr Anchors DefaultAnchors = Anchor::Top | Anchor::Left;
inline constexpr Anchors AllAnchors = Anchor::Top | Anchor::Bottom | Anchor::Left | Anchor::Right;

// Anchors a control that has a parent; false (and nothing changed) when it has none.
bool SetAnchor(QWidget* control, Anchors anchors);
// The control's anchoring: DefaultAnchors unless set.
Anchors GetAnchor(const QWidget* control);
} // namespace hostforms
