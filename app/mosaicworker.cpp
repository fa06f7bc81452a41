#include "app/mosaicworker.h"

#include "app/mosaicbuilder.h"
#include "core/diskerror.h"
#include "core/imagesafety.h"
#include "core/photofile.h"

#include <QFileInfo>

MosaicWorker::MosaicWorker(MosaicBuilder *gui, std::shared_ptr<std::atomic<bool>> idle,
                           std::shared_ptr<std::atomic<bool>> cancel)
    : m_gui(gui)
    , m_idle(std::move(idle))
    , m_cancel(std::move(cancel))
{}

template <typename F> void MosaicWorker::post(F f)
{
    MosaicBuilder *g = m_gui;
    QMetaObject::invokeMethod(
        g, [g, f] { f(g); }, Qt::QueuedConnection);
}

void MosaicWorker::reset()
{
    m_live = std::make_unique<imaging::LiveMosaic>();
    m_last = QImage();
}

void MosaicWorker::frame(const QImage &frame)
{
    if (m_live) {
        m_last = frame;
        const imaging::LiveMosaic::Update u = m_live->add(frame);
        const int event = int(u.event);
        post([=](MosaicBuilder *g) { g->onTracked(event, u.view, u.fields, u.neededBytes); });
        if (u.event == imaging::LiveMosaic::Event::Added || u.event == imaging::LiveMosaic::Event::Refined) {
            const QImage &newest = m_live->fields().last();
            const QImage thumb = u.event == imaging::LiveMosaic::Event::Added
                                     ? newest.scaled(newest.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                     : QImage();
            QVector<QPointF> at;
            for (const cv::Point2d &p : m_live->positions())
                at.append(QPointF(p.x, p.y));
            const QSize size = m_live->fieldSize();
            post([=](MosaicBuilder *g) { g->onFieldAdded(thumb, at, size); });
        }
    }
    m_idle->store(true);
}

void MosaicWorker::finishLive(const QString &path, const BDInfo &calibration, const QImage &shown)
{
    if (!shown.isNull())
        m_last = shown;
    Outcome o;
    if (!m_live || m_live->fieldCount() < 2) {
        o.kind = Outcome::TooFew;
        report(o);
        return;
    }
    // The view where the stage stopped belongs in it too, unless a field
    // already shows it to within a few pixels. It is the one shown at
    // the press, not the last one tracked: frames that came while the
    // worker was busy were not handed over.
    if (!m_last.isNull())
        m_live->add(m_last, 0.995);
    m_last = QImage();
    const imaging::Composed c = m_live->finish(progress(0, 100));
    m_live.reset();
    save(c.image, c.neededBytes, c.cancelled, path, calibration, &o);
    report(o);
}

void MosaicWorker::stitchFiles(const QStringList &files, const QString &path)
{
    Outcome o;
    QVector<QImage> fields;
    BDInfo calibration;
    bool haveScale = false;
    for (int i = 0; i < files.size(); ++i) {
        QImage image;
        if (!imagesafety::readImageSafely(files[i], &image)) {
            o.kind = Outcome::Unreadable;
            o.names << QFileInfo(files[i]).fileName();
            report(o);
            return;
        }
        if (!haveScale) {
            if (const auto scale = photofile::readPhotoScale(files[i]); scale && photofile::hasRealScale(*scale)) {
                calibration = *scale;
                haveScale = true;
            }
        }
        fields.append(image.convertToFormat(QImage::Format_RGB32));
        post([=](MosaicBuilder *g) { g->onProgress(int(10.0 * (i + 1) / files.size())); });
        if (m_cancel->load()) {
            o.kind = Outcome::Cancelled;
            report(o);
            return;
        }
    }
    const imaging::MosaicResult r = imaging::stitch(fields, {}, progress(10, 90), false);
    if (!r.unreadable.isEmpty()) {
        o.kind = Outcome::Unreadable;
        for (int i : r.unreadable)
            o.names << QFileInfo(files[i]).fileName();
        report(o);
        return;
    }
    for (int i : r.unplaced)
        o.names << QFileInfo(files[i]).fileName();
    const QStringList unplaced = o.names;
    save(r.image, r.neededBytes, r.cancelled, path, calibration, &o);
    if (o.kind == Outcome::Saved && !unplaced.isEmpty()) {
        // Saved without the fields that could not be placed: said so.
        o.kind = Outcome::Unplaced;
        o.names = unplaced;
    }
    report(o);
}

imaging::MosaicProgress MosaicWorker::progress(int from, int span)
{
    auto last = std::make_shared<std::atomic<int>>(-1);
    return [this, from, span, last](double share) {
        const int percent = from + int(share * span);
        if (last->exchange(percent) != percent)
            post([percent](MosaicBuilder *g) { g->onProgress(percent); });
        return !m_cancel->load();
    };
}

void MosaicWorker::save(const QImage &image, qint64 needed, bool cancelled, const QString &path, BDInfo calibration,
                        Outcome *o)
{
    if (cancelled || m_cancel->load()) {
        o->kind = Outcome::Cancelled;
        return;
    }
    if (needed > 0) {
        o->kind = Outcome::TooLarge;
        o->bytes = needed;
        return;
    }
    if (image.isNull()) {
        o->kind = Outcome::TooFew;
        return;
    }
    // The mosaic's pixels are the fields' pixels: the same length each.
    calibration.pictureSize = image.size();
    QString error;
    if (!photofile::writePhoto(path, image, calibration, &error)) {
        o->kind = Outcome::WriteFailed;
        o->error = diskerror::diagnose(path, image.sizeInBytes());
        if (o->error.isEmpty())
            o->error = error;
        return;
    }
    o->kind = Outcome::Saved;
    o->path = path;
    o->preview = image.scaled(image.size().boundedTo(QSize(1024, 1024)), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void MosaicWorker::report(const Outcome &o)
{
    const Outcome c = o;
    post([c](MosaicBuilder *g) { g->onOutcome(int(c.kind), c.path, c.names, c.bytes, c.error, c.preview); });
}
