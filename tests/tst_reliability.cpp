#include "FakeClock.h"
#include "HighScoreBook.h"
#include "HighScoreListing.h"
#include "ModalDialogs.h"
#include "QuestionList.h"
#include "TestSounds.h"
#include "frmMultiiplication.h"

#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <charconv>

#include <unistd.h>

using namespace Qt::StringLiterals;
using TestSounds::readBytes, TestSounds::writeBytes;

// The game over a long life: thousands of random quizzes in one process
// through the window's handlers, a store that cannot be read, and texts in
// the store that no copy of the game wrote. Nothing may grow or be lost.
class tst_Reliability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { dialogs.reset(); } // its answers refer to the test's own variables
    void randomQuizzesStayConsistentAndLeaveNothingBehind();
    void unreadableStoreIsLeftAlone_data();
    void unreadableStoreIsLeftAlone();
    void storedTextsAreReadByTheRule();

private:
    template<typename T = QLabel>
    T *control(const QString &name) const { return window->findChild<T *>(name); }
    int shown(const QString &name) const { return control(name)->text().toInt(); }
    int product() const { return shown(u"lblFirstNumber"_s) * shown(u"lblSecondNumber"_s); }
    QString shownItem() const { return control(u"lblFirstNumber"_s)->text() + u'*' + control(u"lblSecondNumber"_s)->text(); }
    int productButton() const;
    void press(QAbstractButton *button);
    void checkRunning(QStringList pool, QStringList asked, int right, int wrong);

    std::unique_ptr<QTemporaryDir> dir;
    QString storeFile;
    std::shared_ptr<FakeClock> clock;
    std::unique_ptr<frmMultiiplication> window;
    std::unique_ptr<ModalDialogs> dialogs;
};

void tst_Reliability::init()
{
    dir = std::make_unique<QTemporaryDir>();
    storeFile = dir->filePath(u"highscores.ini"_s);
    clock = std::make_shared<FakeClock>();
    WindowServices services;
    services.clock = clock;
    services.random = RandomNumbers(1, [] { return quint64(0); }); // a timer that never moves: reproducible
    services.settings = std::make_shared<SettingsStore>(storeFile);
    // No closing sound: it would hold every quiz for its length.
    services.mediaFile = [](const QString &name) {
        return name == u"0.wav"_s ? QString() : QStringLiteral(TABULON_MEDIA_DIR "/") + name;
    };
    window = std::make_unique<frmMultiiplication>(std::move(services));
    window->show();
    dialogs = std::make_unique<ModalDialogs>();
}

int tst_Reliability::productButton() const
{
    for (int i = 1; i <= 3; ++i)
        if (window->answerButton(i)->text().toInt() == product())
            return i;
    return 0;
}

// ModalDialogs::answerEach passes over a dialog it answered before, as the
// kept About window is: each opening is answered here. Then the event loop
// does what it does between two clicks.
void tst_Reliability::press(QAbstractButton *button)
{
    if (button->objectName() == u"cmdAbout"_s)
        dialogs->answerNext([](QWidget *about) { about->close(); });
    button->click();
    QCoreApplication::processEvents();
}

void tst_Reliability::checkRunning(QStringList pool, QStringList asked, int right, int wrong)
{
    const QuizState &state = window->quizState();
    QVERIFY(state.blnStarted && control<QTimer>(u"Timer1"_s)->isActive());
    QCOMPARE(control<QStackedWidget>(u"stkPanels"_s)->currentWidget()->objectName(), u"fraQuestion"_s);
    QSet<int> captions; // three distinct positive numbers (not a number reads 0), one the product
    for (int i = 1; i <= 3; ++i)
        captions << window->answerButton(i)->text().toInt();
    QVERIFY(captions.size() == 3 && captions.contains(product()));
    QVERIFY(*std::min_element(captions.cbegin(), captions.cend()) > 0);
    QCOMPARE(state.intAnswer, product());
    QCOMPARE(state.intQuestionNo, right);
    QCOMPARE(state.intWrongAnswers, wrong);
    // Every question shown came out of the pool, once: none from an empty pool.
    QCOMPARE(state.colQuestions.size(), pool.size() - 1 - right);
    asked += state.colQuestions;
    asked.sort();
    pool.sort();
    QCOMPARE(asked, pool);
    window->Timer1_Timer();
    QCOMPARE(control(u"lblNoOfQuestion"_s)->text(), u"%1 of %2"_s.arg(right).arg(state.intTotalQuestions));
    QCOMPARE(shown(u"lblWrongAnswers"_s), wrong);
}

