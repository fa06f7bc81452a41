#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into an orderly quit of the event loop, so
// that a logout or Ctrl+C closes cameras, finalises a recording and writes
// the settings like closing the window does. The handler only writes a byte.
class UnixSignalQuit : public QObject
{
    Q_OBJECT
public:
    explicit UnixSignalQuit(QObject *parent = nullptr);
    ~UnixSignalQuit() override;

    bool isActive() const { return m_notifier != nullptr; }

signals:
    void signalReceived(int sig);

private:
    void onReadable();

    QSocketNotifier *m_notifier = nullptr;
};
