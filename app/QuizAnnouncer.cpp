#include "QuizAnnouncer.h"
#include "ui_frmMultiiplication.h"

#include "NumberText.h"
#include "QuizState.h"

#include <QAccessibleWidget>

using namespace Qt::StringLiterals;

namespace {

const QString StartStopHint = u"Starts a quiz with the chosen table, or stops the one running"_s;

// Marks a widget that only draws part of what another control already says.
constexpr char DecorationProperty[] = "tabulonDecoration";

// A decoration is left out of what a screen reader reads: it reports itself
// as invisible and nameless, the nearest Qt 6.4 comes to hiding a widget
// from assistive technology while it stays on the screen.
class DecorationAccessible : public QAccessibleWidget
{
public:
    explicit DecorationAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::StaticText)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }

    QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (widget->property(DecorationProperty).toBool())
        return new DecorationAccessible(widget);
    // A plain QWidget window would otherwise read as a "filler", which
    // screen readers don't announce as a window.
    if (className == u"frmMultiiplication")
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

// An interface made before the mark is dropped, so that the next one comes
// from the factory.
void markDecoration(QWidget *widget)
{
    widget->setProperty(DecorationProperty, true);
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget);
    if (made && !dynamic_cast<DecorationAccessible *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void setName(QWidget *widget, const QString &name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

void setDescription(QWidget *widget, const QString &description)
{
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

QString secondsText(qint64 seconds)
{
    return NumberText::decimal(seconds) + (seconds == 1 ? u" second"_s : u" seconds"_s);
}

} // namespace

QuizAnnouncer::QuizAnnouncer(const Ui::frmMultiiplication &controls, const QuizState &quiz)
    : m_ui(controls)
    , m_quiz(quiz)
{
    QAccessible::installFactory(accessibleFor);
    nameControls();
}

void QuizAnnouncer::nameControls()
{
    // The question is read from the first factor's label; the sign, the
    // second factor and the counters' captions add nothing to it.
    for (QWidget *w : {m_ui.lblSign, m_ui.lblSecondNumber, m_ui.Label1, m_ui.Label2, m_ui.Label3})
        markDecoration(w);
    m_ui.lblFirstNumber->setAccessibleDescription(u"Question"_s);

    m_ui.Label4->setBuddy(m_ui.cmbNumber);
    m_ui.cmbNumber->setAccessibleName(u"Multiplication table"_s);
    m_ui.cmbNumber->setAccessibleDescription(u"Choose a table, then press Start"_s);
    m_ui.Text1->setAccessibleName(u"How to play"_s);
    m_ui.cmdHighScores->setAccessibleDescription(u"Shows the best time of each table"_s);
    m_ui.cmdAbout->setAccessibleDescription(u"Shows who made Tabulon"_s);
    m_ui.cmdExit->setAccessibleDescription(u"Ends the game"_s);
    m_ui.Picture1->setAccessibleDescription(u"How the last answer was"_s);
    m_ui.cmdStartStop->setAccessibleDescription(StartStopHint);
    describeAnswerButtons();
}

// A question shown before any right answer opens a new quiz, which starts
// with nothing announced and forgets how the last one ended.
void QuizAnnouncer::questionShown()
{
    m_question = u"%1 times %2"_s.arg(NumberText::decimal(m_quiz.intFirstNumber),
                                      NumberText::decimal(m_quiz.intSecondNumber));
    setName(m_ui.lblFirstNumber, m_question);
    if (m_quiz.intQuestionNo == 0) {
        m_status.clear();
        setDescription(m_ui.cmdStartStop, StartStopHint);
    }
    describeAnswerButtons();
}

void QuizAnnouncer::countersShown(qint64 elapsedSeconds)
{
    setName(m_ui.lblWrongAnswers, u"Wrong answers: "_s + NumberText::decimal(m_quiz.intWrongAnswers));
    setName(m_ui.lblTimeTaken, u"Time taken: "_s + secondsText(elapsedSeconds));
    setName(m_ui.lblNoOfQuestion, u"Right answers: %1 of %2"_s.arg(
                                    NumberText::decimal(m_quiz.intQuestionNo),
                                    NumberText::decimal(m_quiz.intTotalQuestions)));
}

// After a right answer the next question, or the end, describes the buttons
// once, so that a screen reader does not read the old question first.
void QuizAnnouncer::answered(AnswerOutcome outcome)
{
    m_status = outcome == AnswerOutcome::Wrong ? u"Wrong, try again"_s : u"Right"_s;
    setName(m_ui.Picture1, m_status);
    if (outcome == AnswerOutcome::Wrong)
        describeAnswerButtons();
}

void QuizAnnouncer::finished(qint64 seconds)
{
    m_status = u"Quiz finished in "_s + secondsText(seconds);
    describeAnswerButtons();
    // The focus goes to Start when the quiz stops; it says so again there.
    setDescription(m_ui.cmdStartStop, m_status + u". "_s + StartStopHint);
}

// The status goes first, so that it is what a screen reader says at once
// about the focused button.
void QuizAnnouncer::describeAnswerButtons()
{
    const QString prefix = m_status.isEmpty() ? QString() : m_status + u". "_s;
    const QList<QWidget *> answers{m_ui.cmdAnswer_1, m_ui.cmdAnswer_2, m_ui.cmdAnswer_3};
    for (qsizetype i = 0; i < answers.size(); ++i) {
        const QString key = u"Key "_s + NumberText::decimal(i + 1);
        setDescription(answers[i], prefix + (m_question.isEmpty() ? key : m_question + u". "_s + key));
    }
}
