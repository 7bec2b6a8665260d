#include "frmMultiiplication.h"
#include "ui_frmMultiiplication.h"

#include "AnswerKey.h"
#include "Fonts.h"
#include "Mirroring.h"
#include "NumberText.h"
#include "Product.h"
#include "ProgramIcon.h"
#include "QuizAnnouncer.h"
#include "TableChoice.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QScreen>

namespace {

constexpr int TimerIntervalMs = 250;
constexpr qreal WindowFontPoints = 8.25;
constexpr qreal FactorFontPoints = 36;
constexpr qreal AnswerFontPoints = 18;

} // namespace

frmMultiiplication::frmMultiiplication(WindowServices services, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::frmMultiiplication>())
    , cmdAnswer(new QButtonGroup(this))
    , m_services(std::move(services))
    , m_session(*m_services.clock, m_services.random)
    , m_book(*m_services.settings)
{
    ui->setupUi(this);
    Mirroring::mirrorPlacedControls(this);
    setWindowTitle(Product::nameAndVersion());
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
    m_announcer = std::make_unique<QuizAnnouncer>(*ui);
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
    const std::optional<int> digit = AnswerKey::digit(*event);
    if (!digit || ui->stkPanels->currentWidget() != ui->fraQuestion || !isActiveWindow())
        return QWidget::keyPressEvent(event);
    if (*digit == 0)
        m_announcer->countersAsked(m_session.counters());
    else
        cmdAnswer->button(*digit)->click();
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
    //: First entry of the table list: nothing chosen yet; list 121 px wide
    ui->cmbNumber->addItem(tr("(select table)"));
    for (int table = TableChoice::FirstTable; table <= TableChoice::LastTable; ++table)
        ui->cmbNumber->addItem(NumberText::decimal(table));
    //: Last entry of the table list: all the tables together; list 121 px wide
    ui->cmbNumber->addItem(tr("1 to 9"));
    ui->cmbNumber->setCurrentIndex(TableChoice::None);
}

void frmMultiiplication::cmdStartStop_Click()
{
    if (m_session.isRunning())
        stopQuiz();
    else
        startQuiz();
}

void frmMultiiplication::startQuiz()
{
    if (!m_session.start(ui->cmbNumber->currentIndex())) {
        m_services.dialogs->showMessage(
            this, {QMessageBox::Information, Product::name(),
                   //: Message box when Start is pressed with no table chosen; wraps
                   tr("Select a table from the above list and click start")});
        return;
    }
    Timer1.start();
    BuildQuestionList();
    ShowNextQuestion();
    showQuestionPanel();
    //: Start button's caption while a quiz runs; & marks the Alt access key, which must differ from the other buttons' and not be a digit; button 78 px wide
    ui->cmdStartStop->setText(tr("&Stop"));
}

void frmMultiiplication::stopQuiz()
{
    //: Same button as in the design, back to Start when the quiz stops; button 78 px wide
    ui->cmdStartStop->setText(tr("&Start"));
    showStartPanel();
    Timer1.stop();
    ui->lblTimeTaken->setText(QStringLiteral("0"));
    m_session.stop();
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
    m_session.buildQuestionList();
}

void frmMultiiplication::ShowNextQuestion()
{
    const auto question = m_session.nextQuestion();
    if (!question)
        return;
    ui->lblFirstNumber->setText(question->firstNumber);
    ui->lblSecondNumber->setText(question->secondNumber);
    for (int i = 0; i < 3; ++i)
        cmdAnswer->button(i + 1)->setText(question->answers[i]);
    m_announcer->questionShown(*question, m_session.counters());
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
        m_sound = m_services.loadSound();
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
    if (!m_session.takesAnswers())
        return;
    const AnswerOutcome outcome = m_session.answer(cmdAnswer->button(Index)->text());
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
    Timer1.stop();
    Timer1_Timer();
    m_announcer->finished(m_session.counters().seconds);
    repaint();
    PlaySound(m_services.mediaFile(QStringLiteral("0.wav")), true);
    CheckHighScore();
    cmdStartStop_Click();
}

void frmMultiiplication::Timer1_Timer()
{
    const QuizSession::Counters counters = m_session.counters();
    ui->lblWrongAnswers->setText(NumberText::decimal(counters.wrongAnswers));
    //: Quiz time on the question panel, bold, at most 55 px: %1 seconds, up to 32767
    ui->lblTimeTaken->setText(tr("%1 sec").arg(NumberText::decimal(counters.seconds)));
    //: Right answers so far on the question panel, bold, at most 75 px: %1 of %2 questions (20 or 50)
    ui->lblNoOfQuestion->setText(tr("%1 of %2").arg(NumberText::decimal(counters.rightAnswers),
                                                    NumberText::decimal(counters.totalQuestions)));
    m_announcer->countersShown(counters);
}

void frmMultiiplication::cmdExit_Click()
{
    close();
}

// Modal: this returns only when About closes, while the quiz timer runs on.
void frmMultiiplication::cmdAbout_Click()
{
    m_services.dialogs->showAbout(this);
}

// The table is the one selected now, which may differ from the one the quiz
// was started with.
void frmMultiiplication::CheckHighScore()
{
    HighScoreCheck check(m_book, ui->cmbNumber->currentIndex(), m_session.quizSeconds());
    if (const auto prompt = check.namePrompt())
        showReport(check.record(m_services.dialogs->askName(this, prompt->title, prompt->label)));
}

void frmMultiiplication::DisplayHighScore()
{
    showReport(HighScoreReport::listing(m_book.listing()));
}

void frmMultiiplication::showReport(const HighScoreReport &report)
{
    switch (report.kind) {
    case HighScoreReport::Kind::Nothing:
        return;
    case HighScoreReport::Kind::Listing:
        m_services.dialogs->showMessage(this, {QMessageBox::NoIcon, report.title, report.text, true});
        return;
    case HighScoreReport::Kind::Failure:
        m_services.dialogs->showMessage(this, {QMessageBox::Warning, report.title, report.text});
        return;
    }
}

void frmMultiiplication::cmdHighScores_Click()
{
    DisplayHighScore();
}
