#include "FakeClock.h"
#include "ModalDialogs.h"
#include "frmMultiiplication.h"

#include <QAbstractTextDocumentLayout>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void controlFollowsTheLayoutTable_data();
    void controlFollowsTheLayoutTable();
    void windowIsFixedWithTitleIconAndTableList();
    void tabOrderFollowsTheLayoutTable();
    void startAndStop_data();
    void startAndStop();
    void keyboardNeverReachesTheCoveredPanel();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();

private:
    template<typename T = QWidget>
    T *control(const QString &name) const { return window->findChild<T *>(name); }

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

void tst_MainWindow::controlFollowsTheLayoutTable_data()
{
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QStringList>("texts"); // the design text, then what the game writes there
    const auto row = [](const char *name, const char *parent, QRect twips, QStringList texts = {}) {
        QTest::newRow(name) << QString::fromLatin1(parent) << twips << texts;
    };
    QStringList numbers;
    for (int n = 1; n <= 99; ++n)
        numbers << QString::number(n);
    row("fraStart", "frmMultiiplication", {60, 15, 5745, 3690});
    row("fraQuestion", "frmMultiiplication", {60, 15, 5745, 3690});
    row("cmdStartStop", "frmMultiiplication", {135, 3885, 1170, 310}, {u"&Start"_s, u"&Stop"_s});
    row("cmdHighScores", "frmMultiiplication", {1350, 3885, 1170, 310}, {u"&High Score"_s});
    row("cmdExit", "frmMultiiplication", {4575, 3885, 1170, 310}, {u"&Exit"_s});
    row("cmdAbout", "frmMultiiplication", {2565, 3885, 1170, 310}, {u"&About"_s});
    row("Label4", "fraStart", {713, 885, 2070, 270}, {u"Choose Multiplication Table"_s});
    row("cmbNumber", "fraStart", {2858, 840, 2370, 330});
    row("Text1", "fraStart", {465, 1485, 5115, 2025},
        {u"20 questions will be asked for each number table.\n"
         "50 questions will be asked for full table (1 to 9).\n\n"
         "For each wrong answer 1 second will be added to Time Taken.\n\n"
         "Select the table above and click the start button below.\n"_s});
    row("lblFirstNumber", "fraQuestion", {1305, 615, 915, 1020}, QStringList(u"99"_s) + numbers.mid(0, 10));
    row("lblSecondNumber", "fraQuestion", {3660, 615, 915, 1020}, QStringList(u"99"_s) + numbers.mid(0, 10));
    row("lblSign", "fraQuestion", {2618, 615, 705, 765}, {u"X"_s});
    row("cmdAnswer_1", "fraQuestion", {1245, 1890, 1095, 825}, QStringList(u"99"_s) + numbers);
    row("cmdAnswer_2", "fraQuestion", {2430, 1890, 1095, 825}, QStringList(u"99"_s) + numbers);
    row("cmdAnswer_3", "fraQuestion", {3600, 1890, 1095, 825}, QStringList(u"99"_s) + numbers);
    row("Label1", "fraQuestion", {3315, 3075, 960, 270}, {u"Time Taken : "_s});
    row("lblTimeTaken", "fraQuestion", {4485, 3075, 825, 285}, {u"99 secs"_s, u"0"_s, u"0 sec"_s, u"32767 sec"_s});
    row("Label2", "fraQuestion", {120, 3045, 1350, 285}, {u"No of Questions : "_s});
    row("lblNoOfQuestion", "fraQuestion", {1410, 3045, 1125, 270}, {u"1 of 20"_s, u"20 of 20"_s, u"50 of 50"_s});
    row("Label3", "fraQuestion", {120, 3345, 1275, 285}, {u"Wrong Answers :"_s});
    row("lblWrongAnswers", "fraQuestion", {1455, 3345, 375, 195}, {u"9"_s, u"99"_s});
    row("Label5", "fraQuestion", {1275, 1575, 2565, 210}, {u"Click on the correct answer"_s});
    row("Picture1", "fraQuestion", {2760, 2805, 435, 435});
}

