#include "frmMultiiplication.h"
#include "ui_frmMultiiplication.h"

#include "AnswerJudge.h"
#include "Fonts.h"
#include "HighScoreBook.h"
#include "HighScoreDialogs.h"
#include "NumberText.h"
#include "ProgramIcon.h"
#include "QuestionList.h"
#include "QuizAnnouncer.h"
#include "SoundModule.h"
#include "frmAbout.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>

namespace {

constexpr int TimerIntervalMs = 250;
constexpr qint16 SingleTableQuestions = 20;
constexpr qint16 FullTableQuestions = 50;
constexpr int NoTableIndex = 0;
constexpr qreal WindowFontPoints = 8.25;
constexpr qreal FactorFontPoints = 36;
constexpr qreal AnswerFontPoints = 18;

const QStringList TableListEntries{
    QStringLiteral("(select table)"), QStringLiteral("1"), QStringLiteral("2"),
    QStringLiteral("3"),              QStringLiteral("4"), QStringLiteral("5"),
    QStringLiteral("6"),              QStringLiteral("7"), QStringLiteral("8"),
    QStringLiteral("9"),              QStringLiteral("1 to 9")};

} // namespace

frmMultiiplication::frmMultiiplication(WindowServices services, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmMultiiplication>())
    , cmdAnswer(new QButtonGroup(this))
    , m_services(std::move(services))
    , m_drawer(m_services.random)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    setWindowIcon(programIcon());

    cmdAnswer->addButton(ui->cmdAnswer_1, 1);
    cmdAnswer->addButton(ui->cmdAnswer_2, 2);
    cmdAnswer->addButton(ui->cmdAnswer_3, 3);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(TimerIntervalMs);

    QPalette printed = ui->Text1->palette();
    printed.setColor(QPalette::Base, printed.color(QPalette::Button));
    ui->Text1->setPalette(printed);

    applyFonts();
    m_announcer = std::make_unique<QuizAnnouncer>(*ui, m_quiz);
    connectControls();
    Form_Load();
}

frmMultiiplication::~frmMultiiplication()
{
    // Stopping a sound may run the event loop; no tick may reach a window
    // that is half torn down.
    Timer1.stop();
    m_sound.reset();
}

void frmMultiiplication::applyFonts()
{
    setFont(Fonts::interfaceFont(WindowFontPoints));
    const QFont bold = Fonts::interfaceFont(WindowFontPoints, true);
    const std::initializer_list<QWidget *> boldControls{
        ui->Text1, ui->lblTimeTaken, ui->lblNoOfQuestion, ui->lblWrongAnswers, ui->Label5};
    for (QWidget *w : boldControls)
        w->setFont(bold);
    ui->cmbNumber->setFont(Fonts::numberFont(WindowFontPoints));
    for (QWidget *w : {ui->lblFirstNumber, ui->lblSecondNumber, ui->lblSign})
        w->setFont(Fonts::numberFont(FactorFontPoints));
    for (QAbstractButton *b : cmdAnswer->buttons())
        b->setFont(Fonts::numberFont(AnswerFontPoints, true));
}

void frmMultiiplication::connectControls()
{
    connect(ui->cmdStartStop, &QPushButton::clicked, this, &frmMultiiplication::cmdStartStop_Click);
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmMultiiplication::cmdExit_Click);
    connect(ui->cmdAbout, &QPushButton::clicked, this, &frmMultiiplication::cmdAbout_Click);
    connect(ui->cmdHighScores, &QPushButton::clicked, this, &frmMultiiplication::cmdHighScores_Click);
    connect(cmdAnswer, &QButtonGroup::idClicked, this, &frmMultiiplication::cmdAnswer_Click);
    connect(&Timer1, &QTimer::timeout, this, &frmMultiiplication::Timer1_Timer);
}

// Keys 1 to 3, on the top row or the keypad, answer with the buttons in
// order, and key 0 has the counters told, while a quiz is in front and the
// window active (no dialog open). Plain key presses, not shortcuts: a
// screen reader sees only those, and stops speaking for them at once.
void frmMultiiplication::keyPressEvent(QKeyEvent *event)
{
    const int digit = event->key() - Qt::Key_0;
    if (digit < 0 || digit > 3 || (event->modifiers() & ~Qt::KeypadModifier)
        || ui->stkPanels->currentWidget() != ui->fraQuestion || !isActiveWindow())
        return QWidget::keyPressEvent(event);
    if (digit == 0)
        m_announcer->countersAsked();
    else
        cmdAnswer->button(digit)->click();
}

