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

const QString App = u"Quorvil"_s, Other = u"Other"_s, Section = u"Multi"_s, Bo = u"Bo"_s, Cy = u"Cy"_s;
// Another program's section, table 1, Ann's 57 s, a score without a name, names edited by hand without quotes.
const QByteArray Others = "[Other]\nMulti\\9Score=9\n[Quorvil]\nMulti\\1Score=5\nMulti\\1Name=One\nMulti\\3Score=57\n"
                          "Multi\\3Name=Ann\nMulti\\8Score=30\nMulti\\10Score=120\nMulti\\10Name=Bo, Cy\n";

// What is done to the store before the verdict: none, sound text, damaged text, sound text and a better time stored
// between the verdict and the records, sound text and a stale lock, a link into /proc.
enum class SetUp { NoStore, Store, Damaged, Overtaken, StaleLock, LinkIntoProc };

// A finished quiz recorded under each name in turn after one verdict.
struct Quiz
{
    int table;
    SetUp setUp;
    QByteArray text; // of the store
    std::optional<qint16> seconds; // none: a quiz beyond 16 bits
    QStringList names;
    V verdict;
    R result;
    const char *score, *name; // then stored
};

bool writeBytes(const QString &path, const QByteArray &bytes, int ageSeconds = 0)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
           && file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(missing)";
}

} // namespace