// Each text the control may show is drawn whole: its advance fits the width
// and its ink, placed as the control aligns it, stays inside the height.
void tst_MainWindow::controlFollowsTheLayoutTable()
{
    QFETCH(QString, parentName);
    QFETCH(QRect, twips);
    QFETCH(QStringList, texts);
    QWidget *w = control(QString::fromLatin1(QTest::currentDataTag()));
    auto *label = qobject_cast<QLabel *>(w);
    auto *button = qobject_cast<QPushButton *>(w);
    auto *edit = qobject_cast<QPlainTextEdit *>(w);
    if (!texts.isEmpty())
        QCOMPARE(label ? label->text() : button ? button->text() : edit->toPlainText(), texts.first());
    if (edit) {
        const qreal lines = edit->document()->documentLayout()->documentSize().height();
        QVERIFY(edit->isReadOnly() && lines * edit->fontMetrics().lineSpacing() <= edit->viewport()->height());
        texts.clear();
    }
    QRect box = w->contentsRect();
    if (button) {
        QStyleOptionButton option;
        option.initFrom(button);
        box = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    const QFontMetrics fm(w->font());
    const bool centred = !label || label->alignment() & Qt::AlignVCenter;
    for (QString text : texts) {
        text = text.remove(u'&').trimmed();
        const int top = centred ? box.top() + (box.height() - fm.height()) / 2 : box.top();
        const QRect ink = fm.tightBoundingRect(text).translated(0, top + fm.ascent());
        QVERIFY2(fm.horizontalAdvance(text) <= box.width() && ink.top() >= box.top() && ink.bottom() <= box.bottom(),
                 qPrintable(u"'%1' needs %2 px, has %3"_s.arg(text).arg(fm.horizontalAdvance(text)).arg(box.width())));
    }

    if (parentName == u"fraQuestion"_s || w == control(u"fraQuestion"_s)) {
        window->tableList()->setCurrentIndex(1);
        window->cmdStartStop_Click(); // lays out the panel in front
    }
    const QWidget *parent = parentName == window->objectName() ? window.get() : control(parentName);
    const QRect pixels(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0), qRound(twips.width() / 15.0),
                       qRound(twips.height() / 15.0));
    QCOMPARE(QRect(w->mapTo(parent, QPoint(0, 0)), w->size()), pixels);
}

void tst_MainWindow::windowIsFixedWithTitleIconAndTableList()
{
    QCOMPARE(window->windowTitle(), u"Tabulon 1.1"_s);
    QCOMPARE(window->minimumSize(), QSize(396, 288));
    QCOMPARE(window->maximumSize(), QSize(396, 288));
    const auto shownFlags = Qt::WindowType_Mask | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    QCOMPARE(window->windowFlags() & shownFlags, Qt::Window | Qt::WindowCloseButtonHint); // with a task-bar entry
    for (int size : {16, 32, 48, 256})
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(size, size)));
    const QImage icon = window->windowIcon().pixmap(32).toImage();
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0); // transparent ground
    QVERIFY(qBlue(icon.pixel(16, 16)) > qRed(icon.pixel(16, 16))); // a blue cross in the middle
    QStringList entries;
    for (int i = 0; i < window->tableList()->count(); ++i)
        entries << window->tableList()->itemText(i);
    QCOMPARE(entries.join(u'|'), u"(select table)|1|2|3|4|5|6|7|8|9|1 to 9"_s);
    QCOMPARE(window->tableList()->currentIndex(), 0);
    QVERIFY(control(u"fraStart"_s)->isVisible() && !control(u"fraQuestion"_s)->isVisible());
    QCOMPARE(QApplication::focusWidget(), control(u"cmdStartStop"_s));
}

void tst_MainWindow::tabOrderFollowsTheLayoutTable()
{
    const auto chainFromStart = [this] {
        control(u"cmdStartStop"_s)->setFocus();
        QStringList chain;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            chain << QApplication::focusWidget()->objectName();
        }
        return chain.join(u' ');
    };
    QCOMPARE(chainFromStart(), u"cmdHighScores cmdExit cmbNumber Text1 cmdAbout cmdStartStop"_s);
    window->tableList()->setCurrentIndex(3);
    window->cmdStartStop_Click();
    QCOMPARE(chainFromStart(), u"cmdHighScores cmdExit cmdAnswer_1 cmdAnswer_2 cmdAnswer_3 cmdAbout"_s);
}

