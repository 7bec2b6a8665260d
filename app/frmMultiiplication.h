#pragma once

#include "QuestionDrawer.h"
#include "QuizState.h"
#include "RandomNumbers.h"

#include <QTimer>
#include <QWidget>

#include <memory>

class Clock;
class QButtonGroup;
class QComboBox;
class QPushButton;

namespace Ui {
class frmMultiiplication;
}

// The main window: the start panel with the table list, the question panel,
// and the row of buttons below them.
class frmMultiiplication : public QWidget
{
    Q_OBJECT

public:
    // The clock and the random numbers are the window's links to the world;
    // tests pass their own.
    explicit frmMultiiplication(std::shared_ptr<const Clock> clock, RandomNumbers random,
                                QWidget *parent = nullptr);
    ~frmMultiiplication() override;

    qint16 GenerateRandomNumber(qint16 intMin, qint16 intMax);

    const QuizState &quizState() const { return m_quiz; }
    QComboBox *tableList() const;
    QPushButton *answerButton(int index) const;

public Q_SLOTS:
    void cmdStartStop_Click();
    void cmdAnswer_Click(int Index);
    void Timer1_Timer();
    void cmdExit_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void BuildQuestionList();
    void ShowNextQuestion();

    void startQuiz();
    void stopQuiz();
    void showStartPanel();
    void showQuestionPanel();
    void applyFonts();
    void connectControls();

    std::unique_ptr<Ui::frmMultiiplication> ui;
    QButtonGroup *cmdAnswer;
    QTimer Timer1{this};
    std::shared_ptr<const Clock> m_clock;
    RandomNumbers m_random;
    QuestionDrawer m_drawer;
    QuizState m_quiz;
    bool m_centred = false;
};
