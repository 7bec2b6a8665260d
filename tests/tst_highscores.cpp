#include "GameWindow.h"
#include "ModalDialogs.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <csignal>

#include <sys/resource.h>

using namespace Qt::StringLiterals;
using Tables = QMap<int, QString>; // each table's "score|names", "-" for a missing key

const QString NewBest = u"You have created a new High score|Enter Your Name"_s;
const QString EqualBest = u"You have equaled with the High score|Enter Your Name"_s;

// The high-score check and listing on the real main window, the dialogs
// answered as a player would; the store in a file of the test's own, also
// damaged, written by writers killed half-way and by several copies at once.
class tst_HighScores : public QObject, GameWindow
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::shared_ptr<SettingsStore> settings;

    // A table's score and names as "score|names", "-" for a missing key.
    void store(int table, const QString &scoreAndName)
    {
        const QStringList values = scoreAndName.split(u'|');
        for (int i : {0, 1}) {
            const QString key = QString::number(table) + (i ? u"Name"_s : u"Score"_s);
            QVERIFY(values[i] == u"-"_s || settings->WriteSetting(u"Quorvil"_s, u"Multi"_s, key, values[i]));
        }
    }

    QString stored(int table) const
    {
        const auto value = [this](const QString &key) { return settings->ReadSetting(u"Quorvil"_s, u"Multi"_s, key, u"-"_s); };
        return value(QString::number(table) + u"Score"_s) + u'|' + value(QString::number(table) + u"Name"_s);
    }

    // Checks a finished quiz: types the name into the input box (Cancel when it
    // is null) and presses OK in every message box, which must show its text as
    // plain text. Returns what each dialog showed, as "title|text".
    QStringList check(int table, qint64 seconds, const QString &name, const std::function<void()> &whileAsked = {})
    {
        window->tableList()->setCurrentIndex(table);
        window->setQuizTimes(clock->now - seconds, clock->now);
        QStringList shown;
        ModalDialogs dialogs([&](QWidget *dialog) {
            if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
                shown << input->windowTitle() + u'|' + input->labelText();
                if (whileAsked)
                    whileAsked();
                input->findChild<QLineEdit *>()->insert(name);
                return name.isNull() ? input->reject() : input->accept();
            }
            auto *box = qobject_cast<QMessageBox *>(dialog);
            QVERIFY(box);
            shown << box->windowTitle() + u'|' + box->text();
            QCOMPARE(box->findChild<QLabel *>(u"qt_msgbox_label"_s)->textFormat(), Qt::PlainText);
            box->accept();
        });
        window->CheckHighScore();
        return shown;
    }

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        settings = std::make_shared<SettingsStore>(dir->filePath(u"tabulon/highscores.ini"_s));
        openWindow({.random = RandomNumbers(5), .settings = settings});
    }

    void checkAsksStoresAndLists_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("before");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("typed"); // null: Cancel
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("listed"); // the table's line in the listing shown after the check
        const auto row = [](const char *tag, int table, const QString &before, qint64 seconds, const QString &typed,
                            const QString &asked, const QString &after, const QString &entry = {}) {
            QTest::newRow(tag) << table << before << seconds << typed << asked << after
                               << (entry.isEmpty() ? QString() : u"Table %1\t\t"_s.arg(table) + entry + u"\r\n"_s);
        };
        row("first quiz of table 2", 2, u"-|-"_s, 42, u"Bo"_s, NewBest, u"42|Bo"_s, u"Bo ( 42 sec )"_s);
        row("56 beats 57", 3, u"57|Ann"_s, 56, u"Bo"_s, NewBest, u"56|Bo"_s, u"Bo ( 56 sec )"_s);
        row("57 equals 57", 3, u"57|Ann"_s, 57, u"Bo"_s, EqualBest, u"57|Ann, Bo"_s, u"Ann, Bo ( 57 sec )"_s);
        row("58 is slower than 57", 3, u"57|Ann"_s, 58, u"Bo"_s, {}, u"57|Ann"_s);
        row("best 0 and 0 seconds", 4, u"0|Ann"_s, 0, u"Bo"_s, NewBest, u"0|Bo"_s, u"Bo ( 0 sec )"_s);
        row("score abc", 4, u"abc|Ann"_s, 500, u"Bo"_s, NewBest, u"500|Bo"_s, u"Bo ( 500 sec )"_s);
        row("equal best, name key missing", 5, u"57|-"_s, 57, u"Bo"_s, EqualBest, u"57|, Bo"_s, u", Bo ( 57 sec )"_s);
        row("new best, Cancel", 3, u"57|Ann"_s, 50, QString(), NewBest, u"57|Ann"_s);
        row("equal best, OK with nothing typed", 3, u"57|Ann"_s, 57, u""_s, EqualBest, u"57|Ann"_s);
        row("table 1 keeps no score", 1, u"99|One"_s, 5, u"Bo"_s, {}, u"99|One"_s);
        // Stored scores that cannot be a time once crashed the check or locked the
        // table for ever, and so did quizzes of more than nine hours.
        row("negative score is no best", 5, u"-5|Ann"_s, 300, u"Bo"_s, NewBest, u"300|Bo"_s, u"Bo ( 300 sec )"_s);
        row("score beyond 16 bits is no best", 6, u"40000|Ann"_s, 300, u"Bo"_s, NewBest, u"300|Bo"_s, u"Bo ( 300 sec )"_s);
        row("quiz beyond 16 bits is no best", 6, u"-|-"_s, 40000, u"Bo"_s, {}, u"-|-"_s);
        // Another copy of the game stores a better time while the name is typed.
        row("better time stored meanwhile", 7, u"57|Ann"_s, 50, u"Bo"_s, NewBest, u"40|Cy"_s, u"Cy ( 40 sec )"_s);
        // A name is stored as typed and shown as stored, whatever it holds.
        for (const QString &name : {u"<b>Ann</b> &amp; <a href=\"x\">Bo</a>"_s, u"Ann, \"Bo\"; Cy = Di \\n [x] @Variant(y)"_s,
                                    u"Zoë 日本語 العربية 😀 👩‍👩‍👧 "_s + QString(5000, u'W')})
            row(qPrintable(u"name "_s + name.left(24)), 8, u"-|-"_s, 42, name, NewBest, u"42|"_s + name, name + u" ( 42 sec )"_s);
    }

    void checkAsksStoresAndLists()
    {
        QFETCH(int, table);
        QFETCH(QString, before);
        QFETCH(qint64, seconds);
        QFETCH(QString, typed);
        QFETCH(QString, asked);
        QFETCH(QString, after);
        QFETCH(QString, listed);
        store(table, before);
        const QStringList shown = check(table, seconds, typed, [this, table] {
            if (table == 7)
                store(7, u"40|Cy"_s);
        });
        QCOMPARE(shown.value(0), asked);
        QCOMPARE(shown.size(), asked.isEmpty() ? 0 : listed.isEmpty() ? 1 : 2);
        QVERIFY2(listed.isEmpty() || (shown[1].startsWith(u"Tabulon - High Scores|"_s) && shown[1].contains(listed)),
                 qPrintable(shown.join(u'\n')));
        QCOMPARE(stored(table), after);
    }

    void unwritableStoreIsReported_data()
    {
        QTest::addColumn<QString>("obstacle");
        // Each of them holds for root as well, which may write anywhere else.
        QTest::newRow("a file where the folder should be") << u"file"_s;
        QTest::newRow("a folder where the file should be") << u"folder"_s;
        QTest::newRow("a full disk") << u"disk"_s;
    }

    void unwritableStoreIsReported()
    {
        QFETCH(QString, obstacle);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        if (obstacle == u"file"_s) {
            QVERIFY(QFile(dir->filePath(u"tabulon"_s)).open(QIODevice::WriteOnly));
        } else if (obstacle == u"folder"_s) {
            QVERIFY(QDir().mkpath(settings->filePath()));
        } else {
            std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead of ending the process
            rlimit limited = saved;
            limited.rlim_cur = 16 * 1024;
            setrlimit(RLIMIT_FSIZE, &limited);
        }
        const QStringList shown = check(3, 42, obstacle == u"disk"_s ? QString(64 * 1024, u'B') : u"Ann"_s);
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(shown.size(), 2); // and no listing that pretends the score was kept
        QVERIFY2(shown[1].startsWith(u"Tabulon|The high score could not be saved.\n\n"_s), qPrintable(shown[1]));
        // Values that could not be written must not be written later with others.
        QVERIFY(obstacle != u"disk"_s || settings->WriteSetting(u"Quorvil"_s, u"Multi"_s, u"4Score"_s, u"1"_s));
        QCOMPARE(stored(3), u"-|-"_s);
    }

    void listingByteForByte_data()
    {
        QTest::addColumn<Tables>("tables");
        QTest::addColumn<QString>("listing");
        QTest::newRow("empty store") << Tables()
                                     << u"Table 2\t\t-\r\nTable 3\t\t-\r\nTable 4\t\t-\r\nTable 5\t\t-\r\nTable 6\t\t-\r\n"
                                        u"Table 7\t\t-\r\nTable 8\t\t-\r\nTable 9\t\t-\r\nTable 1 to 9\t-\r\n"_s;
        QTest::newRow("mixed store")
            << Tables{{1, u"5|One"_s}, {3, u"57|Ann"_s}, {4, u"33|-"_s}, {5, u"-|Di"_s}, {6, u"abc|Ed"_s},
                                  {7, u"|Fy"_s}, {10, u"120|Bo, Cy"_s}}
            << u"Table 2\t\t-\r\nTable 3\t\tAnn ( 57 sec )\r\nTable 4\t\t-\r\nTable 5\t\t-\r\nTable 6\t\tEd ( abc sec )\r\n"
               u"Table 7\t\t-\r\nTable 8\t\t-\r\nTable 9\t\t-\r\nTable 1 to 9\tBo, Cy ( 120 sec )\r\n"_s;
    }

    // Asked for during a quiz, whose clock goes on meanwhile.
    void listingByteForByte()
    {
        QFETCH(Tables, tables);
        QFETCH(QString, listing);
        for (auto it = tables.cbegin(); it != tables.cend(); ++it)
            store(it.key(), it.value());
        start(2);
        QString shown;
        ModalDialogs dialogs([&](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            QVERIFY(box);
            shown = u"%1|%2|%3|"_s.arg(box->windowTitle()).arg(box->icon()).arg(box->standardButtons()) + box->text();
            clock->advance(7);
            box->accept();
        });
        QTest::mouseClick(control("cmdHighScores"), Qt::LeftButton);
        QCOMPARE(shown, u"Tabulon - High Scores|%1|%2|"_s.arg(QMessageBox::NoIcon).arg(QMessageBox::Ok) + listing);
        window->Timer1_Timer();
        QCOMPARE(text("lblTimeTaken"), u"7 sec"_s);
    }

    void corruptFileKeepsWhatCanBeRead_data()
    {
        QTest::addColumn<QByteArray>("damage");
        QByteArray junk(4096, '\0');
        QRandomGenerator random(42);
        for (char &c : junk)
            c = char(random.bounded(256));
        QTest::newRow("binary junk") << junk.replace('[', '(').replace('=', '-'); // starts no section, no value
        QTest::newRow("truncated in a quoted value") << QByteArray("Multi\\4Name=\"Bo, C");
        QTest::newRow("enormous line") << QByteArray(8 << 20, 'x');
    }

    // A damaged file must not stop the game, and storing one table's score must
    // not throw away the values that can still be read, a list of names edited by
    // hand without quotes among them.
    void corruptFileKeepsWhatCanBeRead()
    {
        QFETCH(QByteArray, damage);
        QFile file(settings->filePath());
        QVERIFY(QDir(dir->path()).mkdir(u"tabulon"_s) && file.open(QIODevice::WriteOnly));
        file.write("[Elsewhere]\nMulti\\2Score=9\n[Quorvil]\nMulti\\3Score=40\nMulti\\3Name=Ann, Bo\n" + damage + '\n');
        file.close();
        store(2, u"57|-"_s);
        QCOMPARE(stored(2) + u'|' + stored(3), u"57|-|40|Ann, Bo"_s);
        QCOMPARE(settings->ReadSetting(u"Elsewhere"_s, u"Multi"_s, u"2Score"_s, {}), u"9"_s);
    }

    // Readers never see a file half written, and a writer killed at any moment
    // leaves the old values or the new ones.
    void killedWritersLeaveOldOrNewValues()
    {
        constexpr int NameLength = 1 << 18;
        store(2, u"-|"_s + QString(NameLength, u'A'));
        store(3, u"40|-"_s);
        const qint64 wholeSize = QFileInfo(settings->filePath()).size();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"TMPDIR"_s, dir->path()); // for the working copies that kills leave behind
        QRandomGenerator random(7);
        for (int kill = 0; kill < 10; ++kill) {
            QProcess writer;
            writer.setProcessEnvironment(environment);
            writer.start(QStringLiteral(SCOREWRITER), {u"rewrite"_s, settings->filePath(), QString::number(NameLength)});
            QVERIFY(writer.waitForStarted());
            // Both versions have one size; a file written in place would be caught
            // short. The writer replaces the file many times before it is killed.
            for (QDeadlineTimer killAt(100 + random.bounded(400)); !killAt.hasExpired();)
                QCOMPARE(QFileInfo(settings->filePath()).size(), wholeSize);
            QCOMPARE(writer.state(), QProcess::Running); // still writing, not failed
            writer.kill();
            QVERIFY(writer.waitForFinished());
            const QString name = stored(2);
            QVERIFY(name == u"-|"_s + QString(NameLength, u'A') || name == u"-|"_s + QString(NameLength, u'B'));
            QCOMPARE(stored(3), u"40|-"_s);
        }
    }

    // Copies of the game that equal the best time at the same moment each add
    // their name; none is lost to another's write.
    void concurrentEqualTimesKeepEveryName()
    {
        store(3, u"57|Ann"_s);
        const QString go = dir->filePath(u"go"_s);
        std::vector<std::unique_ptr<QProcess>> copies(12);
        QStringList expected{u"Ann"_s};
        for (auto &copy : copies) {
            expected << u"Player %1"_s.arg(expected.size());
            copy = std::make_unique<QProcess>();
            copy->start(QStringLiteral(SCOREWRITER), {u"record"_s, settings->filePath(), u"3"_s, u"57"_s, expected.last(), go});
            QVERIFY(copy->waitForStarted());
        }
        QVERIFY(QFile(go).open(QIODevice::WriteOnly)); // all of them write now
        for (const auto &copy : copies) {
            QVERIFY(copy->waitForFinished(60000));
            QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
            QCOMPARE(copy->exitCode(), 0);
        }
        QStringList names = stored(3).mid(3).split(u", "_s);
        names.sort();
        expected.sort();
        QCOMPARE(names, expected);
    }
};

QTEST_MAIN(tst_HighScores)
#include "tst_highscores.moc"