void tst_MainWindow::startAndStop_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("poolSize");
    QTest::newRow("table 9") << 9 << 20 << 20;
    QTest::newRow("1 to 9") << 10 << 50 << 90;
}

void tst_MainWindow::startAndStop()
{
    QFETCH(int, index);
    QFETCH(int, total);
    QFETCH(int, poolSize);
    const QuizState &quiz = window->quizState();
    window->tableList()->setCurrentIndex(index);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(quiz.blnStarted); // an access key clicks its button after a short animation
    QCOMPARE(quiz.intTotalQuestions, total);
    QCOMPARE(quiz.dtStartTime, clock->now);
    QCOMPARE(quiz.colQuestions.size(), poolSize - 1);
    QVERIFY(control<QTimer>(u"Timer1"_s)->isActive());
    QVERIFY(control(u"fraQuestion"_s)->isVisible() && !control(u"fraStart"_s)->isVisible());
    QCOMPARE(control<QPushButton>(u"cmdStartStop"_s)->text(), u"&Stop"_s);

    clock->advance(3);
    window->Timer1_Timer();
    const QuizState before = quiz;
    const QString shown = control<QLabel>(u"lblNoOfQuestion"_s)->text() + window->answerButton(2)->text();
    QTest::mouseClick(control(u"cmdStartStop"_s), Qt::LeftButton);
    QVERIFY(!quiz.blnStarted && !control<QTimer>(u"Timer1"_s)->isActive());
    QVERIFY(control(u"fraStart"_s)->isVisible());
    QCOMPARE(control<QPushButton>(u"cmdStartStop"_s)->text(), u"&Start"_s);
    QCOMPARE(control<QLabel>(u"lblTimeTaken"_s)->text(), u"0"_s);
    // Stop leaves the question, the pool and the other counters as they were.
    QCOMPARE(control<QLabel>(u"lblNoOfQuestion"_s)->text() + window->answerButton(2)->text(), shown);
    QCOMPARE(quiz.colQuestions, before.colQuestions);
    QCOMPARE(QPoint(quiz.intFirstNumber, quiz.intSecondNumber), QPoint(before.intFirstNumber, before.intSecondNumber));
    QCOMPARE(quiz.dtStartTime, before.dtStartTime);

    // Without a table, Start only asks for one.
    QString asked;
    ModalDialogs dialogs([&asked](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        asked = u"%1|%2|%3|%4"_s.arg(box->windowTitle(), box->text()).arg(box->icon()).arg(box->standardButtons());
        box->accept();
    });
    window->tableList()->setCurrentIndex(0);
    QTest::mouseClick(control(u"cmdStartStop"_s), Qt::LeftButton);
    QCOMPARE(asked, u"Tabulon|Select a table from the above list and click start|%1|%2"_s
                        .arg(QMessageBox::Information).arg(QMessageBox::Ok));
    QVERIFY(!quiz.blnStarted && control(u"fraStart"_s)->isVisible());

}

// Hidden controls take no focus, so keys can't change the table during a
// quiz or answer after one.
void tst_MainWindow::keyboardNeverReachesTheCoveredPanel()
{
    window->tableList()->setCurrentIndex(5);
    for (bool starting : {true, false}) {
        QWidget *focus = starting ? static_cast<QWidget *>(window->tableList()) : window->answerButton(2);
        focus->setFocus();
        QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(window->quizState().blnStarted, starting);
        for (int i = 0; i < 20; ++i) {
            focus = QApplication::focusWidget();
            QVERIFY2(focus && focus->isVisible(), focus ? qPrintable(focus->objectName()) : "no focus");
            if (starting)
                QTest::keyClick(focus, Qt::Key_Down);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
    }
    QCOMPARE(window->tableList()->currentIndex(), 5);
}

void tst_MainWindow::exitEndsTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << u"button"_s;
    QTest::newRow("Alt+E") << u"alt"_s;
    QTest::newRow("title bar close") << u"close"_s;
}

void tst_MainWindow::exitEndsTheProgram()
{
    QFETCH(QString, how);
    window->tableList()->setCurrentIndex(10);
    window->cmdStartStop_Click(); // even during a quiz
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