QComboBox *frmMultiiplication::tableList() const
{
    return ui->cmbNumber;
}

QPushButton *frmMultiiplication::answerButton(int index) const
{
    return qobject_cast<QPushButton *>(cmdAnswer->button(index));
}

void frmMultiiplication::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        m_centred = true;
        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(event);
    // Styles draw the focus frame only once the keyboard has moved the focus,
    // which keys 1 to 3 never do; showing a window forgets that it has.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void frmMultiiplication::Form_Load()
{
    showStartPanel();
    ui->cmbNumber->clear();
    ui->cmbNumber->addItems(TableListEntries);
    ui->cmbNumber->setCurrentIndex(NoTableIndex);
}

void frmMultiiplication::cmdStartStop_Click()
{
    if (m_quiz.blnStarted)
        stopQuiz();
    else
        startQuiz();
}

void frmMultiiplication::startQuiz()
{
    if (ui->cmbNumber->currentIndex() == NoTableIndex) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Tabulon"),
                        QStringLiteral("Select a table from the above list and click start"),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    m_quiz.dtStartTime = m_services.clock->currentSecond();
    m_quiz.intTotalQuestions = ui->cmbNumber->currentIndex() > 9 ? FullTableQuestions
                                                                 : SingleTableQuestions;
    m_quiz.intWrongAnswers = 0;
    m_quiz.intQuestionNo = 0;
    Timer1.start();
    BuildQuestionList();
    ShowNextQuestion();
    showQuestionPanel();
    m_quiz.blnStarted = true;
    ui->cmdStartStop->setText(QStringLiteral("&Stop"));
}

void frmMultiiplication::stopQuiz()
{
    ui->cmdStartStop->setText(QStringLiteral("&Start"));
    showStartPanel();
    Timer1.stop();
    ui->lblTimeTaken->setText(QStringLiteral("0"));
    m_quiz.blnStarted = false;
}

// The covered panel is hidden, so neither mouse nor keyboard reaches it; the
// focus moves to the panel in front (or the Start button) with every switch.
void frmMultiiplication::showStartPanel()
{
    const bool focusWasOnQuestion = ui->fraQuestion->isAncestorOf(focusWidget());
    ui->stkPanels->setCurrentWidget(ui->fraStart);
    if (focusWasOnQuestion)
        ui->cmdStartStop->setFocus();
}

void frmMultiiplication::showQuestionPanel()
{
    const bool focusWasOnStart = ui->fraStart->isAncestorOf(focusWidget());
    ui->stkPanels->setCurrentWidget(ui->fraQuestion);
    if (focusWasOnStart)
        ui->cmdAnswer_1->setFocus();
}

void frmMultiiplication::BuildQuestionList()
{
    m_quiz.colQuestions = QuestionList::build(ui->cmbNumber->currentIndex());
}

void frmMultiiplication::ShowNextQuestion()
{
    const auto captions = m_drawer.drawNext(m_quiz);
    if (!captions)
        return;
    ui->lblFirstNumber->setText(captions->firstNumber);
    ui->lblSecondNumber->setText(captions->secondNumber);
    for (int i = 0; i < 3; ++i)
        cmdAnswer->button(i + 1)->setText(captions->answers[i]);
    m_announcer->questionShown();
}

qint16 frmMultiiplication::GenerateRandomNumber(qint16 intMin, qint16 intMax)
{
    return m_services.random.generate(intMin, intMax);
}

// Plays a .wav file, waiting for its end or not. Without a sound output
// nothing happens; the sound module, and with it the audio system, is
// loaded at the first call.
void frmMultiiplication::PlaySound(const QString &strWavPath, bool blnWaitUntilFinish)
{
    if (!m_sound)
        m_sound = SoundModule::load();
    if (!m_sound || m_sound->outputDeviceCount() <= 0)
        return;
    m_sound->play(strWavPath, blnWaitUntilFinish);
}

