#pragma once

// Waits on state rather than on time.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

// Returns once `thread` has handled every event posted to it before the
// call; what it posted back meanwhile is then delivered here. A barrier for
// tests that check that some late answer never comes.
inline bool drainThread(QThread *thread)
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance(thread);
    if (!dispatcher || thread == QThread::currentThread())
        return false;
    // The dispatcher lives on the thread: a blocking call to it runs after
    // everything queued there before.
    if (!QMetaObject::invokeMethod(
            dispatcher, [] {}, Qt::BlockingQueuedConnection))
        return false;
    QCoreApplication::sendPostedEvents();
    return true;
}
