#pragma once

#include <QStringList>
#include <QtGlobal>

// The variables of one quiz, owned by the main window for its whole life.
// Times are whole seconds on the quiz clock (see Clock).
struct QuizState
{
    qint16 intTotalQuestions = 0;
    qint16 intQuestionNo = 0;
    qint16 intWrongAnswers = 0;
    qint64 dtStartTime = 0;
    qint64 dtEndTime = 0;
    qint16 intFirstNumber = 0;
    qint16 intSecondNumber = 0;
    qint16 intAnswer = 0;
    qint16 intWrong1 = 0;
    qint16 intWrong2 = 0;
    qint16 intWrong3 = 0;
    bool blnStarted = false;
    // The questions not yet asked, each "first*second" (for example "7*3").
    QStringList colQuestions;
};