// Random answers, Stops, listings, About openings and tables, checked after
// every step; the seed can be set. A leak per quiz or per answer would show
// after the first hundred quizzes, which make all that is made once.
void tst_Reliability::randomQuizzesStayConsistentAndLeaveNothingBehind()
{
    const auto fromEnvironment = [](const char *name, int fallback) {
        return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback;
    };
    const auto seed = quint32(fromEnvironment("TABULON_RANDOM_SEED", 20240611));
    const int quizzes = fromEnvironment("TABULON_RANDOM_QUIZZES", 2000);
    constexpr int BaselineQuiz = 100;
    QVERIFY(quizzes > BaselineQuiz);
    const auto usage = [this]() -> std::array<qint64, 4> { // resident kB, files, objects, widgets
        QFile statm(u"/proc/self/statm"_s);
        const qint64 pages = statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ').value(1).toLongLong() : 0;
        return {pages * sysconf(_SC_PAGESIZE) / 1024,
                QDir(u"/proc/self/fd"_s).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(),
                window->findChildren<QObject *>().size(), QApplication::allWidgets().size()};
    };
    QRandomGenerator random(seed);
    int quiz = 0, step = 0, completed = 0;
    const auto whereItFailed = qScopeGuard([&] {
        if (QTest::currentTestFailed())
            qWarning("seed %u, quiz %d, step %d", seed, quiz, step);
    });
    dialogs->answerEach([&random](QWidget *dialog) {
        auto *input = qobject_cast<QInputDialog *>(dialog);
        if (input && random.bounded(2)) {
            input->setTextValue(u"P"_s + QString::number(random.bounded(100)));
            input->accept();
        } else if (!dialog->inherits("frmAbout")) {
            dialog->close();
        }
    });
    std::array<qint64, 4> baseline{};
    const QList<QAbstractButton *> buttons{control<QPushButton>(u"cmdStartStop"_s),
                                           control<QPushButton>(u"cmdHighScores"_s), control<QPushButton>(u"cmdAbout"_s)};
    while (quiz < quizzes) {
        const int table = int(random.bounded(11));
        window->tableList()->setCurrentIndex(table);
        press(buttons[0]);
        QCOMPARE(window->quizState().blnStarted, table != 0); // no table: a message, no quiz
        if (table == 0)
            continue;
        if (++quiz == BaselineQuiz)
            baseline = usage();
        const QStringList pool = QuestionList::build(table);
        QStringList asked{shownItem()};
        int right = 0, wrong = 0;
        while (window->quizState().blnStarted) {
            ++step;
            checkRunning(pool, asked, right, wrong);
            if (QTest::currentTestFailed())
                return;
            clock->advance(random.bounded(3));
            const int action = int(random.bounded(1000));
            if (action < 12) {
                press(buttons[action % 3]);
            } else if (action < 150) {
                press(window->answerButton(productButton() % 3 + 1));
                ++wrong;
            } else {
                press(window->answerButton(productButton()));
                if (++right < window->quizState().intTotalQuestions)
                    asked << shownItem();
            }
        }
        QVERIFY(!control<QTimer>(u"Timer1"_s)->isActive());
        QCOMPARE(control<QStackedWidget>(u"stkPanels"_s)->currentWidget()->objectName(), u"fraStart"_s);
        QCOMPARE(buttons[0]->text(), u"&Start"_s);
        QCOMPARE(control(u"lblTimeTaken"_s)->text(), u"0"_s);
        QCOMPARE(window->quizState().intQuestionNo, right);
        completed += right == window->quizState().intTotalQuestions;
    }
    const auto end = usage();
    qInfo("seed %u: %d quizzes, %d to their end, %d steps checked; after quiz %d, then at the end: %lld, %lld kB "
          "resident; %lld, %lld files; %lld, %lld objects; %lld, %lld widgets", seed, quiz, completed, step,
          BaselineQuiz, baseline[0], end[0], baseline[1], end[1], baseline[2], end[2], baseline[3], end[3]);
#ifndef __SANITIZE_ADDRESS__ // AddressSanitizer holds freed memory back; its leak check stands in
    constexpr qint64 AllowedGrowthKb = 1024;
    QVERIFY2(end[0] - baseline[0] <= AllowedGrowthKb, "resident memory grew");
#endif
    for (int i = 1; i < 4; ++i)
        QVERIFY2(end[i] <= baseline[i], "open files, objects or widgets grew");
}

void tst_Reliability::unreadableStoreIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("contents"); // null: a link to itself, which root cannot read either
    QTest::newRow("larger than any store") << "[Quorvil]\nMulti\\3Score=33\n" + QByteArray(17 << 20, ' ');
    QTest::newRow("a loop of links") << QByteArray();
}

