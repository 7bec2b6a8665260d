#include "FakeClock.h"
#include "ModalDialogs.h"
#include "frmMultiiplication.h"

#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void controlsFollowTheLayoutTable_data();
    void controlsFollowTheLayoutTable();
    void designTexts_data();
    void designTexts();
    void everyTextFitsItsControl_data();
    void everyTextFitsItsControl();
    void howToTextNeedsNoScrolling();
    void windowIsFixedWithTitleAndIcon();
    void tabOrderFollowsTheLayoutTable();
    void loadFillsTheTableList();
    void startWithoutTableOnlyAsks();
    void startSetsUpAQuiz_data();
    void startSetsUpAQuiz();
    void stopLeavesTheQuizAsItWas();
    void restartZeroesCountersAndKeepsLastQuestion();
    void tickWritesTheCounters();
    void keyboardNeverReachesTheCoveredPanel();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();

private:
    template<typename T = QWidget>
    T *control(const QString &name) const
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    void startQuiz(int tableIndex);
    bool quizRunning() const { return control<QTimer>(u"Timer1"_s)->isActive(); }

    std::shared_ptr<FakeClock> clock;
    std::unique_ptr<frmMultiiplication> window;
};

void tst_MainWindow::init()
{
    clock = std::make_shared<FakeClock>();
    window = std::make_unique<frmMultiiplication>(WindowServices{clock, RandomNumbers(17)});
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void tst_MainWindow::cleanup()
{
    window.reset();
}

void tst_MainWindow::startQuiz(int tableIndex)
{
    control<QComboBox>(u"cmbNumber"_s)->setCurrentIndex(tableIndex);
    window->cmdStartStop_Click();
}

void tst_MainWindow::controlsFollowTheLayoutTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<bool>("onQuestionPanel");

    const auto row = [](const char *name, const char *parent, int l, int t, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent)
                            << QRect(l, t, w, h)
                            << (qstrcmp(name, "fraQuestion") == 0 || qstrcmp(parent, "fraQuestion") == 0);
    };
    row("fraStart", "frmMultiiplication", 60, 15, 5745, 3690);
    row("fraQuestion", "frmMultiiplication", 60, 15, 5745, 3690);
    row("cmdStartStop", "frmMultiiplication", 135, 3885, 1170, 310);
    row("cmdHighScores", "frmMultiiplication", 1350, 3885, 1170, 310);
    row("cmdExit", "frmMultiiplication", 4575, 3885, 1170, 310);
    row("cmdAbout", "frmMultiiplication", 2565, 3885, 1170, 310);
    row("Label4", "fraStart", 713, 885, 2070, 270);
    row("cmbNumber", "fraStart", 2858, 840, 2370, 330);
    row("Text1", "fraStart", 465, 1485, 5115, 2025);
    row("lblFirstNumber", "fraQuestion", 1305, 615, 915, 1020);
    row("lblSecondNumber", "fraQuestion", 3660, 615, 915, 1020);
    row("lblSign", "fraQuestion", 2618, 615, 705, 765);
    row("cmdAnswer_1", "fraQuestion", 1245, 1890, 1095, 825);
    row("cmdAnswer_2", "fraQuestion", 2430, 1890, 1095, 825);
    row("cmdAnswer_3", "fraQuestion", 3600, 1890, 1095, 825);
    row("Label1", "fraQuestion", 3315, 3075, 960, 270);
    row("lblTimeTaken", "fraQuestion", 4485, 3075, 825, 285);
    row("Label2", "fraQuestion", 120, 3045, 1350, 285);
    row("lblNoOfQuestion", "fraQuestion", 1410, 3045, 1125, 270);
    row("Label3", "fraQuestion", 120, 3345, 1275, 285);
    row("lblWrongAnswers", "fraQuestion", 1455, 3345, 375, 195);
    row("Label5", "fraQuestion", 1275, 1575, 2565, 210);
    row("Picture1", "fraQuestion", 2760, 2805, 435, 435);
}

void tst_MainWindow::controlsFollowTheLayoutTable()
{
    QFETCH(QString, name);
    QFETCH(QString, parentName);
    QFETCH(QRect, twips);
    QFETCH(bool, onQuestionPanel);

    if (onQuestionPanel)
        startQuiz(1); // the panel in front is laid out
    const QWidget *w = control(name);
    const QWidget *parent = parentName == u"frmMultiiplication"_s ? window.get() : control(parentName);
    const QRect expected(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0),
                         qRound(twips.width() / 15.0), qRound(twips.height() / 15.0));
    const QRect actual(w->mapTo(parent, QPoint(0, 0)), w->size());
    QCOMPARE(actual, expected);
}

