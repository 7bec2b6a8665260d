#include "QuizAnnouncer.h"
#include "ui_frmMultiiplication.h"

#include "NumberText.h"
#include "Product.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Marks a widget that only draws part of what another control already says.
constexpr char DecorationProperty[] = "tabulonDecoration";
// Gives a widget that is never shown the role it plays for a screen reader.
constexpr char RoleProperty[] = "tabulonAccessibleRole";

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
    if (const QVariant role = widget->property(RoleProperty); role.isValid())
        return new QAccessibleWidget(widget, role.value<QAccessible::Role>());
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

// The source has two texts so that English, which has no translation, still
// says "1 second"; a language's own plural forms come from its translation.
QString secondsText(qint64 seconds)
{
    const int n = int(seconds);
    if (n == 1)
        //: Spoken time, never shown: the source for exactly 1; give the language's plural forms
        return QuizAnnouncer::tr("%n second", nullptr, n);
    //: Spoken time, never shown: "12 seconds"; give the language's plural forms
    return QuizAnnouncer::tr("%n seconds", nullptr, n);
}

QStringList counterTexts(const QuizSession::Counters &counters)
{
    //: Spoken by the screen reader on key 0, never shown: %1 right answers so far, %2 questions in the quiz
    return {QuizAnnouncer::tr("Right answers: %1 of %2")
                .arg(NumberText::decimal(counters.rightAnswers), NumberText::decimal(counters.totalQuestions)),
            //: Spoken on key 0, never shown: %1 wrong answers so far
            QuizAnnouncer::tr("Wrong answers: %1").arg(NumberText::decimal(counters.wrongAnswers)),
            //: Spoken on key 0, never shown: %1 is the time, e.g. "12 seconds"
            QuizAnnouncer::tr("Time taken: %1").arg(secondsText(counters.seconds))};
}

} // namespace

QuizAnnouncer::QuizAnnouncer(const Ui::frmMultiiplication &controls)
    : m_ui(controls)
{
    QAccessible::installFactory(accessibleFor);
    nameControls();
    makeNotice();
    connectFocus();
}

void QuizAnnouncer::nameControls()
{
    // The question is read from the first factor's label; the sign, the
    // second factor and the counters' captions add nothing to it.
    for (QWidget *w : {m_ui.lblSign, m_ui.lblSecondNumber, m_ui.Label1, m_ui.Label2, m_ui.Label3})
        markDecoration(w);
    //: Spoken with the question's factors by the screen reader, never shown: what the big numbers are
    m_ui.lblFirstNumber->setAccessibleDescription(tr("Question"));

    m_ui.Label4->setBuddy(m_ui.cmbNumber);
    //: Spoken name of the table list, never shown
    m_ui.cmbNumber->setAccessibleName(tr("Multiplication table"));
    //: Spoken name of the how-to text on the start panel, never shown
    m_ui.Text1->setAccessibleName(tr("How to play"));
    m_ui.Text1->setAccessibleDescription(
        //: Spoken description of the how-to text, never shown. Keys 1 to 3 are the digits on the keyboard, the same in every language
        tr("During a quiz, keys 1, 2 and 3 answer, and key 0 tells the question, the right and wrong answers and the time"));
    //: Spoken description of the High Score button, never shown
    m_ui.cmdHighScores->setAccessibleDescription(tr("Shows the best time of each table"));
    //: Spoken description of the About button, never shown; %1 is the game's name
    m_ui.cmdAbout->setAccessibleDescription(tr("Shows who made %1").arg(Product::name()));
    //: Spoken description of the Exit button, never shown: it closes the program
    m_ui.cmdExit->setAccessibleDescription(tr("Ends the game"));
    //: Spoken description of the small face picture, never shown
    m_ui.Picture1->setAccessibleDescription(tr("How the last answer was"));
    //: Spoken description of the Start button, never shown
    m_ui.cmdStartStop->setAccessibleDescription(tr("Starts a quiz with the chosen table, or stops the one running"));
}

// Qt 6.4 tells a screen reader of a changed name or description without the
// new text, so a change to the focused control is not heard. What happens
// is told instead by a notification in a status bar, neither of them ever
// shown: a screen reader speaks a status bar's notification as it comes, by
// its name alone.
void QuizAnnouncer::makeNotice()
{
    auto *bar = new QWidget(m_ui.stkPanels->parentWidget());
    bar->setObjectName(u"announcements"_s);
    bar->setProperty(RoleProperty, QVariant::fromValue(QAccessible::StatusBar));
    bar->hide();
    m_notice = new QWidget(bar);
    m_notice->setProperty(RoleProperty, QVariant::fromValue(QAccessible::Notification));
}

