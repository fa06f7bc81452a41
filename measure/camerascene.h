#pragma once

#include "core/bdinfo.h"
#include "measure/shapetype.h"
#include "core/camerabuffer.h"

#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QImage>
#include <QList>
#include <QTimer>
#include <QTransform>

#include <functional>

struct AppSettings;
class GraphicsItem;
class GraphicsMeasureItem;
class QGraphicsView;

// One picture (a live frame or a photo) with the measurement shapes drawn
// over it, their undo history, the overlays and the renderers that burn the
// shapes into saved pictures and recordings. Works with its first view.
class CameraScene : public QGraphicsScene
{
    Q_OBJECT

public:
    static constexpr int HistoryLimit = 20;
    static constexpr int RenderBufferCount = 5;

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
    bool isRenderMode() const { return m_renderMode; }
    // True while the scene itself paints its shapes (views must paint
    // indirectly so that they go through drawItems).
    bool isPaintingShapes() const { return m_paintingShapes; }
    void resetImage();
    // The picture at its own size with overlays; with the shapes unless told not.
    QImage grabImage(bool withShapes = true);
    void allocateRenderBuffers();
    // The filled buffer, still taken (the consumer releases it); null when
    // every buffer is busy or there is no picture.
    CameraBuffer *renderToBuffer();
    CameraBuffer *renderBuffer(int index) { return &m_renderBuffers[index]; }

    // Overlays.
    void setCrossVisible(bool visible);
    bool isCrossVisible() const { return m_crossVisible; }
    void setTimeStampVisible(bool visible);
    bool isTimeStampVisible() const { return m_timeStampVisible; }
    // A scale bar of the calibration in a corner (ScaleBarCorner); nothing
    // is drawn while the calibration has no real unit.
    void setScaleBarVisible(bool visible);
    bool isScaleBarVisible() const { return m_scaleBarVisible; }
    void setScaleBarCorner(int corner);
    int scaleBarCorner() const { return m_scaleBarCorner; }
    void setNoDeviceNotice(bool visible);
    bool isNoDeviceNotice() const { return m_noDeviceNotice; }
    void setRecordingClock(bool visible);
    bool isRecordingClock() const { return m_recordingClockVisible; }

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
    int historyIndex() const { return m_historyIndex; }
    bool canUndo() const { return m_historyIndex >= 0; }
    bool canRedo() const { return m_historyIndex < m_history.size() - 1; }

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
    void drawItems(QPainter *painter, int numItems, QGraphicsItem *items[],
                   const QStyleOptionGraphicsItem options[], QWidget *widget = nullptr) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    void cancelConstruction();
    void endEdit();
    void commitShape(GraphicsItem *shape);
    void forgetAllItems();
    void invalidateLayers();
    void setActiveShape(GraphicsItem *shape);
    void restoreState(const ShapeState &state);
    ShapeState currentState() const;
    void updateReadout(const QPointF &scenePos);
    void updateCursor(const QPointF &scenePos);
    void setViewCursor(Qt::CursorShape shape);
    QSize referenceSize() const;
    void renderInto(QImage *target);
    bool askText(QString *text);
    void paintShapes(QPainter *painter, QWidget *widget);
    void paintShape(QPainter *painter, GraphicsItem *shape, bool highlighted, QWidget *widget) const;
    int shapePenWidth() const;
    QRect layerArea(const QPaintDevice *device) const;

    // The finished shapes rasterised once and reused for every frame until
    // they change; one for the view (only its visible part, so that memory
    // stays bounded at any zoom), one for pictures rendered at picture size.
    // Changes to shapes, style, calibration, hover and selection mark it
    // dirty; the view's geometry is compared, as views do not announce it.
    struct ShapeLayer
    {
        QImage image;
        bool dirty = true;
        QRect area;            // what it covers, in device pixels
        QTransform transform;  // picture to view when drawn
        qreal ratio = 1.0;
        int polygonArea = 0;
        QVector<QRect> content; // runs of tiles that hold anything, image pixels
    };
    bool drawLayer(QPainter *painter, ShapeLayer &layer, const QRect &needed, const QRect &area, QWidget *widget);

    bool m_renderMode = false;
    mutable bool m_paintingShapes = false;
    bool m_crossVisible = false;
    bool m_timeStampVisible = false;
    bool m_scaleBarVisible = false;
    int m_scaleBarCorner = 3;
    QTimer m_pointerTimer;
    QList<GraphicsItem *> m_shapes;
    GraphicsItem *m_activeShape = nullptr;
    GraphicsItem *m_hoveredShape = nullptr;
    GraphicsItem *m_selectedShape = nullptr;
    ShapeRecord m_pressSnapshot;
    GraphicsItem *m_building = nullptr;
    GraphicsMeasureItem *m_ruler = nullptr;
    QVector<ShapeState> m_history;
    int m_historyIndex = -1;
    int m_tool = Select;
    QImage m_picture;
    BDInfo m_calibration{QString(), 1.0, 4};
    bool m_measureEnabled = false;
    QSize m_fitSize;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
    bool m_recordingClockVisible = false;
    bool m_noDeviceNotice = false;
    QElapsedTimer m_recordingClock;
    AppSettings *m_settings = nullptr;
    CameraBuffer m_renderBuffers[RenderBufferCount];
    TextPrompt m_textPrompt;
    ShapeLayer m_viewLayer;
    ShapeLayer m_renderLayer;
    QRect m_exposed; // the view pixels the current paint covers
};
