#include "FakeClock.h"
#include "ModalDialogs.h"
#include "SoundFile.h"
#include "frmMultiiplication.h"

#include <QAbstractTextDocumentLayout>
#include <QAudioDevice>
#include <QComboBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The main window driven as a player drives it: its layout, starting and
// stopping, whole quizzes answered by reading the question and clicking the
// button that shows the product, and ending the program.
class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void controlFollowsTheLayoutTable_data();
    void controlFollowsTheLayoutTable();
    void windowIsFixedWithTitleIconAndTableList();
    void tabOrderFollowsTheLayoutTable();
    void startAndStop();
    void playsAWholeQuizToItsEnd_data();
    void playsAWholeQuizToItsEnd();
    void playsByKeyboardAlone();
    void unreadablePictureLeavesTheBoxEmpty();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();

private:
    template<typename T = QWidget>
    T *control(QAnyStringView name) const { return window->findChild<T *>(name.toString()); }
    QString text(QAnyStringView name) const { return control<QLabel>(name)->text(); }
    QString counters() const { return text("lblWrongAnswers") + u'|' + text("lblTimeTaken") + u'|' + text("lblNoOfQuestion"); }
    QString stored(const QString &key) const { return settings->ReadSetting(u"Quorvil"_s, u"Multi"_s, key, {}); }
    void start(int table)
    {
        window->tableList()->setCurrentIndex(table);
        QTest::mouseClick(control("cmdStartStop"), Qt::LeftButton);
    }
    int productButton() const;
    bool pictureIs(const QString &fileName) const;

    QTemporaryDir dir;
    QString mediaDir;
    std::shared_ptr<FakeClock> clock;
    std::shared_ptr<SettingsStore> settings;
    std::unique_ptr<frmMultiiplication> window;
};

void tst_MainWindow::init()
{
    mediaDir = QStringLiteral(TABULON_MEDIA_DIR);
    clock = std::make_shared<FakeClock>();
    QFile::remove(dir.filePath(u"highscores.ini"_s));
    settings = std::make_shared<SettingsStore>(dir.filePath(u"highscores.ini"_s));
    const auto mediaFile = [this](const QString &name) { return mediaDir + u'/' + name; };
    window = std::make_unique<frmMultiiplication>(WindowServices{clock, RandomNumbers(17), settings, mediaFile});
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

// Worked out from the screen alone, as a player would.
int tst_MainWindow::productButton() const
{
    const int product = text("lblFirstNumber").toInt() * text("lblSecondNumber").toInt();
    for (int i = 1; i <= 3; ++i)
        if (window->answerButton(i)->text().toInt() == product)
            return i;
    return 0;
}

bool tst_MainWindow::pictureIs(const QString &fileName) const
{
    const auto argb = [](const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); };
    const QImage expected(mediaDir + u'/' + fileName);
    return !expected.isNull() && argb(control<QLabel>("Picture1")->pixmap().toImage()) == argb(expected);
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
    QWidget *w = control(QTest::currentDataTag());
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

    if (parentName == u"fraQuestion"_s || w == control("fraQuestion")) {
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
    for (int size : {16, 24, 32, 48, 64})
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(size, size)));
    const QImage icon = window->windowIcon().pixmap(32).toImage();
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0); // transparent ground
    QVERIFY(qBlue(icon.pixel(16, 16)) > qRed(icon.pixel(16, 16))); // a blue cross in the middle
    QStringList entries;
    for (int i = 0; i < window->tableList()->count(); ++i)
        entries << window->tableList()->itemText(i);
    QCOMPARE(entries.join(u'|'), u"(select table)|1|2|3|4|5|6|7|8|9|1 to 9"_s);
    QCOMPARE(window->tableList()->currentIndex(), 0);
    QVERIFY(control("fraStart")->isVisible() && !control("fraQuestion")->isVisible());
    QCOMPARE(QApplication::focusWidget(), control("cmdStartStop"));
}

