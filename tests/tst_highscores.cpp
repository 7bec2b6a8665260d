#include "HighScoreBook.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <charconv>
#include <cmath>

using namespace Qt::StringLiterals;
using V = HighScoreRules::Verdict;
using R = HighScoreBook::Recorded::Result;

namespace {

const QString App = u"Quorvil"_s, Section = u"Multi"_s;
// Another program's section, table 1's values, and a list of names edited by hand without quotes.
const QByteArray Others = "[Elsewhere]\nMulti\\9Score=9\n[Quorvil]\nMulti\\1Score=5\nMulti\\1Name=One\n"
                          "Multi\\10Score=120\nMulti\\10Name=Bo, Cy\n";

// A finished quiz recorded under each name in turn after one verdict, with these lines after the others in the
// store and an event: the store gone or damaged, or "overtaken" by another copy storing 40 s after the verdict.
struct Quiz
{
    int table;
    QByteArray lines, event;
    std::optional<qint16> seconds; // none: a quiz beyond 16 bits
    const char *names; // recorded in turn
    V verdict;
    R result;
    const char *after; // "score|names", "-" for a missing key
};

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The reading rule, written again: blanks, then the longest number with a sign, a fraction and an exponent,
// rounded to the nearest whole number (a tie to the even one); none (0) beyond a double or outside 0 to 32767.
qint16 bestByTheRule(const QString &text)
{
    static const QRegularExpression number(u"^[ \\t]*([+-]?)((?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)"_s);
    const QRegularExpressionMatch match = number.match(text);
    const QByteArray digits = match.captured(2).toLatin1();
    double value = 0;
    std::from_chars(digits.cbegin(), digits.cend(), value); // leaves 0 when it reads nothing
    const double whole = std::nearbyint(match.captured(1) == u"-"_s ? -value : value);
    return whole >= 0 && whole <= 32767 ? qint16(whole) : 0;
}

} // namespace

