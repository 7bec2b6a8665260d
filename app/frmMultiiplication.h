#pragma once

#include "FeedbackPicture.h"
#include "HighScoreBook.h"
#include "HighScoreCheck.h"
#include "QuizSession.h"
#include "WindowServices.h"

#include <QTimer>
#include <QWidget>

#include <memory>

class QButtonGroup;
class QComboBox;
class QPushButton;
class QuizAnnouncer;
class SoundOutput;

namespace Ui {
class frmMultiiplication;
}

// The main window: the start panel with the table list, the question panel,
// and the row of buttons below them.
class frmMultiiplication : public QWidget
{
    Q_OBJECT

public:
    explicit frmMultiiplication(WindowServices services = {}, QWidget *parent = nullptr);
    ~frmMultiiplication() override;

    qint16 GenerateRandomNumber(qint16 intMin, qint16 intMax);
    void CheckHighScore();
    void DisplayHighScore();
    void PlaySound(const QString &strWavPath, bool blnWaitUntilFinish);
    void showFeedbackPicture(FeedbackPicture picture);

    const QuizState &quizState() const { return m_session.state(); }
    QComboBox *tableList() const;
    QPushButton *answerButton(int index) const;

public Q_SLOTS:
    void cmdStartStop_Click();
    void cmdAnswer_Click(int Index);
    void Timer1_Timer();
    void cmdExit_Click();
    void cmdAbout_Click();
    void cmdHighScores_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void BuildQuestionList();
    void ShowNextQuestion();

    void finishQuiz();
    void startQuiz();
    void stopQuiz();
    void showReport(const HighScoreReport &report);
    void showStartPanel();
    void showQuestionPanel();
    void applyFonts();
    void connectControls();

    std::unique_ptr<Ui::frmMultiiplication> ui;
    QButtonGroup *cmdAnswer;
    QTimer Timer1{this};
    WindowServices m_services;
    QuizSession m_session;
    HighScoreBook m_book;
    std::unique_ptr<SoundOutput> m_sound;
    bool m_centred = false;
    std::unique_ptr<QuizAnnouncer> m_announcer;
};
