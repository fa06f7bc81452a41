#pragma once

#include "core/bdinfo.h"
#include "measure/renderbuffers.h"
#include "measure/sceneoverlays.h"
#include "measure/shapehistory.h"
#include "measure/shapelayers.h"
#include "measure/shapetype.h"
#include "imaging/particles.h"

#include <QGraphicsScene>
#include <QHash>
#include <QImage>
#include <QThreadPool>
#include <QTimer>
#include <QTransform>

#include <functional>

struct AppSettings;
class GraphicsItem;
class GraphicsMeasureItem;
class QGraphicsView;

// One picture (a live frame or a photo) with the measurement shapes drawn
// over it: the gestures that make and edit them, their undo history
// (ShapeHistory), the overlays (SceneOverlays), the cached shape layers
// (ShapeLayers) and the renderers that burn the shapes into saved pictures
// and recordings. Works with its first view.
class CameraScene : public QGraphicsScene
{
    Q_OBJECT

public:
    static constexpr int HistoryLimit = 20;
    static constexpr int RenderBufferCount = RenderBuffers::Count;

    // Asks for a note's text; false when the user cancels.
    using TextPrompt = std::function<bool(QWidget *parent, QString *text)>;

    explicit CameraScene(QObject *parent = nullptr);
    ~CameraScene() override;

    // Picture and view.
    void setImage(const QImage &image);
    // Valid until the next setImage; copy it (QImage::copy) to keep it.
    const QImage &image() const { return m_picture; }
    QSize pictureSize() const;
    void fitToView(const QSize &pictureSize);
    double scaleX() const { return m_scaleX; }
    double scaleY() const { return m_scaleY; }
    // Picture point to view pixel, rounded to whole pixels as the view maps.
    QPointF mapToView(const QPointF &p) const;
    // Picture pixels to view pixels, unrounded; identity while rendering.
    QTransform viewTransform() const;
    // The picture's rectangle in view pixels (in picture pixels while rendering).
    QRectF pictureViewRect() const;
    // The part of the view's viewport in sight (in a scroll area it is
    // less than all of it), where the overlays go; empty while rendering.
    QRect visibleViewRect() const;
    // What shapes are painted for: the view's viewport, none while rendering.
    QWidget *shapesWidget() const;
    bool isRenderMode() const { return m_renderMode; }
    // True while the scene itself paints its shapes (with the foreground);
    // a shape asked to paint by anything else paints nothing.
    bool isPaintingShapes() const { return m_layers.isPaintingShapes(); }
    void resetImage();
    // The picture at its own size with overlays; with the shapes unless told not.
    QImage grabImage(bool withShapes = true);
    void allocateRenderBuffers() { m_renderBuffers.allocate(m_picture.size()); }
    // The filled buffer, still taken (the consumer releases it); null when
    // every buffer is busy or there is no picture.
    CameraBuffer *renderToBuffer();
    CameraBuffer *renderBuffer(int index) { return m_renderBuffers.at(index); }

    // Overlays.
    void setCrossVisible(bool visible)
    {
        m_overlays.crossVisible = visible;
        update();
    }
    bool isCrossVisible() const { return m_overlays.crossVisible; }
    void setTimeStampVisible(bool visible)
    {
        m_overlays.timeStampVisible = visible;
        invalidateLayers();
    }
    bool isTimeStampVisible() const { return m_overlays.timeStampVisible; }
    // A scale bar of the calibration in a corner (ScaleBarCorner); nothing
    // is drawn while the calibration has no real unit.
    void setScaleBarVisible(bool visible)
    {
        m_overlays.scaleBarVisible = visible;
        invalidateLayers();
    }
    bool isScaleBarVisible() const { return m_overlays.scaleBarVisible; }
    void setScaleBarCorner(int corner)
    {
        m_overlays.scaleBarCorner = qBound(0, corner, 3);
        invalidateLayers();
    }
    int scaleBarCorner() const { return m_overlays.scaleBarCorner; }
    // A reticle in real units (ReticleKind), in the line colour of the style.
    void setReticle(int kind)
    {
        m_overlays.reticleKind = qBound(0, kind, 3);
        update();
    }
    int reticle() const { return m_overlays.reticleKind; }
    void setNoDeviceNotice(bool visible)
    {
        m_overlays.noDeviceNotice = visible;
        invalidateLayers();
    }
    bool isNoDeviceNotice() const { return m_overlays.noDeviceNotice; }
    void setRecordingClock(bool visible)
    {
        m_overlays.setRecordingClock(visible);
        invalidateLayers();
    }
    bool isRecordingClock() const { return m_overlays.isRecordingClock(); }
    // Another overlay that takes a corner (a reticle's legend); it steps
    // aside for those already there, and labels keep clear of it.
    int addCornerOverlay(const SceneOverlays::CornerOverlay &overlay);
    void removeCornerOverlay(int id);
    // Where the overlays go now, in view pixels (picture pixels while rendering).
    SceneOverlays::Boxes overlayBoxes() const { return m_overlays.layout(overlayFrame()); }