// The best times in a store of the test's own, also damaged, written by other programs and other copies.
class tst_HighScores : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<SettingsStore> store;

    QString stored(int table) const
    {
        const auto text = [&](const QString &key) { return store->ReadSetting(App, Section, key, u"-"_s); };
        return text(HighScoreRules::scoreKey(table)) + u'|' + text(HighScoreRules::nameKey(table));
    }

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        store = std::make_unique<SettingsStore>(dir->filePath(u"tabulon/highscores.ini"_s));
    }

    void verdictAndRecord_data()
    {
        QTest::addColumn<Quiz>("quiz");
        const auto row = [](const char *tag, const Quiz &quiz) { QTest::newRow(tag) << quiz; };
        const QByteArray ann57 = "Multi\\3Score=57\nMulti\\3Name=Ann";
        row("no store", {2, {}, "gone", 42, "Bo", V::NewBest, R::Stored, "42|Bo"});
        row("56 beats 57", {3, ann57, "", 56, "Bo", V::NewBest, R::Stored, "56|Bo"});
        row("57 equals 57", {3, ann57, "", 57, "Bo", V::EqualBest, R::Stored, "57|Ann, Bo"});
        row("58 is slower than 57", {3, ann57, "", 58, "Bo", V::NotBest, R::NotBest, "57|Ann"});
        row("better time stored meanwhile", {3, ann57, "overtaken", 50, "Bo", V::NewBest, R::NotBest, "40|Cy"});
        row("equal times in order", {4, {}, "", 57, "Ann/Bo/Cy", V::NewBest, R::Stored, "57|Ann, Bo, Cy"});
        row("best 0: even 0 s beats it", {4, "Multi\\4Score=0", "", 0, "Bo", V::NewBest, R::Stored, "0|Bo"});
        row("best abc", {4, "Multi\\4Score=abc\nMulti\\4Name=Ann", "", 500, "Bo", V::NewBest, R::Stored, "500|Bo"});
        row("equal best, no name key", {5, "Multi\\5Score=57", "", 57, "Bo", V::EqualBest, R::Stored, "57|, Bo"});
        row("best 2.5 is 2", {5, "Multi\\5Score=2.5", "", 2, "Bo", V::EqualBest, R::Stored, "2.5|, Bo"});
        row("best 3.5 is 4", {5, "Multi\\5Score=3.5", "", 4, "Bo", V::EqualBest, R::Stored, "3.5|, Bo"});
        row("a quiz beyond 16 bits", {6, {}, "", {}, "", V::NotBest, R::NotBest, "-|-"});
        row("table 1 keeps no best", {1, {}, "", 3, "", V::NotBest, R::NotBest, "5|One"});
        // What can be read is kept; what cannot be written is reported and leaves the file as it was.
        QByteArray junk(4096, '\0');
        QRandomGenerator(42).fillRange(reinterpret_cast<quint32 *>(junk.data()), junk.size() / 4);
        junk.replace('[', '(').replace('=', '-'); // starts no section, no value
        row("binary junk", {7, junk, "", 22, "Ann", V::NewBest, R::Stored, "22|Ann"});
        row("truncated in a quoted value", {7, "Multi\\4Name=\"Bo, C", "", 22, "Ann", V::NewBest, R::Stored, "22|Ann"});
        row("a copy killed while taking over a stale lock", {7, {}, "lock", 22, "Ann", V::NewBest, R::Stored, "22|Ann"});
        row("store larger than any store", {7, QByteArray(17 << 20, ' '), "", 22, "Ann", V::NewBest, R::Failed, "-|-"});
        row("store a loop of links", {7, {}, "loop", 22, "Ann", V::NewBest, R::Failed, "-|-"});
        // Nobody, root included, may add a file beside it.
        row("store a link to /proc/version", {7, {}, "/proc/version", 22, "Ann", V::NewBest, R::Failed, "-|-"});
        row("a file where the folder should be", {7, {}, "file", 22, "Ann", V::NewBest, R::Failed, "-|-"});
        row("a folder where the file should be", {7, {}, "folder", 22, "Ann", V::NewBest, R::Failed, "-|-"});
    }

    void verdictAndRecord()
    {
        QFETCH(Quiz, quiz);
        const QString file = store->filePath(), folder = QFileInfo(file).path();
        QVERIFY(writeBytes(file, Others + quiz.lines + '\n'));
        if (quiz.event == "gone" || quiz.event == "file")
            QVERIFY(QDir(folder).removeRecursively() && (quiz.event == "gone" || writeBytes(folder, {})));
        if (quiz.event == "folder")
            QVERIFY(QFile::remove(file) && QDir().mkpath(file));
        if (quiz.event == "loop" || quiz.event.startsWith('/'))
            QVERIFY(QFile::remove(file) && QFile::link(quiz.event == "loop" ? file : QString::fromLatin1(quiz.event), file));
        const auto stale = [](QFile &&lock) { // a lock, and its takeover made but never written
            const QDateTime longAgo = QDateTime::currentDateTime().addSecs(-10);
            return lock.open(QIODevice::WriteOnly) && lock.setFileTime(longAgo, QFile::FileModificationTime);
        };
        QVERIFY(quiz.event != "lock" || (stale(QFile(file + u".lock"_s)) && stale(QFile(file + u".lock.rmlock"_s))));
        HighScoreBook book(*store);
        QCOMPARE(book.verdict(quiz.table, quiz.seconds), quiz.verdict);
        QVERIFY(quiz.event != "overtaken" || writeBytes(file, Others + "Multi\\3Score=40\nMulti\\3Name=Cy\n"));
        const auto bytes = [&file] { QFile now(file); return now.open(QIODevice::ReadOnly) ? now.readAll() : "-"; };
        const QByteArray before = bytes();
        for (const QString &name : QString::fromUtf8(quiz.names).split(u'/', Qt::SkipEmptyParts)) {
            const auto recorded = book.record(quiz.table, *quiz.seconds, name);
            QCOMPARE(recorded.result, quiz.result);
            QCOMPARE(book.errorString().isEmpty(), quiz.result != R::Failed);
            QCOMPARE(recorded.listing, quiz.result == R::Failed ? QString() : book.listing()); // the store as written
        }
        QCOMPARE(bytes() == before, quiz.result != R::Stored);
        QCOMPARE(stored(quiz.table), QString::fromUtf8(quiz.after));
        if (quiz.result != R::Failed && quiz.event != "gone")
            QCOMPARE(stored(10) + store->ReadSetting(u"Elsewhere"_s, Section, u"9Score"_s, {}), u"120|Bo, Cy9"_s);
    }

    // The listing byte for byte: tables 2 to 9 with two tabs, the whole table with one, no table 1; each text
    // exactly as stored, "-" unless both are there. Texts as a hand or another program might leave them are read
    // by the rule: as text, written through the store, and as random bytes in the file.
    void storedTextsAreReadAndListedByTheRule()
    {
        HighScoreBook book(*store);
        const QString listing = u"Table 2\t\t-\r\nTable 3\t\t-\r\nTable 4\t\t-\r\nTable 5\t\t-\r\nTable 6\t\t-\r\n"
                                u"Table 7\t\t%1\r\nTable 8\t\t-\r\nTable 9\t\t-\r\nTable 1 to 9\t%2\r\n"_s;
        QCOMPARE(book.listing(), listing.arg(u"-"_s, u"-"_s)); // no store
        QVERIFY(writeBytes(store->filePath(), Others));
        QRandomGenerator random(11);
        QStringList pieces = u"\t| |+|-|.|e|E|0|5|32767|32768|0.5|2.5|1e400|e-400|x|abc|\n|\r|\u0001|\u0663|\uff15|%1|%2|"
                             u"\0| sec|nan|inf|\"|\\|, |;|=|[x]|#|@Variant(|Zoë|日本語|العربية|😀👩‍👩‍👧"_s.split(u'|');
        pieces << QString(400, u'9') << QString(400, u'0') << QString(5000, u'W');
        const auto check = [&](const QString &score, const QString &name) { // the best is equalled, or none beaten
            const qint16 best = bestByTheRule(score);
            QCOMPARE(book.verdict(7, best ? best : qint16(32767)), best ? V::EqualBest : V::NewBest);
            const QString entry = score.isEmpty() || name.isEmpty() ? u"-"_s : name + u" ( "_s + score + u" sec )"_s;
            QCOMPARE(book.listing(), listing.arg(entry, u"Bo, Cy ( 120 sec )"_s));
        };
        QByteArray noise(64, '\0');
        for (int i = 0; i < 20000 && !QTest::currentTestFailed(); ++i) {
            QString score, name;
            for (QString *text : {&score, &name})
                for (int n = random.bounded(8); n > 0; --n)
                    *text += pieces[random.bounded(int(pieces.size()))];
            QCOMPARE(HighScoreRules::storedBest(score), bestByTheRule(score));
            if (i % 100)
                continue;
            const SettingsStore::Changes texts{{u"7Score"_s, score}, {u"7Name"_s, name}};
            QVERIFY(store->update(App, Section, [&texts](const auto &) { return texts; }));
            check(score, name);
            random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
            noise.replace('=', '-'); // no lines of other keys
            QVERIFY(writeBytes(store->filePath(), Others + "Multi\\7Score=" + noise.left(random.bounded(32))
                                                      + "\nMulti\\7Name=" + noise.mid(32, random.bounded(32))));
            check(store->ReadSetting(App, Section, u"7Score"_s, {}), store->ReadSetting(App, Section, u"7Name"_s, {}));
        }
    }

    // Copies that equal the best time at one moment each add their name. A writer killed at any moment leaves
    // the old values or the new ones, and readers never see a file half written: one written in place is short.
    void otherCopiesLoseNothing()
    {
        constexpr int Length = 1 << 18;
        const QString file = store->filePath(), go = dir->filePath(u"go"_s);
        QVERIFY(writeBytes(file, "[Quorvil]\nMulti\\2Name=" + QByteArray(Length, 'A') + "\nMulti\\3Score=57\nMulti\\3Name=Ann"));
        QProcess copies[12];
        QStringList names{u"Ann"_s}; // then Player 10 to 21, in the order of text
        for (QProcess &copy : copies) {
            names << u"Player %1"_s.arg(names.size() + 9);
            copy.start(QStringLiteral(SCOREWRITER), {u"record"_s, file, u"3"_s, u"57"_s, names.last(), go});
        }
        QVERIFY(QFile(go).open(QIODevice::WriteOnly)); // all of them write now
        for (QProcess &copy : copies)
            QVERIFY(copy.waitForFinished(60000) && copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0);
        QStringList recorded = stored(3).mid(3).split(u", "_s);
        recorded.sort();
        QCOMPARE(recorded, names);
        const qint64 size = QFileInfo(file).size();
        QRandomGenerator random(7);
        for (int kill = 0; kill < 10; ++kill) {
            QProcess writer;
            writer.start(QStringLiteral(SCOREWRITER), {u"rewrite"_s, file, QString::number(Length)});
            QVERIFY(writer.waitForStarted());
            for (QDeadlineTimer killAt(100 + random.bounded(400)); !killAt.hasExpired();) // many replacements
                QCOMPARE(QFileInfo(file).size(), size);
            QCOMPARE(writer.state(), QProcess::Running); // still writing, not failed
            writer.kill();
            QVERIFY(writer.waitForFinished());
            QVERIFY(stored(2) == u"-|"_s + QString(Length, u'A') || stored(2) == u"-|"_s + QString(Length, u'B'));
        }
    }
};

QTEST_MAIN(tst_HighScores)
#include "tst_highscores.moc"
