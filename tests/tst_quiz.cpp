#include "FakeClock.h"
#include "ModalDialogs.h"
#include "SettingsStore.h"
#include "frmMultiiplication.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

using namespace Qt::StringLiterals;

// Whole quizzes played on the real main window, the way a child plays them:
// read the question, click the button that shows the product.
class tst_Quiz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void playsAWholeQuizToItsEnd_data();
    void playsAWholeQuizToItsEnd();
    void wrongAnswerKeepsTheQuestion();
    void eachWrongAnswerAddsOneSecond_data();
    void eachWrongAnswerAddsOneSecond();
    void slowerQuizAsksNothing();
    void playsByKeyboardAlone();
    void nextQuizShowsTheLastPictureUntilItsFirstAnswer();

private:
    QLabel *label(const QString &name) const { return window->findChild<QLabel *>(name); }
    QString stored(const QString &key) const
    {
        return SettingsStore(settingsFile).ReadSetting(u"Quorvil"_s, u"Multi"_s, key, u""_s);
    }
    int productButton() const;
    int wrongButton() const;
    void startWithTable(int index);
    bool pictureIs(const QString &fileName) const;

    std::unique_ptr<QTemporaryDir> dir;
    QString settingsFile;
    std::shared_ptr<FakeClock> clock;
    std::unique_ptr<frmMultiiplication> window;
};

namespace {

double soundSeconds(const QString &path)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return 0;
    sf_close(file);
    return double(info.frames) / info.samplerate;
}

} // namespace

void tst_Quiz::init()
{
    dir = std::make_unique<QTemporaryDir>();
    settingsFile = dir->filePath(u"highscores.ini"_s);
    clock = std::make_shared<FakeClock>();
    WindowServices services;
    services.clock = clock;
    services.random = RandomNumbers(4242);
    services.settings = std::make_shared<SettingsStore>(settingsFile);
    services.mediaFile = [](const QString &name) { return QStringLiteral(TABULON_MEDIA_DIR "/") + name; };
    window = std::make_unique<frmMultiiplication>(std::move(services));
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void tst_Quiz::cleanup()
{
    window.reset();
    dir.reset();
}

// The index of the button that shows the product of the two factors on
// screen, worked out from the screen alone.
int tst_Quiz::productButton() const
{
    const int product = label(u"lblFirstNumber"_s)->text().toInt()
                        * label(u"lblSecondNumber"_s)->text().toInt();
    for (int i = 1; i <= 3; ++i)
        if (window->answerButton(i)->text().toInt() == product)
            return i;
    return 0;
}

int tst_Quiz::wrongButton() const
{
    return productButton() % 3 + 1;
}

void tst_Quiz::startWithTable(int index)
{
    window->tableList()->setCurrentIndex(index);
    QTest::mouseClick(window->findChild<QPushButton *>(u"cmdStartStop"_s), Qt::LeftButton);
}

bool tst_Quiz::pictureIs(const QString &fileName) const
{
    const QPixmap shown = label(u"Picture1"_s)->pixmap();
    const QImage expected(QStringLiteral(TABULON_MEDIA_DIR "/") + fileName);
    return !shown.isNull() && !expected.isNull()
           && shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied)
                  == expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void tst_Quiz::playsAWholeQuizToItsEnd_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("wrongAnswers");
    QTest::addColumn<bool>("scored");
    QTest::newRow("table 7, no mistake") << 7 << 0 << true;
    QTest::newRow("table 4, five mistakes") << 4 << 5 << true;
    QTest::newRow("table 1 keeps no score") << 1 << 2 << false;
    QTest::newRow("1 to 9, three mistakes") << 10 << 3 << true;
}

