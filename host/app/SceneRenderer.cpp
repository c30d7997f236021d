#include "SceneRenderer.h"

#include "SceneWalk.h"
#include "ViewProjection.h"

#include <hostsdk/Host.h>
#include <hostsdk/Interface.h>

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace scenehost
{
namespace
{
constexpr float kGridStep = 50.0f; // centimetres
constexpr int kGridLines = 20;     // on each side of the axes
constexpr int kMajorEvery = 5;

// The part of the segment in front of the near plane, projected. False when none of it is.
bool ProjectSegment(const ViewProjection& view, Point3 a, Point3 b, QPointF& pa, QPointF& pb)
{
    const float near = ViewProjection::kNear * 1.01f;
    const float da = view.Depth(a);
    const float db = view.Depth(b);
    if (da < near && db < near)
        return false;
    if (da < near)
        a = a + (b - a) * ((near - da) / (db - da));
    else if (db < near)
        b = b + (a - b) * ((near - db) / (da - db));
    float x = 0.0f, y = 0.0f, depth = 0.0f;
    if (!view.Project(a, x, y, depth))
        return false;
    pa = QPointF(x, y);
    if (!view.Project(b, x, y, depth))
        return false;
    pb = QPointF(x, y);
    return true;
}

void DrawGrid(QPainter& painter, const ViewProjection& view)
{
    const float extent = kGridStep * kGridLines;
    for (int i = -kGridLines; i <= kGridLines; ++i)
    {
        const float at = kGridStep * static_cast<float>(i);
        const bool major = i % kMajorEvery == 0;
        const QColor line = major ? QColor(112, 117, 125) : QColor(84, 88, 95);
        QPointF a, b;
        if (ProjectSegment(view, Point3(at, -extent, 0.0f), Point3(at, extent, 0.0f), a, b))
        {
            painter.setPen(i == 0 ? QColor(90, 170, 90) : line); // the y axis
            painter.drawLine(a, b);
        }
        if (ProjectSegment(view, Point3(-extent, at, 0.0f), Point3(extent, at, 0.0f), a, b))
        {
            painter.setPen(i == 0 ? QColor(190, 80, 80) : line); // the x axis
            painter.drawLine(a, b);
        }
    }
}

// Fills one triangle into the picture where it is nearer than what is there. The depth buffer holds
// 1 / depth, which is linear across the triangle on the screen.
void FillTriangle(QImage& image, std::vector<float>& nearness, const float (&x)[3], const float (&y)[3],
                  const float (&inverseDepth)[3], QRgb colour)
{
    const int width = image.width();
    const int height = image.height();
    const float area = (x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0]);
    if (std::fabs(area) < 1e-6f)
        return;
    const int minX = std::max(0, static_cast<int>(std::floor(std::min({x[0], x[1], x[2]}))));
    const int maxX = std::min(width - 1, static_cast<int>(std::ceil(std::max({x[0], x[1], x[2]}))));
    const int minY = std::max(0, static_cast<int>(std::floor(std::min({y[0], y[1], y[2]}))));
    const int maxY = std::min(height - 1, static_cast<int>(std::ceil(std::max({y[0], y[1], y[2]}))));
    for (int py = minY; py <= maxY; ++py)
    {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(py));
        const float cy = static_cast<float>(py) + 0.5f;
        for (int px = minX; px <= maxX; ++px)
        {
            const float cx = static_cast<float>(px) + 0.5f;
            const float w0 = ((x[1] - cx) * (y[2] - cy) - (x[2] - cx) * (y[1] - cy)) / area;
            const float w1 = ((x[2] - cx) * (y[0] - cy) - (x[0] - cx) * (y[2] - cy)) / area;
            const float w2 = 1.0f - w0 - w1;
            if (w0 < 0.0f || w1 < 0.0f || w2 < 0.0f)
                continue;
            const float z = w0 * inverseDepth[0] + w1 * inverseDepth[1] + w2 * inverseDepth[2];
            float& nearest =
                nearness[static_cast<size_t>(py) * static_cast<size_t>(width) + static_cast<size_t>(px)];
            if (z <= nearest)
                continue;
            nearest = z;
            row[px] = colour;
        }
    }
}