// Writing a store that could not be read would throw its scores away: the
// game says the score was not saved, and shows no listing.
void tst_Reliability::unreadableStoreIsLeftAlone()
{
    QFETCH(QByteArray, contents);
    if (contents.isNull())
        QVERIFY(QFile::link(storeFile, storeFile));
    else
        writeBytes(storeFile, contents);
    QStringList shown;
    dialogs->answerEach([&shown](QWidget *dialog) {
        const auto *box = qobject_cast<QMessageBox *>(dialog);
        shown << dialog->windowTitle() + u": "_s + (box ? box->text() : QString());
        if (auto *input = qobject_cast<QInputDialog *>(dialog))
            input->setTextValue(u"Ann"_s);
        static_cast<QDialog *>(dialog)->accept();
    });
    window->tableList()->setCurrentIndex(4);
    window->setQuizTimes(0, 40);
    window->CheckHighScore();
    QCOMPARE(shown.size(), 2);
    QVERIFY2(shown[1].startsWith(u"Tabulon: The high score could not be saved."_s), qPrintable(shown[1]));
    QCOMPARE(readBytes(storeFile), contents);
}

namespace {

// The reading rule, written again: blanks, then the longest number with a
// sign, a fraction and an exponent, rounded to the nearest whole number (a
// tie to the even one); a best time only from 0 to 32767, else none (0).
qint16 bestByTheRule(const QString &text)
{
    static const QRegularExpression number(u"^[ \\t]*([+-]?)((?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)"_s);
    const QRegularExpressionMatch match = number.match(text);
    const QByteArray digits = match.captured(2).toLatin1();
    double value = 0;
    if (std::from_chars(digits.cbegin(), digits.cend(), value).ec != std::errc())
        return 0; // out of a double's range, or no number at all
    value = match.captured(1) == u"-"_s ? -value : value;
    double whole = std::floor(value);
    if (value - whole > 0.5 || (value - whole == 0.5 && std::fmod(whole, 2) != 0))
        whole += 1;
    return whole >= 0 && whole <= 32767 ? qint16(whole) : 0;
}

} // namespace

// Generated texts, as another program or a hand might leave them: read as the
// rule says and listed exactly as stored, from the text and through the store.
void tst_Reliability::storedTextsAreReadByTheRule()
{
    const QStringList pieces{u" "_s, u"\t"_s, u"+"_s, u"-"_s, u"."_s, u"e"_s, u"E"_s, u"0"_s, u"5"_s, u"32767"_s,
                             u"32768"_s, u"0.5"_s, u"2.5"_s, u"1e400"_s, u"e-400"_s, u"99999999999999999999"_s,
                             u"x"_s, u"\n"_s, u"\u0663"_s, u"\uff15"_s, u"%1"_s, u"\0"_s, u" sec"_s, u"nan"_s, u"inf"_s};
    QRandomGenerator random(11);
    const auto generated = [&] { // pieces, any character below the surrogates, now and then a very long run
        QString text;
        for (int n = random.bounded(8); n > 0; --n) {
            const int kind = random.bounded(int(pieces.size()) + 20);
            if (kind < pieces.size())
                text += pieces[kind];
            else if (kind > pieces.size() || random.bounded(40))
                text += QChar(char16_t(random.bounded(1, 0xD800)));
            else
                text += QString(random.bounded(100000), QChar(u"9 0."[random.bounded(4)]));
        }
        return text;
    };
    SettingsStore store(storeFile);
    constexpr int Texts = 20000, ThroughTheStore = 200;
    for (int i = 0; i < Texts; ++i) {
        const QString score = generated(), name = generated();
        const QString line = u"Table 7\t\t"_s + (score.isEmpty() || name.isEmpty() ? u"-"_s : name + u" ( "_s + score + u" sec )"_s) + u"\r\n"_s;
        QCOMPARE(HighScoreRules::storedBest(score), bestByTheRule(score));
        QVERIFY(HighScoreListing::build({{u"7Score"_s, score}, {u"7Name"_s, name}}).contains(line));
        if (i >= ThroughTheStore)
            continue;
        QVERIFY(store.update(u"Quorvil"_s, u"Multi"_s, [&](const SettingsStore::Section &) {
            return SettingsStore::Changes{{u"7Score"_s, score}, {u"7Name"_s, name}};
        }));
        QCOMPARE(HighScoreBook(store).best(7), bestByTheRule(score));
        QVERIFY(HighScoreBook(store).listing().contains(line));
    }
    qInfo("%d generated scores and names read and listed, %d of them through the store", Texts, ThroughTheStore);
}

QTEST_MAIN(tst_Reliability)
#include "tst_reliability.moc"