void tst_MainWindow::designTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("cmdStartStop") << u"cmdStartStop"_s << u"&Start"_s;
    QTest::newRow("cmdHighScores") << u"cmdHighScores"_s << u"&High Score"_s;
    QTest::newRow("cmdExit") << u"cmdExit"_s << u"&Exit"_s;
    QTest::newRow("cmdAbout") << u"cmdAbout"_s << u"&About"_s;
    QTest::newRow("Label4") << u"Label4"_s << u"Choose Multiplication Table"_s;
    QTest::newRow("lblFirstNumber") << u"lblFirstNumber"_s << u"99"_s;
    QTest::newRow("lblSecondNumber") << u"lblSecondNumber"_s << u"99"_s;
    QTest::newRow("lblSign") << u"lblSign"_s << u"X"_s;
    QTest::newRow("cmdAnswer_1") << u"cmdAnswer_1"_s << u"99"_s;
    QTest::newRow("cmdAnswer_2") << u"cmdAnswer_2"_s << u"99"_s;
    QTest::newRow("cmdAnswer_3") << u"cmdAnswer_3"_s << u"99"_s;
    QTest::newRow("Label1 keeps its trailing blank") << u"Label1"_s << u"Time Taken : "_s;
    QTest::newRow("lblTimeTaken") << u"lblTimeTaken"_s << u"99 secs"_s;
    QTest::newRow("Label2 keeps its trailing blank") << u"Label2"_s << u"No of Questions : "_s;
    QTest::newRow("lblNoOfQuestion") << u"lblNoOfQuestion"_s << u"1 of 20"_s;
    QTest::newRow("Label3") << u"Label3"_s << u"Wrong Answers :"_s;
    QTest::newRow("lblWrongAnswers") << u"lblWrongAnswers"_s << u"9"_s;
    QTest::newRow("Label5") << u"Label5"_s << u"Click on the correct answer"_s;
    QTest::newRow("Text1") << u"Text1"_s
                           << u"20 questions will be asked for each number table.\n"
                              "50 questions will be asked for full table (1 to 9).\n\n"
                              "For each wrong answer 1 second will be added to Time Taken.\n\n"
                              "Select the table above and click the start button below.\n"_s;
}

void tst_MainWindow::designTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget *w = control(name);
    if (auto *label = qobject_cast<QLabel *>(w))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QPushButton *>(w))
        QCOMPARE(button->text(), text);
    else if (auto *edit = qobject_cast<QPlainTextEdit *>(w))
        QCOMPARE(edit->toPlainText(), text);
    else
        QFAIL("unexpected kind of control");
}

void tst_MainWindow::everyTextFitsItsControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("texts");

    QStringList answers;
    for (int n = 1; n <= 99; ++n)
        answers << QString::number(n);
    QStringList factors = answers.mid(0, 10);
    QTest::newRow("lblFirstNumber") << u"lblFirstNumber"_s << factors;
    QTest::newRow("lblSecondNumber") << u"lblSecondNumber"_s << factors;
    QTest::newRow("lblSign") << u"lblSign"_s << QStringList{u"X"_s};
    for (const char *b : {"cmdAnswer_1", "cmdAnswer_2", "cmdAnswer_3"})
        QTest::newRow(b) << QString::fromLatin1(b) << answers;
    QTest::newRow("lblTimeTaken")
        << u"lblTimeTaken"_s
        << QStringList{u"99 secs"_s, u"0"_s, u"0 sec"_s, u"999 sec"_s, u"32767 sec"_s};
    QTest::newRow("lblNoOfQuestion")
        << u"lblNoOfQuestion"_s << QStringList{u"1 of 20"_s, u"20 of 20"_s, u"50 of 50"_s};
    QTest::newRow("lblWrongAnswers") << u"lblWrongAnswers"_s << QStringList{u"9"_s, u"99"_s};
    for (const char *l : {"Label1", "Label2", "Label3", "Label4", "Label5"})
        QTest::newRow(l) << QString::fromLatin1(l) << QStringList();
    QTest::newRow("cmdStartStop") << u"cmdStartStop"_s << QStringList{u"&Start"_s, u"&Stop"_s};
    for (const char *b : {"cmdHighScores", "cmdExit", "cmdAbout"})
        QTest::newRow(b) << QString::fromLatin1(b) << QStringList();
}