QRgb Shade(const QColor& base, float light)
{
    return qRgb(std::clamp(static_cast<int>(static_cast<float>(base.red()) * light), 0, 255),
                std::clamp(static_cast<int>(static_cast<float>(base.green()) * light), 0, 255),
                std::clamp(static_cast<int>(static_cast<float>(base.blue()) * light), 0, 255));
}

void DrawBox(QPainter& painter, const ViewProjection& view, const Box3& box)
{
    const Point3& lo = box.pmin;
    const Point3& hi = box.pmax;
    const Point3 corners[8] = {{lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z},
                               {lo.x, hi.y, lo.z}, {lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z},
                               {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}};
    const int edges[12][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6},
                              {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
    for (const auto& edge : edges)
    {
        QPointF a, b;
        if (ProjectSegment(view, corners[edge[0]], corners[edge[1]], a, b))
            painter.drawLine(a, b);
    }
}
} // namespace

QImage SceneRenderer::Render(HWND viewport)
{
    const ViewProjection view = ViewProjection::Of(viewport);
    QImage image(view.Width(), view.Height(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        QLinearGradient sky(0.0, 0.0, 0.0, static_cast<double>(view.Height()));
        sky.setColorAt(0.0, QColor(78, 83, 92));
        sky.setColorAt(1.0, QColor(44, 47, 52));
        painter.fillRect(image.rect(), sky);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawGrid(painter, view);
    }

    std::set<INode*> selected;
    Interface* host = GetCOREInterface();
    for (int i = 0; i < host->GetSelNodeCount(); ++i)
        for (INode* node : NodeAndDescendants(host->GetSelNode(i)))
            selected.insert(node);

    std::vector<float> nearness(static_cast<size_t>(image.width()) * static_cast<size_t>(image.height()),
                                0.0f);
    for (INode* node : Host::SceneNodes())
    {
        const std::vector<Point3> corners = Host::WorldTriangles(node);
        if (corners.empty())
            continue;
        QColor base = m_colours.Of(node);
        // A light warm tint marks the selection, little enough that its colours still read as
        // what was chosen; the frame around it does the rest.
        if (selected.count(node))
            base =
                QColor((base.red() * 3 + 255) / 4, (base.green() * 3 + 240) / 4, (base.blue() * 3 + 200) / 4);
        for (size_t t = 0; t + 2 < corners.size(); t += 3)
        {
            float x[3], y[3], inverseDepth[3];
            bool visible = true;
            for (int c = 0; c < 3 && visible; ++c)
            {
                float depth = 0.0f;
                visible = view.Project(corners[t + static_cast<size_t>(c)], x[c], y[c], depth);
                inverseDepth[c] = 1.0f / depth;
            }
            if (!visible)
                continue;
            const Point3 normal =
                Normalize(CrossProd(corners[t + 1] - corners[t], corners[t + 2] - corners[t]));
            // A light at the eye, and a little from above so that tops and sides differ.
            const float facing = std::fabs(DotProd(normal, view.Forward()));
            const float above = std::max(0.0f, normal.z) * 0.15f;
            FillTriangle(image, nearness, x, y, inverseDepth, Shade(base, 0.35f + 0.6f * facing + above));
        }
    }

    if (!selected.empty())
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(255, 255, 255), 1.0));
        for (int i = 0; i < host->GetSelNodeCount(); ++i)
        {
            const Box3 bounds = SubtreeBounds(host->GetSelNode(i));
            if (!bounds.IsEmpty())
                DrawBox(painter, view, bounds);
        }
    }
    return image;
}
} // namespace scenehost
