#include "HighScoreBook.h"
#include "HighScoreListing.h"
#include "HighScoreRules.h"
#include "SettingsStore.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;
using HighScoreRules::Verdict;

class tst_HighScores : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void verdictOfAFinishedQuiz_data();
    void verdictOfAFinishedQuiz();
    void listingByteForByte_data();
    void listingByteForByte();
    void equalTimesCollectNamesUntilBeaten();
    void betterTimeStoredMeanwhileIsKept();
    void failedWriteIsReported();
    void concurrentEqualTimesKeepEveryName();

private:
    void store(const QString &key, const QString &value);
    QString stored(const QString &key) const;

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<SettingsStore> settings;
};

void tst_HighScores::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    settings = std::make_unique<SettingsStore>(dir->filePath(u"highscores.ini"_s));
}

void tst_HighScores::store(const QString &key, const QString &value)
{
    QVERIFY(settings->WriteSetting(u"Quorvil"_s, u"Multi"_s, key, value));
}

QString tst_HighScores::stored(const QString &key) const
{
    return settings->ReadSetting(u"Quorvil"_s, u"Multi"_s, key, u"(none)"_s);
}

void tst_HighScores::verdictOfAFinishedQuiz_data()
{
    QTest::addColumn<QString>("storedScore");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<Verdict>("verdict");
    QTest::newRow("faster than 57") << u"57"_s << qint64(56) << Verdict::NewBest;
    QTest::newRow("equal to 57") << u"57"_s << qint64(57) << Verdict::EqualBest;
    QTest::newRow("slower than 57") << u"57"_s << qint64(58) << Verdict::NotBest;
    QTest::newRow("nothing stored") << QString() << qint64(300) << Verdict::NewBest;
    QTest::newRow("best 0 and 0 seconds") << u"0"_s << qint64(0) << Verdict::NewBest;
    QTest::newRow("score abc") << u"abc"_s << qint64(90) << Verdict::NewBest;
    QTest::newRow("leading number read") << u" 57 sec"_s << qint64(57) << Verdict::EqualBest;
    QTest::newRow("56.5 rounds to even 56") << u"56.5"_s << qint64(56) << Verdict::EqualBest;
    QTest::newRow("57.5 rounds to even 58") << u"57.5"_s << qint64(58) << Verdict::EqualBest;
    QTest::newRow("largest score") << u"32767"_s << qint64(32767) << Verdict::EqualBest;
    // Stored scores that cannot be a time once crashed the check or locked
    // the table for ever; they count as no best time.
    QTest::newRow("negative score") << u"-5"_s << qint64(300) << Verdict::NewBest;
    QTest::newRow("score beyond 16 bits") << u"40000"_s << qint64(300) << Verdict::NewBest;
    QTest::newRow("score rounding beyond 16 bits") << u"32767.5"_s << qint64(300) << Verdict::NewBest;
    QTest::newRow("score 1e400") << u"1e400"_s << qint64(300) << Verdict::NewBest;
    // A quiz of more than nine hours once crashed the check; it is no best time.
    QTest::newRow("quiz of 32768 s, nothing stored") << QString() << qint64(32768) << Verdict::NotBest;
    QTest::newRow("quiz of 40000 s against 57") << u"57"_s << qint64(40000) << Verdict::NotBest;
}

void tst_HighScores::verdictOfAFinishedQuiz()
{
    QFETCH(QString, storedScore);
    QFETCH(qint64, seconds);
    QFETCH(Verdict, verdict);
    constexpr qint64 Start = 5000;
    const qint16 best = HighScoreRules::storedBest(storedScore);
    QCOMPARE(HighScoreRules::decide(HighScoreRules::quizSeconds(Start, Start + seconds), best), verdict);
}

void tst_HighScores::listingByteForByte_data()
{
    QTest::addColumn<QStringList>("keysAndValues");
    QTest::addColumn<QString>("listing");
    QTest::newRow("empty store") << QStringList()
                                 << u"Table 2\t\t-\r\nTable 3\t\t-\r\nTable 4\t\t-\r\n"
                                    u"Table 5\t\t-\r\nTable 6\t\t-\r\nTable 7\t\t-\r\n"
                                    u"Table 8\t\t-\r\nTable 9\t\t-\r\nTable 1 to 9\t-\r\n"_s;
    QTest::newRow("mixed store")
        << QStringList{u"3Score"_s, u"57"_s,   u"3Name"_s,  u"Ann"_s,  u"10Score"_s, u"120"_s,
                       u"10Name"_s, u"Bo, Cy"_s, u"1Score"_s, u"5"_s,  u"1Name"_s, u"One"_s,
                       u"4Score"_s, u"33"_s,   u"5Name"_s,  u"Di"_s,   u"6Score"_s, u"abc"_s,
                       u"6Name"_s,  u"Ed"_s,   u"7Score"_s, u""_s,     u"7Name"_s,  u"Fy"_s}
        << u"Table 2\t\t-\r\nTable 3\t\tAnn ( 57 sec )\r\nTable 4\t\t-\r\n"
           u"Table 5\t\t-\r\nTable 6\t\tEd ( abc sec )\r\nTable 7\t\t-\r\n"
           u"Table 8\t\t-\r\nTable 9\t\t-\r\nTable 1 to 9\tBo, Cy ( 120 sec )\r\n"_s;
}

