#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

// One program per configuration folder: two copies would overwrite each
// other's settings and calibrations at quit. The first copy holds a lock
// file in the folder and listens on a local socket; a later copy finds the
// lock taken and asks the first to bring its window forward. A lock left
// by a copy that crashed (its process is gone) is taken over.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Result { Acquired, Running, Unavailable };

    explicit SingleInstance(const QString &configDir, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Acquired: this copy holds the configuration and listens for later
    // copies. Running: another live copy holds it. Unavailable: no lock can
    // be made there (a read-only folder); the caller goes on without one.
    Result acquire();
    // Asks the copy holding the lock to come forward; false when none answered.
    bool bringRunningForward(int timeoutMs = 2000) const;

    QString lockPath() const { return m_lockPath; }
    // The local socket's name for a configuration folder.
    static QString serverName(const QString &configDir);

    // A later copy asked before anyone listened (the window still building).
    bool wasActivationRequested() const { return m_requested; }

signals:
    // A later copy was started on the same configuration.
    void activationRequested();

private:
    QString m_dir;
    QString m_lockPath;
    QLockFile m_lock;
    QLocalServer *m_server = nullptr;
    bool m_requested = false;
};
