#include "measure/camerascene.h"

#include "core/appsettings.h"
#include "imaging/circlefit.h"
#include "imaging/edges.h"
#include "measure/circleshapes.h"
#include "measure/graphicsitem.h"
#include "measure/particleshapes.h"

#include <QSignalBlocker>

#include <algorithm>

// ---------------------------------------------------------------- analysis

bool CameraScene::isSnapping() const
{
    if (!m_settings || !m_settings->extras.snapToEdges)
        return false;
    switch (m_tool) {
    case Line:
    case BrokenLine:
    case ParallelLine:
    case VerticalLine:
    case Arc:
    case Circle1:
    case Circle2:
    case Circle3: return true;
    default: return false;
    }
}

QPointF CameraScene::snapped(const QPointF &p, Qt::KeyboardModifiers modifiers) const
{
    if (!isSnapping() || (modifiers & Qt::ShiftModifier) || m_picture.isNull())
        return p;
    // The same reach on the screen at any zoom.
    const double radius = SnapRadius / std::max(1e-3, m_scaleX);
    return imaging::snapToEdge(m_picture, p, std::min(radius, 200.0)).point;
}

// The grey picture around a click, which a fit needs and nothing else.
struct CameraScene::FitWindow
{
    bool ok = false;
    cv::Mat grey;
    QPointF origin; // of grey, in the picture
    QPointF seed;   // the click, in grey
    double reach = 0;
};

CameraScene::FitWindow CameraScene::fitWindow(const QPointF &p) const
{
    FitWindow w;
    if (m_picture.isNull() || !sceneRect().contains(p))
        return w;
    // Objects up to about half the shorter side, at most 400 pixels across the reach.
    w.reach = std::min(400.0, 0.5 * std::min(m_picture.width(), m_picture.height()));
    const int m = int(w.reach) + 10;
    const cv::Rect window(int(p.x()) - m, int(p.y()) - m, 2 * m + 1, 2 * m + 1);
    const cv::Rect clipped = window & cv::Rect(0, 0, m_picture.width(), m_picture.height());
    w.grey = imaging::greyWindow(m_picture, window);
    w.origin = QPointF(clipped.x, clipped.y);
    w.seed = p - w.origin;
    w.ok = true;
    return w;
}

GraphicsItem *CameraScene::addFittedCircle(const QPointF &centre, double radius, double residual)
{
    auto *circle = new GraphicsCircle1Item;
    if (m_settings)
        circle->setStyle(m_settings->style);
    ShapeRecord r = circle->record();
    r.points = {centre, centre + QPointF(radius, 0)};
    circle->restore(r);
    circle->setFitResidual(residual);
    addShape(circle);
    saveHistory();
    return circle;
}

GraphicsItem *CameraScene::fitCircleAt(const QPointF &p)
{
    const FitWindow w = fitWindow(p);
    if (!w.ok)
        return nullptr;
    const imaging::CircleFit fit = imaging::fitCircleAt(w.grey, w.seed, w.reach);
    return fit.ok ? addFittedCircle(fit.centre + w.origin, fit.radius, fit.residual) : nullptr;
}

void CameraScene::fitCircleLater(const QPointF &p)
{
    FitWindow w = fitWindow(p);
    if (!w.ok)
        return;
    ++m_circleFits;
    const QSize size = m_picture.size();
    const int epoch = m_shapesEpoch;
    // The scene waits for the pool when it goes, so `this` outlives the job;
    // the answer is queued to the scene's thread.
    m_fitPool.start([this, w = std::move(w), size, epoch] {
        const imaging::CircleFit fit = imaging::fitCircleAt(w.grey, w.seed, w.reach);
        QMetaObject::invokeMethod(
            this,
            [this, fit, origin = w.origin, size, epoch] {
                --m_circleFits;
                if (fit.ok && m_picture.size() == size && m_shapesEpoch == epoch)
                    addFittedCircle(fit.centre + origin, fit.radius, fit.residual);
            },
            Qt::QueuedConnection);
    });
}

void CameraScene::setParticles(const QVector<imaging::Particle> &particles)
{
    cancelConstruction();
    endEdit();
    const bool hadSelection = m_selectedShape != nullptr;
    {
        // One notice for the whole set, not one per object.
        const QSignalBlocker quiet(this);
        const QList<GraphicsItem *> old = m_shapes;
        for (GraphicsItem *shape : old)
            if (shape->type() == Particle)
                removeShape(shape);
        int number = 0;
        for (const imaging::Particle &p : particles) {
            GraphicsParticleItem *item = GraphicsParticleItem::create(p, ++number);
            if (m_settings)
                item->setStyle(m_settings->style);
            addShape(item);
        }
    }
    saveHistory();
    update();
    emit shapesChanged();
    if (hadSelection && !m_selectedShape)
        emit selectedShapeChanged(nullptr);
}

void CameraScene::setAnalysisOverlay(const QImage &overlay)
{
    m_analysisOverlay = overlay;
    update();
}
