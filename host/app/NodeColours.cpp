#include "NodeColours.h"

#include "HostText.h"
#include "MaterialWalk.h"

#include <hostsdk/INode.h>
#include <win32/path.h>

#include <QImage>

#include <algorithm>

namespace scenehost
{
QColor NodeColours::Of(INode* node)
{
    Mtl* material = node ? node->GetMtl() : nullptr;
    if (!material)
        return QColor(175, 175, 175);
    for (const std::wstring& file : TexturePaths(material))
    {
        const QColor colour = OfPicture(QString::fromStdString(win32::NativePath(file)));
        if (colour.isValid())
            return colour;
    }
    if (const auto diffuse = DiffuseColour(material))
        return QColor::fromRgbF(std::clamp((*diffuse)[0], 0.0f, 1.0f), std::clamp((*diffuse)[1], 0.0f, 1.0f),
                                std::clamp((*diffuse)[2], 0.0f, 1.0f));
    const size_t hash = qHash(ToQString(material->GetName()));
    return QColor::fromHsv(static_cast<int>(hash % 360), 90, 200);
}

QColor NodeColours::OfPicture(const QString& file)
{
    const auto known = m_pictures.find(file);
    if (known != m_pictures.end())
        return known->second;
    QColor colour;
    const QImage picture(file);
    if (!picture.isNull())
        colour = picture.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
    m_pictures.emplace(file, colour);
    return colour;
}
} // namespace scenehost
