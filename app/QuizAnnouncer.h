#pragma once

#include "QuizSession.h"

#include <QString>

class QWidget;
struct QuizState;

namespace Ui {
class frmMultiiplication;
}

// What a screen reader says about the main window. Every control gets a
// name that tells its meaning and value; the question reads as one phrase
// ("7 times 3"); and each answer, and the end of the quiz, is announced
// through the descriptions of the buttons that can hold the focus, since a
// screen reader speaks a change of the focused control's description.
class QuizAnnouncer
{
public:
    QuizAnnouncer(const Ui::frmMultiiplication &controls, const QuizState &quiz);

    void questionShown();
    void countersShown(qint64 elapsedSeconds);
    void answered(AnswerOutcome outcome);
    void finished(qint64 seconds);

private:
    void nameControls();
    void describeAnswerButtons();

    const Ui::frmMultiiplication &m_ui;
    const QuizState &m_quiz;
    QString m_question;
    QString m_status;
};