void tst_HighScores::listingByteForByte()
{
    QFETCH(QStringList, keysAndValues);
    QFETCH(QString, listing);
    for (qsizetype i = 0; i + 1 < keysAndValues.size(); i += 2)
        store(keysAndValues.at(i), keysAndValues.at(i + 1));
    QCOMPARE(HighScoreBook(*settings).listing(), listing);
}

void tst_HighScores::equalTimesCollectNamesUntilBeaten()
{
    HighScoreBook book(*settings);
    QCOMPARE(book.record(3, 57, u"Ann"_s), HighScoreBook::Recorded::Stored);
    QCOMPARE(book.record(3, 57, u"Bo"_s), HighScoreBook::Recorded::Stored);
    QCOMPARE(book.record(3, 57, u"Cy"_s), HighScoreBook::Recorded::Stored);
    QCOMPARE(stored(u"3Score"_s), u"57"_s);
    QCOMPARE(stored(u"3Name"_s), u"Ann, Bo, Cy"_s);
    QCOMPARE(book.record(3, 58, u"Zed"_s), HighScoreBook::Recorded::NotBest);
    QCOMPARE(book.record(3, 50, u"Di"_s), HighScoreBook::Recorded::Stored);
    QCOMPARE(stored(u"3Score"_s), u"50"_s);
    QCOMPARE(stored(u"3Name"_s), u"Di"_s);
    QCOMPARE(stored(u"4Score"_s), u"(none)"_s);
    QCOMPARE(book.best(3), qint16(50));
}

// The store is read again before writing: a better time stored by another
// copy while this player typed a name is not overwritten by a worse one.
void tst_HighScores::betterTimeStoredMeanwhileIsKept()
{
    store(u"3Score"_s, u"57"_s);
    store(u"3Name"_s, u"Ann"_s);
    HighScoreBook book(*settings);
    QCOMPARE(book.best(3), qint16(57));

    SettingsStore otherCopy(settings->filePath());
    QVERIFY(HighScoreBook(otherCopy).record(3, 40, u"Cy"_s) == HighScoreBook::Recorded::Stored);
    QCOMPARE(book.record(3, 50, u"Bo"_s), HighScoreBook::Recorded::NotBest);
    QCOMPARE(stored(u"3Score"_s), u"40"_s);
    QCOMPARE(stored(u"3Name"_s), u"Cy"_s);
}

void tst_HighScores::failedWriteIsReported()
{
    QFile blocker(dir->filePath(u"blocker"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    SettingsStore blocked(dir->filePath(u"blocker/highscores.ini"_s));
    HighScoreBook book(blocked);
    QCOMPARE(book.record(3, 57, u"Ann"_s), HighScoreBook::Recorded::Failed);
    QVERIFY(!book.errorString().isEmpty());
    QCOMPARE(book.best(3), qint16(0));
}

// Copies of the game that finish with the same best time at the same moment
// each add their name; none is lost to another's write.
void tst_HighScores::concurrentEqualTimesKeepEveryName()
{
    constexpr int Copies = 12;
    store(u"3Score"_s, u"57"_s);
    store(u"3Name"_s, u"Ann"_s);
    const QString go = dir->filePath(u"go"_s);
    std::vector<std::unique_ptr<QProcess>> copies;
    QStringList expected{u"Ann"_s};
    for (int i = 0; i < Copies; ++i) {
        const QString name = u"Player %1"_s.arg(i);
        expected << name;
        auto copy = std::make_unique<QProcess>();
        copy->start(QStringLiteral(SCOREWRITER),
                    {u"record"_s, settings->filePath(), u"3"_s, u"57"_s, name, go});
        QVERIFY(copy->waitForStarted());
        copies.push_back(std::move(copy));
    }
    QFile(go).open(QIODevice::WriteOnly); // all start writing now
    for (const auto &copy : copies) {
        QVERIFY(copy->waitForFinished(60000));
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
    }

    QStringList names = stored(u"3Name"_s).split(u", "_s);
    QCOMPARE(names.size(), Copies + 1);
    names.sort();
    expected.sort();
    QCOMPARE(names, expected);
    QCOMPARE(stored(u"3Score"_s), u"57"_s);
}

QTEST_GUILESS_MAIN(tst_HighScores)
#include "tst_highscores.moc"
