#include "HighScoreBook.h"
#include "HighScoreCheck.h"
#include "Product.h"

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
using K = HighScoreReport::Kind;

namespace {

const QString App = u"Quorvil"_s, Other = u"Other"_s, Section = u"Multi"_s, Bo = u"Bo"_s, Cy = u"Cy"_s;
// Another program's section, table 1, Ann's 57 s, a score without a name, names edited by hand without quotes.
const QByteArray Others = "[Other]\nMulti\\9Score=9\n[Quorvil]\nMulti\\1Score=5\nMulti\\1Name=One\nMulti\\3Score=57\n"
                          "Multi\\3Name=Ann\nMulti\\8Score=30\nMulti\\10Score=120\nMulti\\10Name=Bo, Cy\n";
// The name prompt's title after each verdict: none when the time is no best.
const QMap<V, QString> Prompts{{V::NewBest, u"You have created a new High score"_s},
                               {V::EqualBest, u"You have equaled with the High score"_s}};

// What is done to the store before the verdict: none, sound text, damaged text (again: beside the copy of an earlier
// damage), sound text and a better time stored between the verdict and the records, a stale lock, a link into /proc.
enum class SetUp { NoStore, Store, Damaged, DamagedAgain, Overtaken, StaleLock, LinkIntoProc };

// A finished quiz: after one verdict each name given in turn (empty: the prompt cancelled) is recorded and reported.
struct Quiz
{
    int table;
    SetUp setUp;
    QByteArray text; // of the store
    std::optional<qint16> seconds; // none: a quiz beyond 16 bits
    QStringList names;
    V verdict;
    K kind; // of each report
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
    // No store, nor a link left by the row before.
    void init() { QVERIFY(QDir(dir.filePath(u"tabulon"_s)).removeRecursively()); }

    void verdictRecordsAndReports_data()
    {
        using S = SetUp;
        QTest::addColumn<Quiz>("quiz");
        const auto row = [](const QByteArray &tag, const Quiz &quiz) { QTest::newRow(tag.constData()) << quiz; };
        row("no store: even 0 s is a best", {2, S::NoStore, {}, 0, {Bo}, V::NewBest, K::Listing, "0", "Bo"});
        row("57 equals 57, names in order",
            {3, S::Store, Others, 57, {Bo, Cy}, V::EqualBest, K::Listing, "57", "Ann, Bo, Cy"});
        row("new best, prompt cancelled", {3, S::Store, Others, 50, {u""_s}, V::NewBest, K::Nothing, "57", "Ann"});
        row("better time stored meanwhile", {3, S::Overtaken, Others, 50, {Bo}, V::NewBest, K::Listing, "40", "Cy"});
        row("best 2.5 is 2, no name key",
            {5, S::Store, Others + "Multi\\5Score=2.5\n", 2, {Bo}, V::EqualBest, K::Listing, "2.5", ", Bo"});
        row("a quiz beyond 16 bits", {6, S::Store, Others, {}, {Bo}, V::NotBest, K::Nothing, "-", "-"});
        // A killed copy left a stale lock and an empty takeover of it: saving waits seconds, not half a minute.
        row("stale lock, empty takeover", {3, S::StaleLock, Others, 56, {Bo}, V::NewBest, K::Listing, "56", "Bo"});
        row("a link into /proc, where nobody may add a file",
            {7, S::LinkIntoProc, {}, 22, {Bo}, V::NewBest, K::Failure, "-", "-"});
        // What a damaged store holds that cannot be written back is left out; an equal best then copies nothing.
        const auto damaged = [&row](const QByteArray &tag, const QByteArray &text, SetUp setUp = S::Damaged) {
            row("damaged: " + tag, {6, setUp, text, 20, {Bo, Cy}, V::NewBest, K::Listing, "20", "Bo, Cy"});
        };
        damaged("an empty key", Others + "=x\n");
        damaged("again, the earlier copy kept", Others + "=x\n", S::DamagedAgain); // kept under a name of its own
        damaged("a name with a NUL byte and a comma", Others + "Multi\\2Score=9\nMulti\\2Name=A\0nn, Bo\n"_ba);
        damaged("lines that are no INI, a quote left open", Others + "\xff\0@Variant(\nx=\"Bo, C"_ba);
        damaged("a name that is no UTF-8", Others + "Multi\\4Score=9\nMulti\\4Name=Zo\xeb\n");
        damaged("keys QSettings would rename", Others + "Multi\\\\4Score=8\nMulti\\4Name\\=Cy\n");
        // A crash can leave a block of NUL bytes in a file written in place, by another program for instance.
        for (qsizetype at = 0; at < Others.size(); at += 20)
            damaged("NUL bytes at " + QByteArray::number(at), QByteArray(Others).replace(at, 8, QByteArray(8, '\0')));
    }

