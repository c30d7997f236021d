#pragma once
// The colour a node is drawn in: the mean colour of the first picture its material uses, so that a
// skin looks like skin and a blue dress blue; a colour from the material's name when it has no
// readable picture, and grey without a material.

#include <QColor>
#include <QString>

#include <map>

class INode;

namespace scenehost
{
class NodeColours
{
public:
    QColor Of(INode* node);

private:
    QColor OfPicture(const QString& file);

    std::map<QString, QColor> m_pictures; // file -> mean colour (invalid: unreadable)
};
} // namespace scenehost
