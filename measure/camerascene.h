#pragma once

#include "core/bdinfo.h"
#include "measure/shapetype.h"
#include "core/camerabuffer.h"

#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QImage>
#include <QList>
#include <QTimer>

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
    QPointF mapToView(const QPointF &p) const;
    bool isRenderMode() const { return m_renderMode; }
    // True while the scene itself paints its shapes (views must paint
    // indirectly so that they go through drawItems).
    bool isPaintingShapes() const { return m_paintingShapes; }
    void resetImage();
    QImage grabImage();
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
    void setNoDeviceNotice(bool visible);
    bool isNoDeviceNotice() const { return m_noDeviceNotice; }
    void setRecordingClock(bool visible);
    bool isRecordingClock() const { return m_recordingClockVisible; }

    // Tools and measuring.
    void setSettings(AppSettings *settings) { m_settings = settings; }
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
    const QList<GraphicsItem *> &shapes() const { return m_shapes; }
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
    void eraseShape(GraphicsItem *shape);
    void forgetAllItems();
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
    void fingerprint(const QPainter *painter, const QSize &size, QVector<double> *key) const;

    // The finished shapes rasterised once and reused for every frame until
    // anything they are drawn from changes; one for the view, one for
    // pictures rendered at picture size.
    struct ShapeLayer
    {
        QImage image;
        QVector<double> key;
        QRect content; // the part that is not transparent, in image pixels
    };

    bool m_renderMode = false;
    mutable bool m_paintingShapes = false;
    bool m_crossVisible = false;
    bool m_timeStampVisible = false;
    QTimer m_pointerTimer;
    QList<GraphicsItem *> m_shapes;
    GraphicsItem *m_activeShape = nullptr;
    GraphicsItem *m_hoveredShape = nullptr;
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
    QVector<double> m_keyScratch;
};