// Text drawn in a control must not be clipped: its advance fits the width,
// and its ink, placed as the control aligns it, stays inside the height.
void tst_MainWindow::everyTextFitsItsControl()
{
    QFETCH(QString, name);
    QFETCH(QStringList, texts);

    QWidget *w = control(name);
    auto *label = qobject_cast<QLabel *>(w);
    auto *button = qobject_cast<QPushButton *>(w);
    if (texts.isEmpty())
        texts << (label ? label->text() : button->text());

    const QFontMetrics fm(w->font());
    QRect box = w->contentsRect();
    Qt::Alignment alignment = Qt::AlignCenter;
    if (label) {
        alignment = label->alignment();
    } else {
        QStyleOptionButton option;
        option.initFrom(button);
        box = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    for (QString text : texts) {
        text.remove(u'&');
        // A trailing blank ("Time Taken : ") has no ink to lose.
        while (text.endsWith(u' '))
            text.chop(1);
        QVERIFY2(fm.horizontalAdvance(text) <= box.width(),
                 qPrintable(u"%1: '%2' is %3 px wide in %4 px"_s.arg(name, text)
                                .arg(fm.horizontalAdvance(text))
                                .arg(box.width())));
        const int lineTop = alignment & Qt::AlignVCenter ? box.top() + (box.height() - fm.height()) / 2
                                                         : box.top();
        const int baseline = lineTop + fm.ascent();
        const QRect ink = fm.tightBoundingRect(text).translated(0, baseline);
        QVERIFY2(ink.top() >= box.top() && ink.bottom() <= box.bottom(),
                 qPrintable(u"%1: '%2' ink rows %3..%4 outside %5..%6"_s.arg(name, text)
                                .arg(ink.top())
                                .arg(ink.bottom())
                                .arg(box.top())
                                .arg(box.bottom())));
    }
}

void tst_MainWindow::howToTextNeedsNoScrolling()
{
    auto *text = control<QPlainTextEdit>(u"Text1"_s);
    QVERIFY(text->isReadOnly());
    const QSizeF documentSize = text->document()->documentLayout()->documentSize();
    const QFontMetrics fm(text->font());
    const qreal height = documentSize.height() * fm.lineSpacing();
    QVERIFY2(height <= text->viewport()->height(),
             qPrintable(u"%1 lines need %2 px, %3 px shown"_s.arg(documentSize.height())
                            .arg(height)
                            .arg(text->viewport()->height())));
}

void tst_MainWindow::windowIsFixedWithTitleAndIcon()
{
    QCOMPARE(window->windowTitle(), u"Tabulon 1.1"_s);
    QCOMPARE(window->size(), QSize(396, 288));
    QCOMPARE(window->minimumSize(), QSize(396, 288));
    QCOMPARE(window->maximumSize(), QSize(396, 288));
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window); // a top-level with a task-bar entry
    const QIcon icon = window->windowIcon();
    for (const int size : {16, 24, 32, 48, 64})
        QCOMPARE(icon.pixmap(size).size(), QSize(size, size));
    const QImage small = icon.pixmap(32).toImage();
    QCOMPARE(small.pixelColor(0, 0).alpha(), 0); // transparent ground
    QVERIFY(qBlue(small.pixel(16, 16)) > qRed(small.pixel(16, 16))); // blue cross in the middle
}