    // Where a shape's label block goes, in view pixels (picture pixels while
    // rendering): below its anchor where that is free, else at the nearest
    // place clear of the overlays and of the labels of the shapes drawn
    // before it, always inside the picture; with a leader line back to the
    // anchor when it had to move far. Each label font is `font` at the
    // shape's own size.
    struct LabelPlace
    {
        QRectF block;
        QRectF natural; // where it would hang with nothing in the way
        QPointF anchor; // the anchor in the same pixels
        bool leader = false;
    };
    LabelPlace labelPlace(const GraphicsItem *shape, const QFont &font) const;

    // Tools and measuring.
    void setSettings(AppSettings *settings);
    AppSettings *settings() const { return m_settings; }
    void setTool(int type);
    int tool() const { return m_tool; }
    void setMeasureEnabled(bool enabled);
    bool isMeasureEnabled() const { return m_measureEnabled; }
    void setCalibration(const QString &name, double factor, int unit);
    void setCalibration(const BDInfo &info) { setCalibration(info.name, info.factor, info.unit); }
    BDInfo calibration() const { return m_calibration; }
    void setTextPrompt(TextPrompt prompt) { m_textPrompt = std::move(prompt); }

    // Edge snapping (AppSettings::Extras::snapToEdges): the points of lines,
    // broken lines, perpendiculars, parallels, circles and arcs go onto the
    // clearest edge within SnapRadius view pixels; Shift places them as
    // pressed. The point where a press or drag at `p` puts one.
    static constexpr double SnapRadius = 8.0;
    bool isSnapping() const;
    QPointF snapped(const QPointF &p, Qt::KeyboardModifiers modifiers) const;
    // The FitCircle tool's work: a Circle1 fitted to the outline around p,
    // added as one step of the history; null when no outline is found.
    GraphicsItem *fitCircleAt(const QPointF &p);
    // The same on a worker thread, as a click asks for it: a large object
    // takes longer than a frame. The circle is added when the fit ends,
    // unless the picture's size changed or the shapes were cleared meanwhile.
    void fitCircleLater(const QPointF &p);
    bool isFittingCircle() const { return m_circleFits > 0; }
    // A particle analysis' objects replace the previous analysis' ones, as
    // one step of the history.
    void setParticles(const QVector<imaging::Particle> &particles);
    // A picture-sized overlay (the threshold while it is adjusted), drawn
    // over the picture but never into saved pictures; null for none.
    void setAnalysisOverlay(const QImage &overlay);
    const QImage &analysisOverlay() const { return m_analysisOverlay; }

    void showRuler(bool show);
    GraphicsMeasureItem *ruler() const { return m_ruler; }
    void removeRuler();

