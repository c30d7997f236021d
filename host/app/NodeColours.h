#pragma once
// The colour a node is drawn in: the diffuse colour of its material, so that a skin looks like skin
// and a blue dress blue. Where the material has a readable picture, that is the picture's mean
// colour; else its diffuse colour parameters; else a colour from the material's name. Grey without
// a material.

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