void tst_MainWindow::tabOrderFollowsTheLayoutTable()
{
    const auto chainFromStart = [this] {
        control(u"cmdStartStop"_s)->setFocus();
        QStringList chain;
        for (int i = 0; i < 7; ++i) {
            chain << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return chain;
    };
    QCOMPARE(chainFromStart(), QStringList({u"cmdStartStop"_s, u"cmdHighScores"_s, u"cmdExit"_s,
                                            u"cmbNumber"_s, u"Text1"_s, u"cmdAbout"_s,
                                            u"cmdStartStop"_s}));
    startQuiz(3);
    QCOMPARE(chainFromStart(), QStringList({u"cmdStartStop"_s, u"cmdHighScores"_s, u"cmdExit"_s,
                                            u"cmdAnswer_1"_s, u"cmdAnswer_2"_s, u"cmdAnswer_3"_s,
                                            u"cmdAbout"_s}));
}

void tst_MainWindow::loadFillsTheTableList()
{
    auto *list = control<QComboBox>(u"cmbNumber"_s);
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    QCOMPARE(entries, QStringList({u"(select table)"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s,
                                   u"6"_s, u"7"_s, u"8"_s, u"9"_s, u"1 to 9"_s}));
    QCOMPARE(list->currentIndex(), 0);
    QVERIFY(!list->isEditable());
    QVERIFY(control(u"fraStart"_s)->isVisible());
    QVERIFY(!control(u"fraQuestion"_s)->isVisible());
    QCOMPARE(control<QPushButton>(u"cmdStartStop"_s)->text(), u"&Start"_s);
    QVERIFY(!quizRunning());
    QCOMPARE(QApplication::focusWidget(), control(u"cmdStartStop"_s));
}

void tst_MainWindow::startWithoutTableOnlyAsks()
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        ModalDialogs dialogs;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        dialogs.answerNext([&](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            box->accept();
        });
        QTest::mouseClick(control(u"cmdStartStop"_s), Qt::LeftButton);
        QCOMPARE(dialogs.answered, 1);
        QCOMPARE(title, u"Tabulon"_s);
        QCOMPARE(text, u"Select a table from the above list and click start"_s);
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons, QMessageBox::Ok);
        QCOMPARE(control<QPushButton>(u"cmdStartStop"_s)->text(), u"&Start"_s);
        QVERIFY(!quizRunning());
        QVERIFY(!window->quizState().blnStarted);
        QVERIFY(control(u"fraStart"_s)->isVisible());
    }
}

void tst_MainWindow::startSetsUpAQuiz_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("poolLeft");
    QTest::newRow("table 1") << 1 << 20 << 19;
    QTest::newRow("table 9") << 9 << 20 << 19;
    QTest::newRow("1 to 9") << 10 << 50 << 89;
}

void tst_MainWindow::startSetsUpAQuiz()
{
    QFETCH(int, index);
    QFETCH(int, total);
    QFETCH(int, poolLeft);

    control<QComboBox>(u"cmbNumber"_s)->setCurrentIndex(index);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);

    const QuizState &q = window->quizState();
    QTRY_VERIFY(q.blnStarted); // an access key clicks its button after a short animation
    QCOMPARE(int(q.intTotalQuestions), total);
    QCOMPARE(int(q.intQuestionNo), 0);
    QCOMPARE(int(q.intWrongAnswers), 0);
    QCOMPARE(q.dtStartTime, clock->now);
    QCOMPARE(q.colQuestions.size(), poolLeft);
    QVERIFY(quizRunning());
    QCOMPARE(control<QTimer>(u"Timer1"_s)->interval(), 250);
    QVERIFY(control(u"fraQuestion"_s)->isVisible());
    QVERIFY(!control(u"fraStart"_s)->isVisible());
    QCOMPARE(control<QPushButton>(u"cmdStartStop"_s)->text(), u"&Stop"_s);

    QCOMPARE(control<QLabel>(u"lblFirstNumber"_s)->text(), QString::number(q.intFirstNumber));
    QCOMPARE(control<QLabel>(u"lblSecondNumber"_s)->text(), QString::number(q.intSecondNumber));
    if (index <= 9)
        QCOMPARE(int(q.intFirstNumber), index);
    int showingProduct = 0;
    for (int b = 1; b <= 3; ++b)
        showingProduct += window->answerButton(b)->text() == QString::number(q.intAnswer);
    QCOMPARE(showingProduct, 1);
    // The counters keep their design texts until the first tick.
    QCOMPARE(control<QLabel>(u"lblNoOfQuestion"_s)->text(), u"1 of 20"_s);
}

void tst_MainWindow::stopLeavesTheQuizAsItWas()
{
    startQuiz(4);
    clock->advance(3);
    window->Timer1_Timer();
    const QuizState before = window->quizState();
    const QString noOfQuestion = control<QLabel>(u"lblNoOfQuestion"_s)->text();
    const QString answer2 = window->answerButton(2)->text();

    QTest::mouseClick(control(u"cmdStartStop"_s), Qt::LeftButton);

    const QuizState &after = window->quizState();
    QVERIFY(!after.blnStarted);
    QVERIFY(!quizRunning());
    QVERIFY(control(u"fraStart"_s)->isVisible());
    QCOMPARE(control<QPushButton>(u"cmdStartStop"_s)->text(), u"&Start"_s);
    QCOMPARE(control<QLabel>(u"lblTimeTaken"_s)->text(), u"0"_s);
    QCOMPARE(control<QLabel>(u"lblNoOfQuestion"_s)->text(), noOfQuestion);
    QCOMPARE(window->answerButton(2)->text(), answer2);
    QCOMPARE(after.colQuestions, before.colQuestions);
    QCOMPARE(after.intFirstNumber, before.intFirstNumber);
    QCOMPARE(after.intSecondNumber, before.intSecondNumber);
    QCOMPARE(after.intTotalQuestions, before.intTotalQuestions);
    QCOMPARE(after.dtStartTime, before.dtStartTime);
}

