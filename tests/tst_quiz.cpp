#include "AnswerJudge.h"
#include "FakeClock.h"
#include "ModalDialogs.h"
#include "SoundFile.h"
#include "frmMultiiplication.h"

#include <QAudioDevice>
#include <QComboBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Whole quizzes on the real main window, played as a child plays them: read
// the question, click the button that shows the product.
class tst_Quiz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { window.reset(); }
    void playsAWholeQuizToItsEnd_data();
    void playsAWholeQuizToItsEnd();
    void playsByKeyboardAlone();
    void unreadablePictureLeavesTheBoxEmpty_data();
    void unreadablePictureLeavesTheBoxEmpty();
    void countersStopAtTheirLargestValue();

private:
    QString text(const char *name) const { return window->findChild<QLabel *>(QString::fromLatin1(name))->text(); }
    QString counters() const { return text("lblWrongAnswers") + u'|' + text("lblTimeTaken") + u'|' + text("lblNoOfQuestion"); }
    QWidget *startButton() const { return window->findChild<QWidget *>(u"cmdStartStop"_s); }
    QString stored(const QString &key) const { return settings->ReadSetting(u"Quorvil"_s, u"Multi"_s, key, {}); }
    bool pictureIs(const QString &fileName) const;
    int productButton() const;

    QTemporaryDir dir;
    QString mediaDir;
    std::shared_ptr<FakeClock> clock;
    std::shared_ptr<SettingsStore> settings;
    std::unique_ptr<frmMultiiplication> window;
};

void tst_Quiz::init()
{
    mediaDir = QStringLiteral(TABULON_MEDIA_DIR);
    clock = std::make_shared<FakeClock>();
    QFile::remove(dir.filePath(u"highscores.ini"_s));
    settings = std::make_shared<SettingsStore>(dir.filePath(u"highscores.ini"_s));
    const auto mediaFile = [this](const QString &name) { return mediaDir + u'/' + name; };
    window = std::make_unique<frmMultiiplication>(WindowServices{clock, RandomNumbers(4242), settings, mediaFile});
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

// Worked out from the screen alone, as a player would.
int tst_Quiz::productButton() const
{
    const int product = text("lblFirstNumber").toInt() * text("lblSecondNumber").toInt();
    for (int i = 1; i <= 3; ++i)
        if (window->answerButton(i)->text().toInt() == product)
            return i;
    return 0;
}

bool tst_Quiz::pictureIs(const QString &fileName) const
{
    const auto argb = [](const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); };
    const QImage expected(mediaDir + u'/' + fileName);
    return !expected.isNull() && argb(window->findChild<QLabel *>(u"Picture1"_s)->pixmap().toImage()) == argb(expected);
}

void tst_Quiz::playsAWholeQuizToItsEnd_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("wrongAnswers");
    QTest::newRow("table 4, five mistakes") << 4 << 5;
    QTest::newRow("table 1 keeps no score") << 1 << 2;
    QTest::newRow("1 to 9, three mistakes") << 10 << 3;
}

void tst_Quiz::playsAWholeQuizToItsEnd()
{
    QFETCH(int, table);
    QFETCH(int, wrongAnswers);
    const int total = table == 10 ? 50 : 20;
    window->tableList()->setCurrentIndex(table);
    QTest::mouseClick(startButton(), Qt::LeftButton);
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
    QCOMPARE(window->findChild<QPushButton *>(u"cmdStartStop"_s)->text(), u"&Start"_s);
    QVERIFY(window->findChild<QWidget *>(u"fraStart"_s)->isVisible());
    QCOMPARE(counters(), u"%1|0|%2 of %2"_s.arg(wrongAnswers).arg(total));
    QVERIFY(pictureIs(u"smile.gif"_s));

    QTest::mouseClick(startButton(), Qt::LeftButton); // the next quiz counts from zero
    QCOMPARE(quiz.intWrongAnswers + quiz.intQuestionNo, 0);
    QCOMPARE(quiz.dtStartTime, clock->now);
}

// Tab reaches the answer buttons, Space presses the one in focus and Enter
// answers the dialogs.
void tst_Quiz::playsByKeyboardAlone()
{
    startButton()->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // High Score, Exit, the table list
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(window->tableList()->currentIndex(), 6);
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
            QTest::keyClick(QApplication::focusWidget(), question % 2 ? Qt::Key_Tab : Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }
    QTRY_VERIFY(!window->quizState().blnStarted);
    QCOMPARE(stored(u"6Name"_s), u"Keys"_s);
    QCOMPARE(stored(u"6Score"_s), u"20"_s);
}

void tst_Quiz::unreadablePictureLeavesTheBoxEmpty_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a picture") << QByteArray("GIF89a, and then nothing more.");
}

// One lost or damaged picture must not end the game at every answer.
void tst_Quiz::unreadablePictureLeavesTheBoxEmpty()
{
    QFETCH(QByteArray, content);
    QFile::remove(dir.filePath(u"sad.gif"_s));
    QFile::remove(dir.filePath(u"smile.gif"_s));
    QVERIFY(QFile::copy(mediaDir + u"/smile.gif"_s, dir.filePath(u"smile.gif"_s)));
    QFile sad(dir.filePath(u"sad.gif"_s));
    QVERIFY(content.isNull() || (sad.open(QIODevice::WriteOnly) && sad.write(content) && sad.flush()));
    mediaDir = dir.path();
    window->tableList()->setCurrentIndex(3);
    QTest::mouseClick(startButton(), Qt::LeftButton);
    QTest::mouseClick(window->answerButton(productButton()), Qt::LeftButton);
    QVERIFY(pictureIs(u"smile.gif"_s));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Cannot show the picture .*/sad.gif: .+"_s));
    QTest::mouseClick(window->answerButton(productButton() % 3 + 1), Qt::LeftButton);
    QVERIFY(window->findChild<QLabel *>(u"Picture1"_s)->pixmap().isNull());
    QVERIFY(window->quizState().blnStarted);
}

// A 16-bit counter would overflow on the 32768th wrong answer, and a quiz
// left open for nine hours would show a time beyond 16 bits: both stop at
// their largest value, while every penalty still counts.
void tst_Quiz::countersStopAtTheirLargestValue()
{
    QuizState quiz;
    quiz.intAnswer = 6;
    quiz.intTotalQuestions = 20;
    quiz.dtStartTime = 100000;
    for (int k = 0; k < 32770; ++k)
        QCOMPARE(AnswerJudge::judge(quiz, u"7"_s), AnswerOutcome::Wrong);
    QCOMPARE(quiz.intWrongAnswers, 32767);
    QCOMPARE(AnswerJudge::shownSeconds(quiz, 100000), 32767);
    QCOMPARE(AnswerJudge::shownSeconds(quiz, 100000 - 32771), 0); // never below 0
}

QTEST_MAIN(tst_Quiz)
#include "tst_quiz.moc"
