#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;

// Files dropped from outside (a file manager) onto a widget: the local files
// among the URLs that `wanted` keeps go to `dropped`. Drags that start in
// the program itself are left to the widget.
class FileDrop : public QObject
{
    Q_OBJECT
public:
    using Filter = std::function<bool(const QString &path)>;
    using Handler = std::function<void(const QStringList &paths)>;

    FileDrop(QWidget *target, Filter wanted, Handler dropped);

    // The local files of the URLs that wanted keeps.
    static QStringList wantedFiles(const QList<class QUrl> &urls, const Filter &wanted);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Filter m_wanted;
    Handler m_dropped;
};
