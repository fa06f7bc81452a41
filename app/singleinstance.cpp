#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

QString lockPathIn(const QString &dir) { return dir + QStringLiteral("/vistrel.lock"); }

const QByteArray kRaise = QByteArrayLiteral("raise\n");

} // namespace

SingleInstance::SingleInstance(const QString &configDir, QObject *parent)
    : QObject(parent)
    , m_dir(configDir)
    , m_lockPath(lockPathIn(configDir))
    , m_lock(lockPathIn(configDir))
{
    // Only a dead holder makes a lock stale, never its age: a copy may run for weeks.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
    m_lock.unlock();
}

QString SingleInstance::serverName(const QString &configDir)
{
    QString dir = QFileInfo(configDir).canonicalFilePath();
    if (dir.isEmpty())
        dir = QDir::cleanPath(QFileInfo(configDir).absoluteFilePath());
    const QByteArray hash = QCryptographicHash::hash(dir.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("vistrel-%1-%2").arg(QString::fromLatin1(qgetenv("USER")), QString::fromLatin1(hash));
}

SingleInstance::Result SingleInstance::acquire()
{
    QDir().mkpath(m_dir);
    // tryLock() removes the lock of a process that no longer runs by itself.
    if (!m_lock.tryLock(0)) {
        return m_lock.error() == QLockFile::LockFailedError ? Result::Running : Result::Unavailable;
    }
    m_server = new QLocalServer(this);
    const QString name = serverName(m_dir);
    // A socket left by a crashed copy: the lock says it is ours now.
    QLocalServer::removeServer(name);
    if (m_server->listen(name)) {
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *socket = m_server->nextPendingConnection()) {
                connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                    if (socket->readAll().contains(kRaise.trimmed())) {
                        m_requested = true;
                        emit activationRequested();
                    }
                    socket->disconnectFromServer();
                });
                connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    } else {
        qWarning("vistrel: cannot listen for later copies: %s", qPrintable(m_server->errorString()));
    }
    return Result::Acquired;
}

bool SingleInstance::bringRunningForward(int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(serverName(m_dir));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kRaise);
    const bool written = socket.waitForBytesWritten(timeoutMs);
    socket.waitForDisconnected(timeoutMs);
    return written;
}
