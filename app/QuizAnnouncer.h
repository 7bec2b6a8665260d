#pragma once

#include "QuizSession.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>

class QWidget;

namespace Ui {
class frmMultiiplication;
}

// What a screen reader says about the main window. Every control gets a
// name that tells its meaning and value; the question reads as one phrase
// ("7 times 3"); each answer, the end of the quiz, the table chosen with the
// keys and, on key 0, the counters are announced as they happen. All the
// texts spoken are made here.
class QuizAnnouncer
{
    Q_DECLARE_TR_FUNCTIONS(QuizAnnouncer)

public:
    explicit QuizAnnouncer(const Ui::frmMultiiplication &controls);

    void questionShown(const QuestionCaptions &question, const QuizSession::Counters &counters);
    void countersShown(const QuizSession::Counters &counters);
    void countersAsked(const QuizSession::Counters &counters);
    void answered(AnswerOutcome outcome);
    void finished(qint64 seconds);

private:
    void nameControls();
    void makeNotice();
    void connectFocus();
    void describe(QWidget *control);
    void announce(const QString &text);

    const Ui::frmMultiiplication &m_ui;
    QWidget *m_notice = nullptr; // owned by the window
    QString m_question;
    bool m_focusArriving = false; // until the events of a focus change are done
    // Ends the connections to this announcer with it: the window outlives
    // it, and its focus still moves while it closes.
    QObject m_connections;
};