void QuizAnnouncer::announce(const QString &text)
{
    m_notice->setAccessibleName(text);
    QAccessibleEvent shown(m_notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

// Qt 6.4 garbles the news of a changed description too: it sends the control
// instead of the text. A screen reader then speaks nothing, but reads the
// description afresh when next asked. So the controls are described as they
// get the focus, before the screen reader reads them, and the focused answer
// button again with each question (see questionShown). The entries that Up
// and Down choose on the closed table list are announced; a choice in the
// open list comes with the focus back on the list, and is read with it.
void QuizAnnouncer::connectFocus()
{
    QComboBox *list = m_ui.cmbNumber;
    QObject::connect(qApp, &QApplication::focusChanged, &m_connections, [this](QWidget *, QWidget *now) {
        describe(now);
        m_focusArriving = true;
        QTimer::singleShot(0, &m_connections, [this] { m_focusArriving = false; });
    });
    QObject::connect(list, &QComboBox::currentTextChanged, &m_connections, [this, list](const QString &entry) {
        if (m_focusArriving)
            describe(list);
        else if (list->hasFocus())
            announce(entry);
    });
}

// The table list tells its entry; an answer button the question and the key
// that gives its answer.
void QuizAnnouncer::describe(QWidget *control)
{
    if (control == m_ui.cmbNumber)
        //: Spoken after the entry of the table list when it gets the focus, never shown
        setDescription(control, m_ui.cmbNumber->currentText() + u". "_s + tr("Choose a table, then press Start"));
    const QList<QWidget *> answers{m_ui.cmdAnswer_1, m_ui.cmdAnswer_2, m_ui.cmdAnswer_3};
    if (const qsizetype i = answers.indexOf(control); i >= 0) {
        //: Spoken after the question on an answer button, never shown: %1 is the digit key 1, 2 or 3 that gives this answer
        const QString key = tr("Key %1").arg(NumberText::decimal(i + 1));
        setDescription(control, m_question.isEmpty() ? key : m_question + u". "_s + key);
    }
}

// A question shown before any right answer opens a new quiz; any other one
// follows a right answer, announced with it. The focused answer button tells
// the new question when the player asks where the focus is.
void QuizAnnouncer::questionShown(const QuestionCaptions &question, const QuizSession::Counters &counters)
{
    //: Spoken question, never shown: %1 times %2, e.g. "7 times 3"
    m_question = tr("%1 times %2").arg(question.firstNumber, question.secondNumber);
    setName(m_ui.lblFirstNumber, m_question);
    describe(QApplication::focusWidget());
    if (counters.rightAnswers > 0)
        //: Spoken after a right answer, before the next question; never shown
        announce(tr("Right") + u". "_s + m_question);
}

// The counters are named by their meaning; key 0 has the question and all
// of them told.
void QuizAnnouncer::countersShown(const QuizSession::Counters &counters)
{
    const QStringList texts = counterTexts(counters);
    setName(m_ui.lblNoOfQuestion, texts[0]);
    setName(m_ui.lblWrongAnswers, texts[1]);
    setName(m_ui.lblTimeTaken, texts[2]);
}

void QuizAnnouncer::countersAsked(const QuizSession::Counters &counters)
{
    announce((QStringList(m_question) + counterTexts(counters)).join(u". "_s));
}

// A right answer is announced with the question that follows it, the last
// one with the end of the quiz.
void QuizAnnouncer::answered(AnswerOutcome outcome)
{
    //: Spoken after a wrong answer, never shown; the question stays
    const QString wrong = tr("Wrong, try again");
    //: Spoken after a right answer, before the next question; never shown
    const QString status = outcome == AnswerOutcome::Wrong ? wrong : tr("Right");
    setName(m_ui.Picture1, status);
    if (outcome == AnswerOutcome::Wrong)
        announce(status);
}

void QuizAnnouncer::finished(qint64 seconds)
{
    //: Spoken at the end of a quiz, never shown: %1 is the time, e.g. "39 seconds"
    announce(tr("Quiz finished in %1").arg(secondsText(seconds)));
}