void tst_MainWindow::tabOrderFollowsTheLayoutTable()
{
    const auto chainFromStart = [this] {
        control("cmdStartStop")->setFocus();
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

void tst_MainWindow::startAndStop()
{
    const QuizState &quiz = window->quizState();
    window->tableList()->setCurrentIndex(9);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(quiz.blnStarted); // an access key clicks its button after a short animation
    QCOMPARE(quiz.intTotalQuestions, 20);
    QCOMPARE(quiz.dtStartTime, clock->now);
    QCOMPARE(quiz.colQuestions.size(), 19);
    QVERIFY(control<QTimer>("Timer1")->isActive());
    QVERIFY(control("fraQuestion")->isVisible() && !control("fraStart")->isVisible());
    QCOMPARE(control<QPushButton>("cmdStartStop")->text(), u"&Stop"_s);

    clock->advance(3);
    window->Timer1_Timer();
    const QuizState before = quiz;
    const QString shown = counters() + window->answerButton(2)->text();
    QTest::mouseClick(control("cmdStartStop"), Qt::LeftButton);
    QVERIFY(!quiz.blnStarted && !control<QTimer>("Timer1")->isActive());
    QVERIFY(control("fraStart")->isVisible());
    QCOMPARE(control<QPushButton>("cmdStartStop")->text(), u"&Start"_s);
    // Stop shows the time as 0 and leaves the question, the pool and the other counters as they were.
    QCOMPARE(counters() + window->answerButton(2)->text(), QString(shown).replace(u"3 sec"_s, u"0"_s));
    QCOMPARE(quiz.colQuestions, before.colQuestions);

    QString asked; // without a table, Start only asks for one
    ModalDialogs dialogs([&asked](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        asked = u"%1|%2|%3|%4"_s.arg(box->windowTitle(), box->text()).arg(box->icon()).arg(box->standardButtons());
        box->accept();
    });
    start(0);
    QCOMPARE(asked, u"Tabulon|Select a table from the above list and click start|%1|%2"_s
                        .arg(QMessageBox::Information).arg(QMessageBox::Ok));
    QVERIFY(!quiz.blnStarted && control("fraStart")->isVisible());
}


void tst_MainWindow::playsAWholeQuizToItsEnd_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("wrongAnswers");
    QTest::newRow("table 4, five mistakes") << 4 << 5;
    QTest::newRow("table 1 keeps no score") << 1 << 2;
    QTest::newRow("1 to 9, three mistakes") << 10 << 3;
}

void tst_MainWindow::playsAWholeQuizToItsEnd()
{
    QFETCH(int, table);
    QFETCH(int, wrongAnswers);
    const int total = table == 10 ? 50 : 20;
    window->tableList()->setCurrentIndex(table);
    QTest::mouseClick(control("cmdStartStop"), Qt::LeftButton);
    int wrongSoFar = 0;
    for (int question = 1; question < total; ++question) {
        clock->advance(2);
        if (wrongSoFar < wrongAnswers && question % 3 == 0) {
            const QString asked = text("lblFirstNumber") + u'x' + text("lblSecondNumber");
            QTest::mouseClick(window->answerButton(productButton() % 3 + 1), Qt::LeftButton);
            QCOMPARE(text("lblFirstNumber") + u'x' + text("lblSecondNumber"), asked);
            QVERIFY(pictureIs(u"sad.gif"_s));
            ++wrongSoFar;
        }
        QTest::mouseClick(window->answerButton(productButton()), Qt::LeftButton);
        QVERIFY(pictureIs(u"smile.gif"_s));
        window->Timer1_Timer();
        // Each wrong answer adds a second to the time shown.
        QCOMPARE(counters(), u"%1|%2 sec|%3 of %4"_s.arg(wrongSoFar).arg(2 * question + wrongSoFar).arg(question).arg(total));
    }
    QCOMPARE(wrongSoFar, wrongAnswers);
    clock->advance(2);
    const int seconds = 2 * total + wrongAnswers;

    QElapsedTimer sinceLastClick;
    qint64 promptAfterMs = -1;
    QStringList titles;
    QString listing, countersAtTheEnd;
    ModalDialogs dialogs([&](QWidget *dialog) {
        titles << dialog->windowTitle();
        if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
            promptAfterMs = sinceLastClick.elapsed();
            countersAtTheEnd = counters();
            QTest::keyClicks(input->findChild<QLineEdit *>(), u"Ann"_s);
            input->accept();
        } else if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            listing = box->text();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        }
    });
    sinceLastClick.start();
    QTest::mouseClick(window->answerButton(productButton()), Qt::LeftButton);

    const QuizState &quiz = window->quizState();
    QCOMPARE(quiz.dtEndTime - quiz.dtStartTime, seconds);
    if (table == 1) {
        QVERIFY(titles.isEmpty());
        QCOMPARE(stored(u"1Score"_s), QString());
    } else {
        QCOMPARE(titles.join(u'|'), u"You have created a new High score|Tabulon - High Scores"_s);
        QCOMPARE(countersAtTheEnd, u"%1|%2 sec|%3 of %3"_s.arg(wrongAnswers).arg(seconds).arg(total));
        QCOMPARE(stored(QString::number(table) + u"Score"_s), QString::number(seconds));
        QCOMPARE(stored(QString::number(table) + u"Name"_s), u"Ann"_s);
        const QString label = table == 10 ? u"Table 1 to 9\t"_s : u"Table %1\t\t"_s.arg(table);
        QVERIFY2(listing.contains(label + u"Ann ( %1 sec )\r\n"_s.arg(seconds)), qPrintable(listing));
        const auto jingle = SoundFile::read(mediaDir + u"/0.wav"_s);
        QVERIFY(jingle);
        if (!QMediaDevices::audioOutputs().isEmpty()) // the closing sound is played out before the name is asked
            QVERIFY2(promptAfterMs * 1000 >= jingle->duration().count(), qPrintable(QString::number(promptAfterMs)));
    }
    QVERIFY(!quiz.blnStarted);
    QCOMPARE(control<QPushButton>("cmdStartStop")->text(), u"&Start"_s);
    QVERIFY(control("fraStart")->isVisible());
    QCOMPARE(counters(), u"%1|0|%2 of %2"_s.arg(wrongAnswers).arg(total));
    QVERIFY(pictureIs(u"smile.gif"_s));

    QTest::mouseClick(control("cmdStartStop"), Qt::LeftButton); // the next quiz counts from zero
    QCOMPARE(quiz.intWrongAnswers + quiz.intQuestionNo, 0);
    QCOMPARE(quiz.dtStartTime, clock->now);
}

