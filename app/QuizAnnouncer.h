#pragma once

#include "QuizSession.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>

class QWidget;
struct QuizState;

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
    QuizAnnouncer(const Ui::frmMultiiplication &controls, const QuizState &quiz);

    void questionShown();
    void countersShown(qint64 elapsedSeconds);
    void countersAsked();
    void answered(AnswerOutcome outcome);
    void finished(qint64 seconds);

private:
    void nameControls();
    void makeNotice();
    void connectFocus();
    void describe(QWidget *control);
    void announce(const QString &text);
    QStringList counterTexts() const;

    const Ui::frmMultiiplication &m_ui;
    const QuizState &m_quiz;
    QWidget *m_notice = nullptr; // owned by the window
    QString m_question;
    qint64 m_elapsedSeconds = 0;
    bool m_focusArriving = false; // until the events of a focus change are done
    // Ends the connections to this announcer with it: the window outlives
    // it, and its focus still moves while it closes.
    QObject m_connections;
};