class tst_HighScores : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    SettingsStore store{dir.filePath(u"tabulon/highscores.ini"_s)};
    const QString damagedCopy = store.filePath() + u".damaged"_s;

    QString score(int table) const { return store.ReadSetting(App, Section, HighScoreRules::scoreKey(table), u"-"_s); }
    QString name(int table) const { return store.ReadSetting(App, Section, HighScoreRules::nameKey(table), u"-"_s); }

    // A section's entries but the quiz's table's, in an order that a failed QCOMPARE prints one by one.
    QList<std::pair<QString, QString>> entries(const QString &app, int table = 0) const
    {
        auto section = store.readSection(app, Section);
        section.remove(HighScoreRules::scoreKey(table));
        section.remove(HighScoreRules::nameKey(table));
        QList<std::pair<QString, QString>> list(section.keyValueBegin(), section.keyValueEnd());
        std::ranges::sort(list);
        return list;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(QDir(dir.filePath(u"tabulon"_s)).removeRecursively()); // no store, nor a link left by the row before
    }

    void verdictAndRecord_data()
    {
        using S = SetUp;
        QTest::addColumn<Quiz>("quiz");
        const auto row = [](const char *tag, const Quiz &quiz) { QTest::newRow(tag) << quiz; };
        row("no store: even 0 s is a best", {2, S::NoStore, {}, 0, {Bo}, V::NewBest, R::Stored, "0", "Bo"});
        row("57 equals 57, names in order",
            {3, S::Store, Others, 57, {Bo, Cy}, V::EqualBest, R::Stored, "57", "Ann, Bo, Cy"});
        row("better time stored meanwhile", {3, S::Overtaken, Others, 50, {Bo}, V::NewBest, R::NotBest, "40", "Cy"});
        row("best 2.5 is 2, no name key",
            {5, S::Store, Others + "Multi\\5Score=2.5\n", 2, {Bo}, V::EqualBest, R::Stored, "2.5", ", Bo"});
        row("a quiz beyond 16 bits", {6, S::Store, Others, {}, {}, V::NotBest, R::NotBest, "-", "-"});
        // A killed copy left a stale lock and an empty takeover of it: saving waits seconds, not half a minute.
        row("stale lock, empty takeover", {3, S::StaleLock, Others, 56, {Bo}, V::NewBest, R::Stored, "56", "Bo"});
        row("a link into /proc, where nobody may add a file",
            {7, S::LinkIntoProc, {}, 22, {Bo}, V::NewBest, R::Failed, "-", "-"});
        // What a damaged store holds that cannot be written back is left out; an equal best then copies nothing.
        const auto damaged = [&row](const QString &tag, const QByteArray &text) {
            const Quiz quiz{6, S::Damaged, text, 20, {Bo, Cy}, V::NewBest, R::Stored, "20", "Bo, Cy"};
            row(qPrintable(u"damaged: "_s + tag), quiz);
        };
        damaged(u"an empty key"_s, Others + "=x\n");
        damaged(u"a name with a NUL byte and a comma"_s, Others + "Multi\\2Score=9\nMulti\\2Name=A\0nn, Bo\n"_ba);
        damaged(u"lines that are no INI, a quote left open"_s, Others + "\xff\0@Variant(\nx=\"Bo, C"_ba);
        damaged(u"a name that is no UTF-8"_s, Others + "Multi\\4Score=9\nMulti\\4Name=Zo\xeb\n");
        damaged(u"keys QSettings would rename"_s, Others + "Multi\\\\4Score=8\nMulti\\4Name\\=Cy\n");
        // A crash can leave a block of NUL bytes in a file written in place, by another program for instance.
        for (qsizetype at = 0; at < Others.size(); at += 20)
            damaged(u"NUL bytes from byte %1"_s.arg(at), QByteArray(Others).replace(at, 8, QByteArray(8, '\0')));
    }

    void verdictAndRecord()
    {
        QFETCH(Quiz, quiz);
        const QString path = store.filePath();
        if (quiz.setUp == SetUp::StaleLock) {
            QVERIFY2(writeBytes(path + u".lock"_s, {}, 10), "leave a lock 10 s old");
            QVERIFY2(writeBytes(path + u".lock.rmlock"_s, {}, 10), "leave an empty takeover 10 s old");
        }
        if (quiz.setUp == SetUp::LinkIntoProc) {
            QVERIFY2(QDir().mkpath(QFileInfo(path).path()), "make the store's folder");
            QVERIFY2(QFile::link(u"/proc/version"_s, path), "link the store to /proc/version");
        } else if (quiz.setUp != SetUp::NoStore) {
            QVERIFY2(writeBytes(path, quiz.text), "write the store");
        }
        const auto ours = entries(App, quiz.table), others = entries(Other);
        HighScoreBook book(store);
        QCOMPARE(book.verdict(quiz.table, quiz.seconds), quiz.verdict);
        if (quiz.setUp == SetUp::Overtaken)
            QCOMPARE(HighScoreBook(store).record(3, 40, Cy).result, R::Stored); // another copy's record
        for (const QString &player : quiz.names) {
            const auto recorded = book.record(quiz.table, *quiz.seconds, player);
            QCOMPARE(recorded.result, quiz.result);
            QCOMPARE(recorded.listing, quiz.result == R::Failed ? QString() : book.listing()); // the store as written
        }
        QCOMPARE(score(quiz.table), QString::fromUtf8(quiz.score));
        QCOMPARE(name(quiz.table), QString::fromUtf8(quiz.name));
        QCOMPARE(entries(App, quiz.table), ours);
        QCOMPARE(entries(Other), others);
        // Nor is a sound store copied, nor one that a failed save left as it was.
        QCOMPARE(readBytes(damagedCopy), quiz.setUp == SetUp::Damaged ? quiz.text : "(missing)");
        QCOMPARE(QFile::exists(damagedCopy + u"-2"_s), false);
    }

    // A store damaged again after its rewrite is kept under a name of its own.
    void eachDamagedStoreIsKeptUnderANameOfItsOwn()
    {
        for (const char *damage : {"=first\n", "=second\n"}) {
            QVERIFY(writeBytes(store.filePath(), Others + damage));
            QCOMPARE(HighScoreBook(store).record(4, 30, Bo).result, R::Stored);
        }
        QCOMPARE(readBytes(damagedCopy), Others + "=first\n");
        QCOMPARE(readBytes(damagedCopy + u"-2"_s), Others + "=second\n");
    }

    // The copy comes first: a damaged store that cannot be copied is left as it was, and the message says why.
    void damagedStoreThatCannotBeCopiedIsLeftAsItWas()
    {
        // 248 bytes leave room for the lock file (5 more) and the new file's temporary (7), not for the copy (8).
        SettingsStore longNamed(dir.filePath(u"tabulon/"_s + QString(248, u'h')));
        QVERIFY(writeBytes(longNamed.filePath(), Others + "=x\n"));
        QCOMPARE(HighScoreBook(longNamed).record(4, 30, Bo).result, R::Failed);
        QVERIFY2(longNamed.errorString().startsWith(u"Cannot write %1.damaged: "_s.arg(longNamed.filePath())),
                 qPrintable(longNamed.errorString()));
        QCOMPARE(readBytes(longNamed.filePath()), Others + "=x\n");
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
        const QStringList pieces{u""_s,  u" "_s,   u"\t"_s,    u"+"_s,     u"-"_s,      u"."_s,  u"5"_s,   u".5"_s,
                                 u"2.5"_s, u"e"_s, u"E-1"_s,  u"32767"_s, u"1e400"_s, u"\u0663"_s, u", "_s, u"\n"_s,
                                 u"\""_s,  u"\\"_s,  u"="_s,    u";"_s,     u"\0"_s,     u"Zoë"_s};
        for (qsizetype i = 0; i < pieces.size() * pieces.size(); ++i) { // every piece, and every two in a row
            const QString score = pieces[i / pieces.size()] + pieces[i % pieces.size()];
            QVERIFY(store.WriteSetting(App, Section, u"10Score"_s, score));
            const double whole = std::nearbyint(number.match(score).captured(1).toDouble()); // nothing read: 0
            QCOMPARE(HighScoreRules::storedBest(score), qint16(whole >= 0 && whole <= 32767 ? whole : 0));
            QCOMPARE(book.listing(), listing.arg(score.isEmpty() ? u"-"_s : u"Bo, Cy ( %1 sec )"_s.arg(score)));
        }
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
        for (QProcess &copy : copies) {
            QVERIFY(copy.waitForFinished(60000));
            QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
            QCOMPARE(copy.exitCode(), 0); // stored
        }
        QVERIFY2(std::ranges::is_permutation(name(3).split(u", "_s), names), qPrintable(name(3)));
        const qint64 size = QFileInfo(file).size();
        for (int kill = 0; kill < 8; ++kill) {
            QProcess writer;
            writer.start(QStringLiteral(SCOREWRITER), {u"rewrite"_s, file, QString::number(as.size())});
            QVERIFY(writer.waitForStarted());
            for (QDeadlineTimer killAt(100 + 53 * kill); !killAt.hasExpired();) // many replacements
                QCOMPARE(QFileInfo(file).size(), size);
            writer.kill();
            QVERIFY(writer.waitForFinished());
            QCOMPARE(writer.exitStatus(), QProcess::CrashExit); // killed, not failed
            QVERIFY2(QStringList({as, bs}).contains(name(2)), "table 2's name is all A or all B");
        }
    }
};

QTEST_MAIN(tst_HighScores)
#include "tst_highscores.moc"