// Tab reaches only the panel in front, Space presses the button in focus and
// Enter answers the dialogs. The covered panel never takes the focus, so keys
// can't change the table during a quiz or answer after one.
void tst_MainWindow::playsByKeyboardAlone()
{
    const auto press = [](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key);
        const QWidget *focus = QApplication::focusWidget();
        QVERIFY2(focus && focus->isVisible(), focus ? qPrintable(focus->objectName()) : "no focus");
    };
    window->tableList()->setCurrentIndex(5);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(window->quizState().blnStarted);
    window->answerButton(2)->setFocus();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier); // stopped with an answer in focus
    QTRY_VERIFY(!window->quizState().blnStarted);
    for (int i = 0; i < 9; ++i) // once round, then on to the table list
        press(Qt::Key_Tab);
    press(Qt::Key_Down);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(window->quizState().blnStarted);
    ModalDialogs dialogs([](QWidget *dialog) {
        if (auto *input = qobject_cast<QInputDialog *>(dialog))
            QTest::keyClicks(input->findChild<QLineEdit *>(), u"Keys"_s);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    for (int question = 0; question < 20; ++question) {
        clock->advance(1);
        while (QApplication::focusWidget() != window->answerButton(productButton()))
            press(question % 2 ? Qt::Key_Tab : Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }
    QTRY_VERIFY(!window->quizState().blnStarted);
    QCOMPARE(stored(u"6Score"_s) + u'|' + stored(u"6Name"_s), u"20|Keys"_s);
}

// One lost or damaged picture must not end the game at every answer.
void tst_MainWindow::unreadablePictureLeavesTheBoxEmpty()
{
    QVERIFY(QFile::copy(mediaDir + u"/smile.gif"_s, dir.filePath(u"smile.gif"_s)));
    QFile sad(dir.filePath(u"sad.gif"_s));
    mediaDir = dir.path();
    start(3);
    for (const QByteArray &damage : {QByteArray(), QByteArray("GIF89a, and then nothing more.")}) {
        QVERIFY(damage.isNull() || (sad.open(QIODevice::WriteOnly) && sad.write(damage) && sad.flush()));
        QTest::mouseClick(window->answerButton(productButton()), Qt::LeftButton);
        QVERIFY(pictureIs(u"smile.gif"_s));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Cannot show the picture .*/sad.gif: .+"_s));
        QTest::mouseClick(window->answerButton(productButton() % 3 + 1), Qt::LeftButton);
        QVERIFY(control<QLabel>("Picture1")->pixmap().isNull());
    }
    QVERIFY(window->quizState().blnStarted);
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
            QTest::mouseClick(control("cmdExit"), Qt::LeftButton);
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
