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
    // Needs the application object: the signals' bytes are read by its loop.
    explicit UnixSignalQuit(QObject *parent = nullptr);
    ~UnixSignalQuit() override;

    bool isActive() const { return m_notifier != nullptr; }

    // A quit signal arrived at some time, even before the event loop ran.
    // quit() outside exec() is lost, so main() asks this before exec().
    static bool quitRequested();
    // Catches the signals from the first line of main(), before any Qt
    // object exists; the constructor later reads what they wrote.
    static bool catchEarly();

signals:
    void signalReceived(int sig);

private:
    void onReadable();

    QSocketNotifier *m_notifier = nullptr;
};