// A picture that can't be loaded leaves the box empty; the game goes on.
void frmMultiiplication::showFeedbackPicture(FeedbackPicture picture)
{
    const QString path = m_services.mediaFile(FeedbackPictures::fileName(picture));
    ui->Picture1->setPixmap(FeedbackPictures::load(path, devicePixelRatio()));
}

void frmMultiiplication::cmdAnswer_Click(int Index)
{
    // A press that arrives while the quiz is ending (an assistive tool's
    // action during the closing sound) has no question left to answer.
    if (!m_quiz.blnStarted || m_quiz.intQuestionNo >= m_quiz.intTotalQuestions)
        return;
    const AnswerOutcome outcome = AnswerJudge::judge(m_quiz, cmdAnswer->button(Index)->text());
    m_announcer->answered(outcome);
    switch (outcome) {
    case AnswerOutcome::Wrong:
        showFeedbackPicture(FeedbackPicture::Sad);
        return;
    case AnswerOutcome::Right:
        ShowNextQuestion();
        break;
    case AnswerOutcome::LastRight:
        finishQuiz();
        break;
    }
    showFeedbackPicture(FeedbackPicture::Smile);
}

// The final counts stay on screen while the closing sound plays; the name
// prompt of a best time comes only after it, then the quiz stops.
void frmMultiiplication::finishQuiz()
{
    m_quiz.dtEndTime = m_services.clock->currentSecond();
    Timer1.stop();
    Timer1_Timer();
    m_announcer->finished();
    repaint();
    PlaySound(m_services.mediaFile(QStringLiteral("0.wav")), true);
    CheckHighScore();
    cmdStartStop_Click();
}

void frmMultiiplication::Timer1_Timer()
{
    const qint64 elapsed = AnswerJudge::shownSeconds(m_quiz, m_services.clock->currentSecond());
    ui->lblWrongAnswers->setText(NumberText::decimal(m_quiz.intWrongAnswers));
    ui->lblTimeTaken->setText(NumberText::decimal(elapsed) + QStringLiteral(" sec"));
    ui->lblNoOfQuestion->setText(NumberText::decimal(m_quiz.intQuestionNo) + QStringLiteral(" of ")
                                 + NumberText::decimal(m_quiz.intTotalQuestions));
    m_announcer->countersShown(elapsed);
}

void frmMultiiplication::cmdExit_Click()
{
    close();
}

// The About window is made once and kept; each showing loads it anew. It is
// modal, so this returns only when it closes, while the quiz timer runs on.
void frmMultiiplication::cmdAbout_Click()
{
    if (!m_about)
        m_about = std::make_unique<frmAbout>(this);
    m_about->exec();
}

void frmMultiiplication::setQuizTimes(qint64 startSecond, qint64 endSecond)
{
    m_quiz.dtStartTime = startSecond;
    m_quiz.dtEndTime = endSecond;
}

// The table is the one selected now, which may differ from the one the quiz
// was started with.
void frmMultiiplication::CheckHighScore()
{
    using HighScoreRules::Verdict;
    const int table = ui->cmbNumber->currentIndex();
    if (table == HighScoreRules::UnscoredTable)
        return;
    HighScoreBook book(*m_services.settings);
    const auto seconds = HighScoreRules::quizSeconds(m_quiz.dtStartTime, m_quiz.dtEndTime);
    const Verdict verdict = HighScoreRules::decide(seconds, book.best(table));
    if (verdict == Verdict::NotBest)
        return;
    const QString name = HighScoreDialogs::askName(
        this, verdict == Verdict::NewBest ? QStringLiteral("You have created a new High score")
                                          : QStringLiteral("You have equaled with the High score"));
    if (name.isEmpty())
        return;
    if (book.record(table, *seconds, name) == HighScoreBook::Recorded::Failed) {
        HighScoreDialogs::showNotSaved(this, book.errorString());
        return;
    }
    DisplayHighScore();
}

void frmMultiiplication::DisplayHighScore()
{
    HighScoreDialogs::showListing(this, HighScoreBook(*m_services.settings).listing());
}

void frmMultiiplication::cmdHighScores_Click()
{
    DisplayHighScore();
}
