#include "HighScoreBook.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using V = HighScoreRules::Verdict;
using R = HighScoreBook::Recorded::Result;

namespace {

const QString App = u"Quorvil"_s, Section = u"Multi"_s;
// Another program's section, table 1, Ann's 57 s, a score without a name, names edited by hand without quotes.
const QByteArray Others = "[Other]\nMulti\\9Score=9\n[Quorvil]\nMulti\\1Score=5\nMulti\\1Name=One\nMulti\\3Score=57\n"
                          "Multi\\3Name=Ann\nMulti\\8Score=30\nMulti\\10Score=120\nMulti\\10Name=Bo, Cy\n";

// A finished quiz recorded under each name in turn after one verdict, with these lines after the others.
struct Quiz
{
    int table;
    QByteArray lines, event; // event: what happens to the store before and after the verdict
    std::optional<qint16> seconds; // none: a quiz beyond 16 bits
    const char *names; // recorded in turn
    V verdict;
    R result;
    const char *after; // "score|names", "-" for a missing key
};

bool writeBytes(const QString &path, const QByteArray &bytes, int ageSeconds = 0)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
           && file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
}

} // namespace

class tst_HighScores : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    SettingsStore store{dir.filePath(u"tabulon/highscores.ini"_s)};

    QString stored(int table) const
    {
        const auto text = [&](const QString &key) { return store.ReadSetting(App, Section, key, u"-"_s); };
        return text(HighScoreRules::scoreKey(table)) + u'|' + text(HighScoreRules::nameKey(table));
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(QDir(dir.filePath(u"tabulon"_s)).removeRecursively()); // no store, nor a link left by the row before
    }

    void verdictAndRecord_data()
    {
        QTest::addColumn<Quiz>("quiz");
        const auto row = [](const char *tag, const Quiz &quiz) { QTest::newRow(tag) << quiz; };
        row("no store: even 0 s is a best", {2, {}, "gone", 0, "Bo", V::NewBest, R::Stored, "0|Bo"});
        row("57 equals 57, names in order", {3, {}, "", 57, "Bo/Cy", V::EqualBest, R::Stored, "57|Ann, Bo, Cy"});
        row("better time stored meanwhile", {3, {}, "overtaken", 50, "Bo", V::NewBest, R::NotBest, "40|Cy"});
        row("best 2.5 is 2, no name key", {5, "Multi\\5Score=2.5", "", 2, "Bo", V::EqualBest, R::Stored, "2.5|, Bo"});
        row("a quiz beyond 16 bits", {6, {}, "", {}, "", V::NotBest, R::NotBest, "-|-"});
        row("damaged lines", {7, "\xff\0@Variant(\nx=\"Bo, C"_ba, "", 22, "Bo", V::NewBest, R::Stored, "22|Bo"});
        // A killed copy left a stale lock and an empty takeover of it: saving waits seconds, not half a minute.
        row("stale lock, empty takeover", {3, {}, "takeover", 56, "Bo", V::NewBest, R::Stored, "56|Bo"});
        row("a link into /proc, where nobody may add a file", {7, {}, "link", 22, "Bo", V::NewBest, R::Failed, "-|-"});
    }

    void verdictAndRecord()
    {
        QFETCH(Quiz, quiz);
        QVERIFY(quiz.event == "gone" || writeBytes(store.filePath(), Others + quiz.lines + '\n'));
        for (const QString &suffix : {u".lock"_s, u".lock.rmlock"_s})
            QVERIFY(quiz.event != "takeover" || writeBytes(store.filePath() + suffix, {}, 10));
        if (quiz.event == "link")
            QVERIFY(QFile::remove(store.filePath()) && QFile::link(u"/proc/version"_s, store.filePath()));
        HighScoreBook book(store);
        QCOMPARE(book.verdict(quiz.table, quiz.seconds), quiz.verdict);
        QVERIFY(quiz.event != "overtaken" || HighScoreBook(store).record(3, 40, u"Cy"_s).result == R::Stored);
        for (const QString &name : QString::fromUtf8(quiz.names).split(u'/', Qt::SkipEmptyParts)) {
            const auto recorded = book.record(quiz.table, *quiz.seconds, name);
            QCOMPARE(recorded.result, quiz.result);
            QCOMPARE(recorded.listing, quiz.result == R::Failed ? QString() : book.listing()); // the store as written
        }
        QCOMPARE(stored(quiz.table), QString::fromUtf8(quiz.after));
    }

    // The listing byte for byte: tables 2 to 9 with two tabs, the whole table with one, no table 1; each text
    // exactly as stored, "-" unless both are there. A best edited by hand is read by the rule, here a pattern.
    void storedScoresAreReadAndListedByTheRule()
    {
        const QRegularExpression number(u"^[ \\t]*([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)"_s);
        QVERIFY(writeBytes(store.filePath(), Others));
        HighScoreBook book(store);
        const auto listing = u"Table 2\t\t-\r\nTable 3\t\tAnn ( 57 sec )\r\nTable 4\t\t-\r\nTable 5\t\t-\r\n"
                             u"Table 6\t\t-\r\nTable 7\t\t-\r\nTable 8\t\t-\r\nTable 9\t\t-\r\nTable 1 to 9\t%1\r\n"_s;
        const auto pieces = u"| |\t|+|-|.|5|.5|2.5|e|E-1|32767|1e400|\u0663|, |\n|\"|\\|=|;|\0|Zoë"_s.split(u'|');
        for (qsizetype i = 0; i < pieces.size() * pieces.size(); ++i) { // every piece, and every two in a row
            const QString score = pieces[i / pieces.size()] + pieces[i % pieces.size()];
            QVERIFY(store.WriteSetting(App, Section, u"10Score"_s, score));
            const double whole = std::nearbyint(number.match(score).captured(1).toDouble()); // nothing read: 0
            QCOMPARE(HighScoreRules::storedBest(score), qint16(whole >= 0 && whole <= 32767 ? whole : 0));
            QCOMPARE(book.listing(), listing.arg(score.isEmpty() ? u"-"_s : u"Bo, Cy ( %1 sec )"_s.arg(score)));
        }
        QCOMPARE(store.ReadSetting(u"Other"_s, Section, u"9Score"_s, {}), u"9"_s); // another program's, kept
    }

    // Copies that equal the best time at one moment each add their name. A writer killed at any moment leaves
    // the old values or the new ones, and readers never see a file half written: one written in place is short.
    void otherCopiesLoseNothing()
    {
        const QString file = store.filePath(), go = dir.filePath(u"go"_s), as(1 << 18, u'A'), bs(as.size(), u'B');
        QVERIFY(writeBytes(file, "[Quorvil]\nMulti\\3Score=57\nMulti\\3Name=Ann\nMulti\\2Name=" + as.toLatin1()));
        QProcess copies[12];
        QStringList names{u"Ann"_s}; // then Player 10 to 21, in the order of text
        for (QProcess &copy : copies) {
            names << u"Player %1"_s.arg(names.size() + 9);
            copy.start(QStringLiteral(SCOREWRITER), {u"record"_s, file, u"3"_s, u"57"_s, names.last(), go});
        }
        QVERIFY(QFile(go).open(QIODevice::WriteOnly)); // all of them write now
        for (QProcess &copy : copies)
            QVERIFY(copy.waitForFinished(60000) && copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0);
        QVERIFY2(std::ranges::is_permutation(stored(3).mid(3).split(u", "_s), names), qPrintable(stored(3)));
        const qint64 size = QFileInfo(file).size();
        for (int kill = 0; kill < 8; ++kill) {
            QProcess writer;
            writer.start(QStringLiteral(SCOREWRITER), {u"rewrite"_s, file, QString::number(as.size())});
            QVERIFY(writer.waitForStarted());
            for (QDeadlineTimer killAt(100 + 53 * kill); !killAt.hasExpired();) // many replacements
                QCOMPARE(QFileInfo(file).size(), size);
            writer.kill();
            QVERIFY(writer.waitForFinished() && writer.exitStatus() == QProcess::CrashExit); // killed, not failed
            QVERIFY(stored(2) == u"-|"_s + as || stored(2) == u"-|"_s + bs);
        }
    }
};

QTEST_MAIN(tst_HighScores)
#include "tst_highscores.moc"