    // History.
    void undo();
    void redo();
    void clearAll();
    void clearHistory();
    void saveHistory();
    int historySize() const { return m_history.size(); }
    int historyIndex() const { return m_history.index(); }
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }

    void addShape(GraphicsItem *shape);
    void removeShape(GraphicsItem *shape);
    void clearShapes();
    bool isEmpty() const { return m_shapes.isEmpty(); }
    // The finished shapes in drawing order. An undo or redo rebuilds the
    // objects (shapesChanged tells); the order, and so an index, is kept.
    // Each shape gives its values (GraphicsItem::values), realValue and
    // realUnit turn them into the calibration's units.
    const QList<GraphicsItem *> &shapes() const { return m_shapes; }
    int shapeIndex(const GraphicsItem *shape) const { return m_shapes.indexOf(const_cast<GraphicsItem *>(shape)); }
    // Highlights one shape (null: none) as the pointer does, e.g. for the
    // row picked in a results table.
    void selectShape(GraphicsItem *shape);
    GraphicsItem *selectedShape() const { return m_selectedShape; }
    // Erases a shape as the eraser does, as one step of the undo history.
    void eraseShape(GraphicsItem *shape);
    // Called by shapes when they change; `values` when what they measure may
    // have changed.
    void shapeChanged(GraphicsItem *shape, bool values);
    // Called when only a shape's look changed (hover, selection): drawn
    // again where it is, the other shapes as they were.
    void shapeLookChanged(GraphicsItem *shape);
    GraphicsItem *shapeAt(const QPointF &p) const;
    GraphicsItem *activeShape() const { return m_activeShape; }
    GraphicsItem *hoveredShape() const { return m_hoveredShape; }
    GraphicsItem *shapeUnderConstruction() const { return m_building; }

    QTimer *pointerTimer() { return &m_pointerTimer; }
    QGraphicsView *firstView() const;

signals:
    void coorInfo(QPoint p, QColor c);
    // The picture now has another size (a new resolution or photo).
    void pictureSizeChanged(const QSize &size);
    // A new picture (a live frame) is shown.
    void pictureShown();
    void zoomImage(QImage image);
    // The list of shapes, a shape's points or the calibration changed: any
    // value or its real-unit reading may differ.
    void shapesChanged();
    void selectedShapeChanged(GraphicsItem *shape);

public slots:
    void onZoomTimeOut();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void wheelEvent(QGraphicsSceneWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;
    void drawItems(QPainter *painter, int numItems, QGraphicsItem *items[], const QStyleOptionGraphicsItem options[],
                   QWidget *widget = nullptr) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    void cancelConstruction();
    void endEdit();
    // The shape under construction, once complete, joins the shapes.
    void commitIfFinished();
    void forgetAllItems();
    void invalidateLayers();
    void setActiveShape(GraphicsItem *shape);
    void setHoveredShape(GraphicsItem *shape);
    void restoreState(const ShapeState &state);
    ShapeState currentState() const;
    void updateReadout(const QPointF &scenePos);
    void updateCursor(const QPointF &scenePos);
    void setViewCursor(Qt::CursorShape shape);
    QSize referenceSize() const;
    SceneOverlays::Frame overlayFrame() const;
    void renderInto(QImage *target);
    bool askText(QString *text);
    struct FitWindow;
    FitWindow fitWindow(const QPointF &p) const;
    GraphicsItem *addFittedCircle(const QPointF &centre, double radius, double residual);

    bool m_renderMode = false;
    QTimer m_pointerTimer;
    QList<GraphicsItem *> m_shapes;
    GraphicsItem *m_activeShape = nullptr;
    GraphicsItem *m_hoveredShape = nullptr;
    GraphicsItem *m_selectedShape = nullptr;
    ShapeRecord m_pressSnapshot;
    GraphicsItem *m_building = nullptr;
    GraphicsMeasureItem *m_ruler = nullptr;
    ShapeHistory m_history{HistoryLimit};
    int m_tool = Select;
    QImage m_picture;
    QImage m_analysisOverlay;
    BDInfo m_calibration{QString(), 1.0, 4};
    bool m_measureEnabled = false;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
    AppSettings *m_settings = nullptr;
    RenderBuffers m_renderBuffers;
    TextPrompt m_textPrompt;
    SceneOverlays m_overlays;
    SceneOverlays::Boxes m_drawnBoxes[2]; // as the shape layers were last drawn against, view and render
    struct LabelCache
    {
        bool valid = false;
        QString font;
        QTransform transform;
        QRectF picture;
        QVector<QRectF> obstacles;
        QHash<const GraphicsItem *, LabelPlace> places;
        QVector<QRectF> taken; // overlays and every finished shape's label
    };
    mutable LabelCache m_labelCache[2];
    const LabelCache &labelCache(const QFont &font) const;
    ShapeLayers m_layers{*this};
    QThreadPool m_fitPool; // one thread: fits end in the order clicked
    int m_circleFits = 0;  // on the pool
    int m_shapesEpoch = 0; // counts the times every shape went
};
