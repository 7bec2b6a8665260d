#include "GameWindow.h"
#include "ModalDialogs.h"
#include "SoundFile.h"

#include <QAbstractTextDocumentLayout>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// The main window driven as a player drives it: its layout, starting and
// stopping, whole quizzes answered by reading the question and choosing the
// button that shows the product, with the mouse or the keyboard alone, and
// ending the program.
class tst_MainWindow : public QObject, GameWindow
{
    Q_OBJECT

    QTemporaryDir dir;
    QString mediaDir;
    std::shared_ptr<SettingsStore> settings;

    QString counters() const { return text("lblWrongAnswers") + u'|' + text("lblTimeTaken") + u'|' + text("lblNoOfQuestion"); }
    QString shownQuestion() const { return text("lblFirstNumber") + u'x' + text("lblSecondNumber"); }
    QString stored(const QString &key) const { return settings->ReadSetting(u"Quorvil"_s, u"Multi"_s, key, {}); }

    bool pictureIs(const QString &fileName) const
    {
        const auto argb = [](const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); };
        const QImage expected(mediaDir + u'/' + fileName);
        return !expected.isNull() && argb(control<QLabel>("Picture1")->pixmap().toImage()) == argb(expected);
    }

    // Presses the key where the focus is. The focus stays on a control in
    // view: the covered panel never takes it, so keys can't change the table
    // during a quiz or answer after one.
    void press(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key);
        const QWidget *focus = QApplication::focusWidget();
        QVERIFY2(focus && focus->isVisible(), focus ? qPrintable(focus->objectName()) : "no focus");
    }

    void startOrStopByAccessKey(bool started)
    {
        QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(window->quizState().blnStarted, started); // an access key clicks after a short animation
    }

    // Stops a first quiz with an answer in focus, then goes once round the
    // controls and on to the table list, where Down chooses the table.
    void startByKeyboard(int table)
    {
        window->tableList()->setCurrentIndex(table - 1);
        startOrStopByAccessKey(true);
        window->answerButton(2)->setFocus();
        startOrStopByAccessKey(false);
        for (int i = 0; i < 9; ++i)
            press(Qt::Key_Tab);
        press(Qt::Key_Down);
        startOrStopByAccessKey(true);
    }

    // Clicks the answer button, or moves the focus to it and presses Space.
    void answer(int button, bool byKeyboard)
    {
        if (!byKeyboard) {
            QTest::mouseClick(window->answerButton(button), Qt::LeftButton);
            return;
        }
        while (QApplication::focusWidget() != window->answerButton(button))
            press(button == 2 ? Qt::Key_Backtab : Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }

private Q_SLOTS:
    void init()
    {
        mediaDir = QStringLiteral(TABULON_MEDIA_DIR);
        QFile::remove(dir.filePath(u"highscores.ini"_s));
        settings = std::make_shared<SettingsStore>(dir.filePath(u"highscores.ini"_s));
        openWindow({.random = RandomNumbers(17), .settings = settings,
                    .mediaFile = [this](const QString &name) { return mediaDir + u'/' + name; }});
    }

    void controlFollowsTheLayoutTable_data()
    {
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QStringList>("texts"); // what the game writes there besides the text it starts with
        const auto row = [](const char *name, const char *parent, QRect twips, QStringList texts = {}) {
            QTest::newRow(name) << QString::fromLatin1(parent) << twips << texts;
        };
        QStringList numbers;
        for (int n = 1; n <= 99; ++n)
            numbers << QString::number(n);
        row("fraStart", "frmMultiiplication", {60, 15, 5745, 3690});
        row("fraQuestion", "frmMultiiplication", {60, 15, 5745, 3690});
        row("cmdStartStop", "frmMultiiplication", {135, 3885, 1170, 310}, {u"&Stop"_s});
        row("cmdHighScores", "frmMultiiplication", {1350, 3885, 1170, 310});
        row("cmdExit", "frmMultiiplication", {4575, 3885, 1170, 310});
        row("cmdAbout", "frmMultiiplication", {2565, 3885, 1170, 310});
        row("Label4", "fraStart", {713, 885, 2070, 270});
        row("cmbNumber", "fraStart", {2858, 840, 2370, 330});
        row("Text1", "fraStart", {465, 1485, 5115, 2025});
        row("lblFirstNumber", "fraQuestion", {1305, 615, 915, 1020}, numbers.mid(0, 10));
        row("lblSecondNumber", "fraQuestion", {3660, 615, 915, 1020}, numbers.mid(0, 10));
        row("lblSign", "fraQuestion", {2618, 615, 705, 765});
        row("cmdAnswer_1", "fraQuestion", {1245, 1890, 1095, 825}, numbers);
        row("cmdAnswer_2", "fraQuestion", {2430, 1890, 1095, 825}, numbers);
        row("cmdAnswer_3", "fraQuestion", {3600, 1890, 1095, 825}, numbers);
        row("Label1", "fraQuestion", {3315, 3075, 960, 270});
        row("lblTimeTaken", "fraQuestion", {4485, 3075, 825, 285}, {u"0"_s, u"0 sec"_s, u"32767 sec"_s});
        row("Label2", "fraQuestion", {120, 3045, 1350, 285});
        row("lblNoOfQuestion", "fraQuestion", {1410, 3045, 1125, 270}, {u"1 of 20"_s, u"20 of 20"_s, u"50 of 50"_s});
        row("Label3", "fraQuestion", {120, 3345, 1275, 285});
        row("lblWrongAnswers", "fraQuestion", {1455, 3345, 375, 195}, {u"99"_s});
        row("Label5", "fraQuestion", {1275, 1575, 2565, 210});
        row("Picture1", "fraQuestion", {2760, 2805, 435, 435});
    }

    void controlFollowsTheLayoutTable()
    {
        QFETCH(QString, parentName);
        QFETCH(QRect, twips);
        QFETCH(QStringList, texts);
        QWidget *w = control(QTest::currentDataTag());
        if (auto *edit = qobject_cast<QPlainTextEdit *>(w)) {
            const qreal lines = edit->document()->documentLayout()->documentSize().height();
            QVERIFY(edit->isReadOnly() && lines * edit->fontMetrics().lineSpacing() <= edit->viewport()->height());
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            texts << label->text();
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            texts << button->text();
        }
        for (const QString &text : texts)
            verifyTextFits(w, text);
        if (parentName == u"fraQuestion"_s || w == control("fraQuestion"))
            start(1); // lays out the panel in front
        const QWidget *parent = parentName == window->objectName() ? window.get() : control(parentName);
        QCOMPARE(QRect(w->mapTo(parent, QPoint(0, 0)), w->size()), fromTwips(twips));
    }

    void windowIsFixedWithTitleIconAndTableList()
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

    void tabOrderFollowsTheLayoutTable()
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
        start(3);
        QCOMPARE(chainFromStart(), u"cmdHighScores cmdExit cmdAnswer_1 cmdAnswer_2 cmdAnswer_3 cmdAbout"_s);
    }

    void startAndStop()
    {
        const QuizState &quiz = window->quizState();
        start(9);
        QVERIFY(control("fraQuestion")->isVisible() && !control("fraStart")->isVisible());
        QCOMPARE(control<QPushButton>("cmdStartStop")->text(), u"&Stop"_s);

        clock->advance(3);
        window->Timer1_Timer();
        const QStringList pool = quiz.colQuestions;
        const QString shown = counters() + window->answerButton(2)->text();
        QTest::mouseClick(control("cmdStartStop"), Qt::LeftButton);
        QVERIFY(!quiz.blnStarted && !control<QTimer>("Timer1")->isActive());
        QVERIFY(control("fraStart")->isVisible());
        QCOMPARE(control<QPushButton>("cmdStartStop")->text(), u"&Start"_s);
        // Stop shows the time as 0 and leaves the question, the pool and the other counters as they were.
        QCOMPARE(counters() + window->answerButton(2)->text(), QString(shown).replace(u"3 sec"_s, u"0"_s));
        QCOMPARE(quiz.colQuestions, pool);

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

    void playsAWholeQuizToItsEnd_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("wrongAnswers");
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("table 4 by keyboard alone, five mistakes") << 4 << 5 << true;
        QTest::newRow("table 1 keeps no score") << 1 << 2 << false;
        QTest::newRow("1 to 9, three mistakes") << 10 << 3 << false;
    }

    void playsAWholeQuizToItsEnd()
    {
        QFETCH(int, table);
        QFETCH(int, wrongAnswers);
        QFETCH(bool, byKeyboard);
        const int total = table == 10 ? 50 : 20;
        if (byKeyboard)
            startByKeyboard(table);
        else
            start(table);
        int wrongSoFar = 0;
        for (int question = 1; question < total; ++question) {
            clock->advance(2);
            if (wrongSoFar < wrongAnswers && question % 3 == 0) {
                const QString asked = shownQuestion();
                answer(productButton() % 3 + 1, byKeyboard);
                QCOMPARE(shownQuestion(), asked);
                QVERIFY(pictureIs(u"sad.gif"_s));
                ++wrongSoFar;
            }
            answer(productButton(), byKeyboard);
            QVERIFY(pictureIs(u"smile.gif"_s));
            window->Timer1_Timer();
            // Each wrong answer adds a second to the time shown.
            QCOMPARE(counters(), u"%1|%2 sec|%3 of %4"_s.arg(wrongSoFar).arg(2 * question + wrongSoFar).arg(question).arg(total));
        }
        clock->advance(2);
        const int seconds = 2 * total + wrongAnswers;

        QElapsedTimer sinceLastAnswer;
        qint64 promptAfterMs = -1;
        QStringList titles;
        QString listing, countersAtTheEnd;
        ModalDialogs dialogs([&](QWidget *dialog) {
            titles << dialog->windowTitle();
            if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
                promptAfterMs = sinceLastAnswer.elapsed();
                countersAtTheEnd = counters();
                QTest::keyClicks(input->findChild<QLineEdit *>(), u"Ann"_s);
            } else if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
                listing = box->text();
            }
            if (byKeyboard)
                QTest::keyClick(dialog, Qt::Key_Return);
            else
                QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        sinceLastAnswer.start();
        answer(productButton(), byKeyboard);

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

    void exitEndsTheProgram_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit button") << u"button"_s;
        QTest::newRow("Alt+E") << u"alt"_s;
        QTest::newRow("title bar close") << u"close"_s;
    }

    void exitEndsTheProgram()
    {
        QFETCH(QString, how);
        start(10); // even during a quiz
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
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