void tst_Quiz::playsAWholeQuizToItsEnd()
{
    QFETCH(int, table);
    QFETCH(int, wrongAnswers);
    QFETCH(bool, scored);

    startWithTable(table);
    const int total = table == 10 ? 50 : 20;
    constexpr int SecondsPerQuestion = 2;
    int wrongLeft = wrongAnswers;
    for (int question = 1; question < total; ++question) {
        clock->advance(SecondsPerQuestion);
        if (wrongLeft > 0 && question % 3 == 0) {
            --wrongLeft;
            QTest::mouseClick(window->answerButton(wrongButton()), Qt::LeftButton);
            QVERIFY(pictureIs(u"sad.gif"_s));
        }
        QVERIFY(productButton() != 0);
        QTest::mouseClick(window->answerButton(productButton()), Qt::LeftButton);
        QVERIFY(pictureIs(u"smile.gif"_s));
        QCOMPARE(window->quizState().intQuestionNo, question);
        window->Timer1_Timer();
        QCOMPARE(label(u"lblNoOfQuestion"_s)->text(), u"%1 of %2"_s.arg(question).arg(total));
    }
    QCOMPARE(wrongLeft, 0);
    clock->advance(SecondsPerQuestion);
    const int seconds = total * SecondsPerQuestion + wrongAnswers;

    ModalDialogs dialogs;
    QElapsedTimer sinceLastClick;
    qint64 promptAfterMs = -1;
    QStringList titles;
    QString listing;
    QString countersDuringEnd;
    dialogs.answerEach([&](QWidget *dialog) {
        titles << dialog->windowTitle();
        if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
            promptAfterMs = sinceLastClick.elapsed();
            countersDuringEnd = label(u"lblWrongAnswers"_s)->text() + u'|'
                                + label(u"lblTimeTaken"_s)->text() + u'|'
                                + label(u"lblNoOfQuestion"_s)->text();
            QTest::keyClicks(input->findChild<QLineEdit *>(), u"Ann"_s);
            QTest::mouseClick(input->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        } else if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            listing = box->text();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        }
    });
    sinceLastClick.start();
    QTest::mouseClick(window->answerButton(productButton()), Qt::LeftButton);

    if (scored) {
        QCOMPARE(titles, QStringList({u"You have created a new High score"_s,
                                      u"Tabulon - High Scores"_s}));
        QCOMPARE(countersDuringEnd, u"%1|%2 sec|%3 of %3"_s.arg(wrongAnswers).arg(seconds).arg(total));
        const QString key = QString::number(table);
        QCOMPARE(stored(key + u"Score"_s), QString::number(seconds));
        QCOMPARE(stored(key + u"Name"_s), u"Ann"_s);
        const QString line = (table == 10 ? u"Table 1 to 9\t"_s : u"Table %1\t\t"_s.arg(table))
                             + u"Ann ( %1 sec )\r\n"_s.arg(seconds);
        QVERIFY2(listing.contains(line), qPrintable(listing));
        // The closing sound is played to its end before the name is asked.
        if (!QMediaDevices::audioOutputs().isEmpty())
            QVERIFY2(promptAfterMs >= 1000 * soundSeconds(QStringLiteral(TABULON_MEDIA_DIR "/0.wav")),
                     qPrintable(QString::number(promptAfterMs)));
    } else {
        QVERIFY(titles.isEmpty());
        QCOMPARE(stored(u"1Score"_s), QString());
    }

    QVERIFY(!window->quizState().blnStarted);
    QCOMPARE(window->findChild<QPushButton *>(u"cmdStartStop"_s)->text(), u"&Start"_s);
    QVERIFY(window->findChild<QWidget *>(u"fraStart"_s)->isVisible());
    QCOMPARE(label(u"lblTimeTaken"_s)->text(), u"0"_s);
    QCOMPARE(label(u"lblNoOfQuestion"_s)->text(), u"%1 of %1"_s.arg(total));
    QCOMPARE(label(u"lblWrongAnswers"_s)->text(), QString::number(wrongAnswers));
    QVERIFY(pictureIs(u"smile.gif"_s));
    QCOMPARE(window->quizState().dtEndTime - window->quizState().dtStartTime, seconds);
}

void tst_Quiz::wrongAnswerKeepsTheQuestion()
{
    startWithTable(8);
    const QString first = label(u"lblFirstNumber"_s)->text();
    const QString second = label(u"lblSecondNumber"_s)->text();
    QStringList captions;
    for (int i = 1; i <= 3; ++i)
        captions << window->answerButton(i)->text();
    const int wrong = wrongButton();
    for (int k = 0; k < 4; ++k)
        QTest::mouseClick(window->answerButton(wrong), Qt::LeftButton);
    QCOMPARE(label(u"lblFirstNumber"_s)->text(), first);
    QCOMPARE(label(u"lblSecondNumber"_s)->text(), second);
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(window->answerButton(i)->text(), captions[i - 1]);
    QCOMPARE(window->quizState().intWrongAnswers, 4);
    QCOMPARE(window->quizState().intQuestionNo, 0);
    QTest::mouseClick(window->answerButton(productButton()), Qt::LeftButton);
    QCOMPARE(window->quizState().intQuestionNo, 1);
}

