#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// How the program tells the user something and asks yes/no questions. The
// running program shows message boxes; tests install a recording notifier
// and answer the questions directly instead of hunting for boxes.
class Notifier
{
public:
    enum class Answer { Yes, YesToAll, No, Cancel };

    virtual ~Notifier() = default;

    // An information box: empty title, one OK button.
    virtual void inform(QWidget *parent, const QString &text) = 0;
    // A yes/no question; No is the default button unless defaultYes.
    virtual bool ask(QWidget *parent, const QString &text, bool defaultYes = false) = 0;
    // One question of a series (for example one overwrite per file):
    // Yes, Yes to all, No or Cancel. Cancel is also the answer to Esc.
    virtual Answer askSeries(QWidget *parent, const QString &text) = 0;
    // Unsaved work: Yes saves, No discards, Cancel (also Esc) stays.
    virtual Answer askSave(QWidget *parent, const QString &text)
    {
        const Answer a = askSeries(parent, text);
        return a == Answer::YesToAll ? Answer::Yes : a;
    }
};

// The process's notifier: message boxes unless one was installed.
Notifier &notifier();
// Installs n (not owned) until it is replaced; nullptr restores the boxes.
void setNotifier(Notifier *n);

// Message boxes with buttons in the current language.
class MessageBoxNotifier : public Notifier
{
public:
    void inform(QWidget *parent, const QString &text) override;
    bool ask(QWidget *parent, const QString &text, bool defaultYes = false) override;
    Answer askSeries(QWidget *parent, const QString &text) override;
    Answer askSave(QWidget *parent, const QString &text) override;
};

// For tests: records every text and gives the queued answers in order
// (No / Cancel when the queue is empty).
class RecordingNotifier : public Notifier
{
public:
    RecordingNotifier() { setNotifier(this); }
    ~RecordingNotifier() override { setNotifier(nullptr); }

    void inform(QWidget *, const QString &text) override { informed.append(text); }
    bool ask(QWidget *, const QString &text, bool) override
    {
        asked.append(text);
        return !answers.isEmpty() && answers.takeFirst() == Answer::Yes;
    }
    Answer askSeries(QWidget *, const QString &text) override
    {
        asked.append(text);
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    Answer askSave(QWidget *, const QString &text) override
    {
        asked.append(text);
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }

    QStringList informed;
    QStringList asked;
    QList<Answer> answers;
};
