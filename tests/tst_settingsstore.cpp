#include "SettingsStore.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The high-score file against damage, writers killed half-way and copies of
// the game writing at the same moment.
class tst_SettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void corruptFileKeepsWhatCanBeRead_data();
    void corruptFileKeepsWhatCanBeRead();
    void killedWritersLeaveOldOrNewValues();
    void concurrentEqualTimesKeepEveryName();

private:
    QString read(const QString &key) const { return store->ReadSetting(u"Quorvil"_s, u"Multi"_s, key, {}); }
    void write(const QString &key, const QString &value)
    {
        QVERIFY2(store->WriteSetting(u"Quorvil"_s, u"Multi"_s, key, value), qPrintable(store->errorString()));
    }

    std::unique_ptr<QTemporaryDir> dir;
    QString path;
    std::unique_ptr<SettingsStore> store;
};

void tst_SettingsStore::init()
{
    dir = std::make_unique<QTemporaryDir>();
    path = dir->filePath(u"highscores.ini"_s);
    store = std::make_unique<SettingsStore>(path);
}

void tst_SettingsStore::corruptFileKeepsWhatCanBeRead_data()
{
    QTest::addColumn<QByteArray>("damage");
    QByteArray junk(4096, '\0');
    QRandomGenerator random(42);
    for (char &c : junk)
        c = char(random.bounded(256));
    QTest::newRow("binary junk") << junk.replace('[', '(').replace('=', '-'); // starts no section, no value
    QTest::newRow("truncated in a quoted value") << QByteArray("Multi\\4Name=\"Bo, C");
    QTest::newRow("truncated in a section name") << QByteArray("[Quor");
    QTest::newRow("enormous line") << QByteArray(8 << 20, 'x');
    QTest::newRow("broken type prefix") << QByteArray("Multi\\6Name=@Variant(\\0\\0\\0\\xb\\xff\\xff\\xff\\xf0)");
}

// A damaged file must not stop the game, and storing one table's score must
// not throw away the values that can still be read, a list of names edited by
// hand without quotes among them.
void tst_SettingsStore::corruptFileKeepsWhatCanBeRead()
{
    QFETCH(QByteArray, damage);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Elsewhere]\nMulti\\2Score=9\n[Quorvil]\nMulti\\3Score=40\nMulti\\3Name=Ann, Bo\n" + damage + '\n');
    file.close();
    write(u"2Score"_s, u"57"_s);
    QCOMPARE(read(u"2Score"_s) + u'|' + read(u"3Score"_s) + u'|' + read(u"3Name"_s), u"57|40|Ann, Bo"_s);
    QCOMPARE(store->ReadSetting(u"Elsewhere"_s, u"Multi"_s, u"2Score"_s, {}), u"9"_s);
}

// Readers never see a file half written, and a writer killed at any moment
// leaves the old values or the new ones; the next writer takes over the lock
// that a killed one held.
void tst_SettingsStore::killedWritersLeaveOldOrNewValues()
{
    constexpr int NameLength = 1 << 20;
    write(u"3Score"_s, u"40"_s);
    write(u"2Name"_s, QString(NameLength, u'A'));
    const qint64 wholeSize = QFileInfo(path).size();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"TMPDIR"_s, dir->path()); // for the working copies that kills leave behind
    QRandomGenerator random(7);
    for (int kill = 0; kill < 15; ++kill) {
        QProcess writer;
        writer.setProcessEnvironment(environment);
        writer.start(QStringLiteral(SCOREWRITER), {u"rewrite"_s, path, QString::number(NameLength)});
        QVERIFY(writer.waitForStarted());
        // Both versions have one size; a file written in place would be caught short.
        for (QDeadlineTimer killAt(20 + random.bounded(80)); !killAt.hasExpired();)
            QCOMPARE(QFileInfo(path).size(), wholeSize);
        QCOMPARE(writer.state(), QProcess::Running); // still writing, not failed
        writer.kill();
        QVERIFY(writer.waitForFinished());
        const QString name = read(u"2Name"_s);
        QVERIFY(name == QString(NameLength, u'A') || name == QString(NameLength, u'B'));
        QCOMPARE(read(u"3Score"_s), u"40"_s);
    }
    write(u"2Name"_s, u"Ann"_s);
}

// Copies of the game that equal the best time at the same moment each add
// their name; none is lost to another's write.
void tst_SettingsStore::concurrentEqualTimesKeepEveryName()
{
    write(u"3Score"_s, u"57"_s);
    write(u"3Name"_s, u"Ann"_s);
    const QString go = dir->filePath(u"go"_s);
    std::vector<std::unique_ptr<QProcess>> copies(12);
    QStringList expected{u"Ann"_s};
    for (auto &copy : copies) {
        expected << u"Player %1"_s.arg(expected.size());
        copy = std::make_unique<QProcess>();
        copy->start(QStringLiteral(SCOREWRITER), {u"record"_s, path, u"3"_s, u"57"_s, expected.last(), go});
        QVERIFY(copy->waitForStarted());
    }
    QVERIFY(QFile(go).open(QIODevice::WriteOnly)); // all of them write now
    for (const auto &copy : copies) {
        QVERIFY(copy->waitForFinished(60000));
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
    }
    QStringList names = read(u"3Name"_s).split(u", "_s);
    names.sort();
    expected.sort();
    QCOMPARE(names, expected);
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
