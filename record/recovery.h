#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Recordings that survive an abrupt end.
//
// While a file is being recorded, a marker "<file>.recording" lies beside
// it (it holds the recorder's process id). The recorder removes it once the
// trailer is written. A marker found at the next start means the file was
// never finished: a kill, a crash or a power cut. Its packets are then
// remuxed into a new file with a proper index (AVI: idx1; MP4/MOV: moov),
// which replaces the original only once it is completely written.

// The marker's name for a recording.
QString inProgressMarkerPath(const QString &recording);

// Creates the marker on construction; arm() once the file has a header.
// An armed marker stays when the object goes (the file needs repair);
// finish() removes it. An unarmed one is removed by the destructor.
class InProgressMarker
{
public:
    explicit InProgressMarker(const QString &recording);
    ~InProgressMarker();
    InProgressMarker(const InProgressMarker &) = delete;
    InProgressMarker &operator=(const InProgressMarker &) = delete;

    void arm() { m_armed = true; }
    void finish();

private:
    QString m_marker;
    bool m_armed = false;
};

struct RecoveredRecording
{
    QString file;
    double seconds = 0;    // what the repaired file holds
    bool repaired = false; // false: the original was kept as it was
    // Not repaired for now (no room for the repaired copy, a failed write):
    // the marker stays and the next start tries again.
    bool retry = false;
    qint64 bytesNeeded = 0;    // free space the repair needs, when room lacked
    qint64 bytesAvailable = 0; // what the disk had then
    bool cancelled = false;    // stopped by the user: kept as it was, marker and all
};

// Told the share done (0..1) now and then; returns false to stop.
using RecoveryProgress = std::function<bool(double done)>;

// Repairs one unfinished recording in place (see above). The original is
// kept untouched when the repair fails. The marker goes once the file is
// repaired, or when nothing in it can be read; a repair that lacked room
// or could not write keeps it, to be tried again.
RecoveredRecording recoverRecording(const QString &file, const RecoveryProgress &progress = {});

// The recording was cut short and no running recorder (of this or another
// copy of the program) is writing it: a repair may start.
bool awaitsRepair(const QString &file);

// What the user is told about one recovered recording, in the current language.
QString recoveryMessage(const RecoveredRecording &recording);

// Finds every marker under videoRoot (sub-folders four levels deep) and
// repairs its recording. Markers of a recorder that is still running
// (another instance of the program) are left alone; markers without a
// recording are removed. Returns one entry per recording found.
QList<RecoveredRecording> recoverUnfinishedRecordings(const QString &videoRoot);
// The finding part of it alone (quick: folders listed, nothing read), for a
// caller that repairs them elsewhere (recoverRecording on a worker thread).
QStringList findUnfinishedRecordings(const QString &videoRoot);