void tst_MainWindow::restartZeroesCountersAndKeepsLastQuestion()
{
    for (int round = 0; round < 50; ++round) {
        startQuiz(2);
        window->cmdStartStop_Click();
        const QString last = QString::number(window->quizState().intFirstNumber) + u'*'
                             + QString::number(window->quizState().intSecondNumber);
        clock->advance(10);
        window->cmdStartStop_Click();
        const QuizState &q = window->quizState();
        QCOMPARE(q.dtStartTime, clock->now);
        QCOMPARE(int(q.intQuestionNo), 0);
        QCOMPARE(q.colQuestions.size(), 19);
        QVERIFY(QString::number(q.intFirstNumber) + u'*' + QString::number(q.intSecondNumber) != last);
        window->cmdStartStop_Click();
    }
}

void tst_MainWindow::tickWritesTheCounters()
{
    startQuiz(10);
    QSignalSpy ticks(control<QTimer>(u"Timer1"_s), &QTimer::timeout);
    QVERIFY(ticks.wait(1000));
    QCOMPARE(control<QLabel>(u"lblWrongAnswers"_s)->text(), u"0"_s);
    QCOMPARE(control<QLabel>(u"lblTimeTaken"_s)->text(), u"0 sec"_s);
    QCOMPARE(control<QLabel>(u"lblNoOfQuestion"_s)->text(), u"0 of 50"_s);
    clock->advance(61);
    window->Timer1_Timer();
    QCOMPARE(control<QLabel>(u"lblTimeTaken"_s)->text(), u"61 sec"_s);
}

// Hidden controls take no focus, so keys can't answer after a quiz or
// change the table during one.
void tst_MainWindow::keyboardNeverReachesTheCoveredPanel()
{
    auto *list = control<QComboBox>(u"cmbNumber"_s);
    const auto tabAround = [this](const std::function<void(QWidget *)> &check) {
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            QVERIFY2(focus->isVisible(), qPrintable(focus->objectName()));
            check(focus);
        }
    };

    list->setCurrentIndex(5);
    list->setFocus();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(window->quizState().blnStarted);
    QVERIFY(control(u"fraQuestion"_s)->isAncestorOf(QApplication::focusWidget()));
    tabAround([list](QWidget *focus) {
        QVERIFY(focus != list);
        QTest::keyClick(focus, Qt::Key_Down);
    });
    QCOMPARE(list->currentIndex(), 5);

    window->answerButton(2)->setFocus();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(!window->quizState().blnStarted);
    QVERIFY(!control(u"fraQuestion"_s)->isAncestorOf(QApplication::focusWidget()));
    const QuizState before = window->quizState();
    tabAround([this](QWidget *focus) {
        QVERIFY(!control(u"fraQuestion"_s)->isAncestorOf(focus));
    });
    QCOMPARE(window->quizState().colQuestions, before.colQuestions);
    QCOMPARE(window->quizState().intQuestionNo, before.intQuestionNo);
}

void tst_MainWindow::exitEndsTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("duringQuiz");
    for (bool quiz : {false, true}) {
        const char *when = quiz ? "during a quiz" : "idle";
        QTest::addRow("Exit button, %s", when) << u"button"_s << quiz;
        QTest::addRow("Alt+E, %s", when) << u"alt"_s << quiz;
        QTest::addRow("title bar close, %s", when) << u"close"_s << quiz;
    }
}

void tst_MainWindow::exitEndsTheProgram()
{
    QFETCH(QString, how);
    QFETCH(bool, duringQuiz);
    if (duringQuiz)
        startQuiz(10);
    QTimer::singleShot(0, window.get(), [this, how] {
        if (how == u"button"_s)
            QTest::mouseClick(control(u"cmdExit"_s), Qt::LeftButton);
        else if (how == u"alt"_s)
            QTest::keyClick(window.get(), Qt::Key_E, Qt::AltModifier);
        else
            window->close();
    });
    QTimer::singleShot(5000, [] { QApplication::exit(99); }); // only if it failed to end
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