void tst_Quiz::eachWrongAnswerAddsOneSecond_data()
{
    QTest::addColumn<int>("wrongAnswers");
    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("seven") << 7;
}

void tst_Quiz::eachWrongAnswerAddsOneSecond()
{
    QFETCH(int, wrongAnswers);
    startWithTable(2);
    clock->advance(3);
    for (int k = 0; k < wrongAnswers; ++k)
        QTest::mouseClick(window->answerButton(wrongButton()), Qt::LeftButton);
    window->Timer1_Timer();
    QCOMPARE(label(u"lblTimeTaken"_s)->text(), u"%1 sec"_s.arg(3 + wrongAnswers));
    QCOMPARE(label(u"lblWrongAnswers"_s)->text(), QString::number(wrongAnswers));
}

void tst_Quiz::slowerQuizAsksNothing()
{
    QVERIFY(SettingsStore(settingsFile).WriteSetting(u"Quorvil"_s, u"Multi"_s, u"5Score"_s, u"10"_s));
    QVERIFY(SettingsStore(settingsFile).WriteSetting(u"Quorvil"_s, u"Multi"_s, u"5Name"_s, u"Di"_s));
    startWithTable(5);
    ModalDialogs dialogs;
    dialogs.answerEach([](QWidget *dialog) { dialog->close(); });
    for (int question = 0; question < 20; ++question) {
        clock->advance(1);
        QTest::mouseClick(window->answerButton(productButton()), Qt::LeftButton);
    }
    QCOMPARE(dialogs.answered, 0);
    QVERIFY(!window->quizState().blnStarted);
    QCOMPARE(stored(u"5Score"_s), u"10"_s);
    QCOMPARE(stored(u"5Name"_s), u"Di"_s);
}

// Tab reaches the answer buttons in order and Space presses the focused one.
void tst_Quiz::playsByKeyboardAlone()
{
    QWidget *start = window->findChild<QWidget *>(u"cmdStartStop"_s);
    start->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // High Score, Exit, list
    QCOMPARE(QApplication::focusWidget(), window->tableList());
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(window->tableList(), Qt::Key_Down);
    QCOMPARE(window->tableList()->currentIndex(), 6);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(window->quizState().blnStarted);

    ModalDialogs dialogs;
    dialogs.answerEach([](QWidget *dialog) {
        if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
            QTest::keyClicks(input->findChild<QLineEdit *>(), u"Keys"_s);
            QTest::keyClick(input, Qt::Key_Return);
        } else {
            QTest::keyClick(dialog, Qt::Key_Return);
        }
    });
    for (int question = 0; question < 20; ++question) {
        clock->advance(1);
        const int target = productButton();
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus == window->answerButton(1) || focus == window->answerButton(2)
                || focus == window->answerButton(3));
        while (QApplication::focusWidget() != window->answerButton(target))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        if (question < 19) {
            // Back to the first answer: Shift+Tab from wherever the focus is.
            while (QApplication::focusWidget() != window->answerButton(1))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        }
    }
    QTRY_VERIFY(!window->quizState().blnStarted);
    QCOMPARE(stored(u"6Name"_s), u"Keys"_s);
    QCOMPARE(stored(u"6Score"_s), u"20"_s);
}

void tst_Quiz::nextQuizShowsTheLastPictureUntilItsFirstAnswer()
{
    startWithTable(3);
    QTest::mouseClick(window->answerButton(wrongButton()), Qt::LeftButton);
    QVERIFY(pictureIs(u"sad.gif"_s));
    QTest::mouseClick(window->findChild<QPushButton *>(u"cmdStartStop"_s), Qt::LeftButton);
    startWithTable(3);
    QVERIFY(pictureIs(u"sad.gif"_s)); // nothing clears it at start or stop
    QTest::mouseClick(window->answerButton(productButton()), Qt::LeftButton);
    QVERIFY(pictureIs(u"smile.gif"_s));
}

QTEST_MAIN(tst_Quiz)
#include "tst_quiz.moc"
