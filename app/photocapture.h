#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>

struct AppSettings;
struct BDInfo;
class CameraScene;
class CameraSession;
class FileBrowser;
class SettingsStore;
class QAbstractScrollArea;
class QComboBox;
class QWidget;

// Taking a photo: the picture the window shows, in the frame's own pixels,
// written with its pixel size and listed in the photo browser.
//
// With shapes on the single view the photo has them burnt in, for sharing;
// the pixels under them and the shapes themselves go beside it, so that the
// measure editor opens them editable over the original.
class PhotoCapture : public QObject
{
    Q_OBJECT
public:
    // What a photo is taken from and listed in.
    struct Widgets
    {
        QWidget *window = nullptr;
        QComboBox *zoom = nullptr;
        QWidget *view = nullptr; // the large view, sized to the picture at the zoom
        QAbstractScrollArea *scrollArea = nullptr;
        FileBrowser *photos = nullptr;
    };

    PhotoCapture(const Widgets &widgets, CameraSession *session, CameraScene *scene, SettingsStore *store,
                 AppSettings *settings);

    // The calibration for a photo of that size (the toolbox's choice, scaled
    // to it): another camera's frame need not have the scene's size.
    void setCalibrationSource(std::function<BDInfo(const QSize &)> source) { m_calibrationFor = std::move(source); }

    // The picture as a photo: the whole frame at zoom 1 or below, the part
    // scrolled into sight above 1, always in the frame's own pixels. With
    // shapes false, the single view's picture without them.
    QImage captureImage(bool shapes = true);
    static QRect visiblePicturePart(const QSize &picture, const QSize &view, const QRect &seen);

    // One photo through the usual checks: true when written, else false
    // with the reason (empty when nothing was attempted, as in a freeze).
    bool take(QString *why);
    // The photo button: a photo that was not written is said once.
    void takeFromButton();
    bool deviceStarted();

private:
    // What the view shows: the single view's picture (or the part in sight),
    // or the current camera's tile.
    QImage viewImage(bool shapes);
    bool write(const QImage &image, const QString &path, bool wholeFrame = false);
    bool writeAnnotated(const QString &path, QString *why);
    void list(const QString &path);
    QRect seenPart(const QSize &picture) const;

    Widgets m_w;
    CameraSession *m_session;
    CameraScene *m_scene;
    SettingsStore *m_store;
    AppSettings *m_settings;
    std::function<BDInfo(const QSize &)> m_calibrationFor;
    bool m_warned = false;
};
