#pragma once
// Draws the host's scene as the viewport's camera sees it, in software: a grid on the ground plane
// z = 0, then every mesh's triangles, flat shaded with a light at the eye and hidden behind what is
// nearer, and a frame around each selected node with everything below it.

#include "NodeColours.h"

#include <hostsdk/Types.h>

#include <QImage>

namespace scenehost
{
class SceneRenderer
{
public:
    // A picture of the viewport's size.
    QImage Render(HWND viewport);

private:
    NodeColours m_colours;
};
} // namespace scenehost
