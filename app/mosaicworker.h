#pragma once

#include "core/bdinfo.h"
#include "imaging/livemosaic.h"

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <memory>

class MosaicBuilder;

// The mosaic's work, on a thread of its own: live frames tracked and kept as
// fields, the fields blended and the mosaic written. It tells the builder
// through queued calls; `idle` says when it can take the next frame.
class MosaicWorker : public QObject
{
public:
    // What became of a finished mosaic.
    struct Outcome
    {
        enum Kind { Saved, Cancelled, TooLarge, WriteFailed, Unplaced, TooFew, Unreadable } kind = Saved;
        QString path;
        QStringList names;
        qint64 bytes = 0;
        QString error;
        QImage preview;
        QVector<QPointF> positions;
    };

    MosaicWorker(MosaicBuilder *gui, std::shared_ptr<std::atomic<bool>> idle,
                 std::shared_ptr<std::atomic<bool>> cancel);

    void reset();
    void frame(const QImage &frame);
    // `shown`: the picture in the window when the button was pressed again.
    void finishLive(const QString &path, const BDInfo &calibration, const QImage &shown);
    // Saved fields, in any order.
    void stitchFiles(const QStringList &files, const QString &path);

private:
    template <typename F> void post(F f);
    imaging::MosaicProgress progress(int from, int span);
    void save(const QImage &image, qint64 needed, bool cancelled, const QString &path, BDInfo calibration, Outcome *o);
    void report(const Outcome &o);

    MosaicBuilder *m_gui;
    std::shared_ptr<std::atomic<bool>> m_idle;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    std::unique_ptr<imaging::LiveMosaic> m_live;
    QImage m_last; // the latest frame seen
};