    void verdictRecordsAndReports()
    {
        QFETCH(Quiz, quiz);
        const QString path = store.filePath();
        if (quiz.setUp == SetUp::DamagedAgain)
            QVERIFY2(writeBytes(damagedCopy, Others), "leave the copy of an earlier damage");
        if (quiz.setUp == SetUp::StaleLock)
            QVERIFY2(writeBytes(path + u".lock"_s, {}, 10) && writeBytes(path + u".lock.rmlock"_s, {}, 10),
                     "leave a lock and an empty takeover of it, 10 s old");
        if (quiz.setUp == SetUp::LinkIntoProc)
            QVERIFY2(QDir().mkpath(QFileInfo(path).path()) && QFile::link(u"/proc/version"_s, path),
                     "link the store to /proc/version");
        else if (quiz.setUp != SetUp::NoStore)
            QVERIFY2(writeBytes(path, quiz.text), "write the store");
        const auto ours = entries(App, quiz.table), others = entries(Other);
        HighScoreBook book(store);
        HighScoreCheck check(book, quiz.table, quiz.seconds);
        const auto prompt = check.namePrompt();
        const auto asked = prompt.value_or(HighScoreCheck::NamePrompt{});
        QCOMPARE(prompt.has_value(), Prompts.contains(quiz.verdict));
        QCOMPARE(asked.title, Prompts.value(quiz.verdict));
        QCOMPARE(asked.label, Prompts.contains(quiz.verdict) ? u"Enter Your Name"_s : QString());
        if (quiz.setUp == SetUp::Overtaken)
            QCOMPARE(HighScoreBook(store).record(3, 40, Cy).result, R::Stored); // another copy's record
        for (const QString &player : quiz.names) {
            const HighScoreReport report = check.record(player);
            // The listing of the store as written, or why the time was not saved; nothing otherwise.
            const QMap<K, std::pair<QString, QString>> shown{
                {K::Listing, {Product::name() + u" - High Scores"_s, book.listing()}},
                {K::Failure, {Product::name(), u"The high score could not be saved.\n\n"_s + store.errorString()}}};
            QCOMPARE(report.kind, quiz.kind);
            QCOMPARE(report.title, shown.value(quiz.kind).first);
            QCOMPARE(report.text, shown.value(quiz.kind).second);
        }
        QCOMPARE(score(quiz.table), QString::fromUtf8(quiz.score));
        QCOMPARE(name(quiz.table), QString::fromUtf8(quiz.name));
        QCOMPARE(entries(App, quiz.table), ours);
        QCOMPARE(entries(Other), others);
        // Nor is a sound store copied, nor one that a failed save left as it was, nor an earlier copy replaced.
        const bool again = quiz.setUp == SetUp::DamagedAgain;
        QCOMPARE(readBytes(damagedCopy), quiz.setUp == SetUp::Damaged ? quiz.text : again ? Others : "(missing)");
        QCOMPARE(readBytes(damagedCopy + u"-2"_s), again ? quiz.text : "(missing)");
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
        const QStringList pieces{u""_s, u" "_s, u"\t"_s, u"+"_s, u"-"_s, u"."_s, u"5"_s, u".5"_s, u"2.5"_s, u"e"_s,
                                 u"E-1"_s, u"32767"_s, u"1e400"_s, u"\u0663"_s, u", "_s, u"\n"_s, u"\""_s, u"\\"_s,
                                 u"="_s, u";"_s, u"\0"_s, u"Zoë"_s};
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
