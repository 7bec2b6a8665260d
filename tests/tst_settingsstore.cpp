#include "SettingsStore.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

// Caps the size of files this process writes, as a full disk would.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN); // fail the write, do not end the process
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void missingKeyReadsAsDefaultAndCreatesNothing();
    void textRoundTripsExactly_data();
    void textRoundTripsExactly();
    void writeKeepsEveryOtherValue();
    void corruptFileKeepsWhatCanBeRead_data();
    void corruptFileKeepsWhatCanBeRead();
    void unwritableStoreReportsFailure_data();
    void unwritableStoreReportsFailure();
    void failedWriteIsNotReadBack();
    void readersAndKilledWritersSeeOldOrNewValues();

private:
    QString path(const QString &name = u"tabulon/highscores.ini"_s) const { return dir->filePath(name); }
    static void writeFile(const QString &file, const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> dir;
};

void tst_SettingsStore::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void tst_SettingsStore::writeFile(const QString &file, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(bytes), bytes.size());
}

void tst_SettingsStore::missingKeyReadsAsDefaultAndCreatesNothing()
{
    SettingsStore store(path());
    QCOMPARE(store.ReadSetting(u"Quorvil"_s, u"Multi"_s, u"2Score"_s, u"none"_s), u"none"_s);
    QVERIFY(!QFileInfo::exists(path()));
    QVERIFY(store.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"2Score"_s, u"57"_s));
    QCOMPARE(store.ReadSetting(u"Quorvil"_s, u"Multi"_s, u"2Name"_s, QString()), QString());
    QCOMPARE(store.ReadSetting(u"Quorvil"_s, u"Other"_s, u"2Score"_s, u"x"_s), u"x"_s);
    QCOMPARE(store.ReadSetting(u"Quorvil"_s, u"Multi"_s, u"2score"_s, u"x"_s), u"x"_s);
}

void tst_SettingsStore::textRoundTripsExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("separators") << u"Ann, Bo; Cy = Di"_s;
    QTest::newRow("quotes and backslashes") << uR"("Ann" 'Bo' \n \\ C:\x41\)"_s;
    QTest::newRow("markup") << u"<b>Ann</b> &amp; <img src=x> [Quorvil]"_s;
    QTest::newRow("QSettings type prefixes") << u"@Variant(Ann) @ByteArray(Bo) @@Cy"_s;
    QTest::newRow("blanks kept") << u"  Ann  "_s;
    QTest::newRow("only blanks") << u"   "_s;
    QTest::newRow("control characters") << u"Ann\tBo\r\nCy\x01"_s;
    QTest::newRow("scripts") << u"Zoë Þór Ørsted 日本語 العربية עברית Ελένη"_s;
    QTest::newRow("emoji") << u"😀 👍🏽 👩‍👩‍👧"_s;
    QTest::newRow("very long") << QString(20000, u'ж') + u"end"_s;
}

void tst_SettingsStore::textRoundTripsExactly()
{
    QFETCH(QString, text);
    SettingsStore writer(path());
    QVERIFY2(writer.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"3Name"_s, text),
             qPrintable(writer.errorString()));
    const SettingsStore reader(path());
    QCOMPARE(reader.ReadSetting(u"Quorvil"_s, u"Multi"_s, u"3Name"_s, QString()), text);
    QCOMPARE(reader.readSection(u"Quorvil"_s, u"Multi"_s).keys(), QStringList{u"3Name"_s});
}

void tst_SettingsStore::writeKeepsEveryOtherValue()
{
    writeFile(path(), "[Quorvil]\nMulti\\3Score=40\nMulti\\3Name=Ann, Bo\nOther\\Key=1\n"
                      "[Elsewhere]\nMulti\\2Score=9\n");
    SettingsStore store(path());
    QVERIFY(store.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"2Score"_s, u"57"_s));
    QVERIFY(store.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"3Score"_s, u"39"_s));

    const SettingsStore::Section multi = store.readSection(u"Quorvil"_s, u"Multi"_s);
    QCOMPARE(multi.size(), 3);
    QCOMPARE(multi.value(u"2Score"_s), u"57"_s);
    QCOMPARE(multi.value(u"3Score"_s), u"39"_s);
    // Written by hand without quotes, the list of names still reads whole.
    QCOMPARE(multi.value(u"3Name"_s), u"Ann, Bo"_s);
    QCOMPARE(store.ReadSetting(u"Quorvil"_s, u"Other"_s, u"Key"_s, QString()), u"1"_s);
    QCOMPARE(store.ReadSetting(u"Elsewhere"_s, u"Multi"_s, u"2Score"_s, QString()), u"9"_s);
}

void tst_SettingsStore::corruptFileKeepsWhatCanBeRead_data()
{
    QTest::addColumn<QByteArray>("contents");
    const QByteArray good = "[Quorvil]\nMulti\\3Score=40\nMulti\\3Name=Ann\n";
    QByteArray junk(4096, '\0');
    QRandomGenerator random(42);
    for (char &c : junk)
        c = char(random.bounded(256));
    junk.replace('[', '(').replace('=', '-'); // junk that starts no section or value
    QTest::newRow("binary junk") << QByteArray(good + junk + "\n" + good.mid(10) + junk);
    QTest::newRow("nul bytes") << QByteArray(good + QByteArray(100, '\0') + "\n");
    QTest::newRow("truncated in a quoted value") << QByteArray(good + "Multi\\4Name=\"Bo, C");
    QTest::newRow("truncated in a section name") << QByteArray(good + "[Quor");
    QTest::newRow("enormous line") << QByteArray(good + QByteArray(8 << 20, 'x') + "\n");
    QTest::newRow("enormous value") << QByteArray(good + "Multi\\5Name=" + QByteArray(8 << 20, 'y'));
    QTest::newRow("broken type prefix") << QByteArray(good + "Multi\\6Name=@Variant(\\0\\0\\0\\xb\\xff\\xff\\xff\\xf0)\n");
}

// A damaged file must not stop the game, and storing one table's score must
// not throw away the other tables' values that can still be read.
void tst_SettingsStore::corruptFileKeepsWhatCanBeRead()
{
    QFETCH(QByteArray, contents);
    writeFile(path(), contents);
    SettingsStore store(path());
    QCOMPARE(store.ReadSetting(u"Quorvil"_s, u"Multi"_s, u"3Score"_s, QString()), u"40"_s);
    QVERIFY2(store.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"2Score"_s, u"57"_s),
             qPrintable(store.errorString()));
    const SettingsStore::Section multi = SettingsStore(path()).readSection(u"Quorvil"_s, u"Multi"_s);
    QCOMPARE(multi.value(u"2Score"_s), u"57"_s);
    QCOMPARE(multi.value(u"3Score"_s), u"40"_s);
    QCOMPARE(multi.value(u"3Name"_s), u"Ann"_s);
}

void tst_SettingsStore::unwritableStoreReportsFailure_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<bool>("obstacleIsFolder");
    // Both hold for root as well, which may write anywhere else.
    QTest::newRow("file where the folder should be") << u"tabulon"_s << false;
    QTest::newRow("folder where the file should be") << u"tabulon/highscores.ini"_s << true;
    QTest::newRow("file where a parent folder should be") << QString() << false;
}

void tst_SettingsStore::unwritableStoreReportsFailure()
{
    QFETCH(QString, obstacle);
    QFETCH(bool, obstacleIsFolder);
    QString file = path();
    if (obstacle.isEmpty()) {
        writeFile(path(u"blocker"_s), "in the way");
        file = path(u"blocker/tabulon/highscores.ini"_s);
    } else if (obstacleIsFolder) {
        QVERIFY(QDir().mkpath(path(obstacle)));
    } else {
        writeFile(path(obstacle), "in the way");
    }

    SettingsStore store(file);
    QVERIFY(!store.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"2Score"_s, u"57"_s));
    QVERIFY(!store.errorString().isEmpty());
    QCOMPARE(store.ReadSetting(u"Quorvil"_s, u"Multi"_s, u"2Score"_s, u"-"_s), u"-"_s);
}

// A value that could not be written must not be read back later as if it
// had been: a full disk, here a file-size limit, which binds root too.
void tst_SettingsStore::failedWriteIsNotReadBack()
{
    SettingsStore store(path());
    QVERIFY(store.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"3Name"_s, u"Ann"_s));
    {
        const FileSizeLimit limit(16 * 1024);
        QVERIFY(!store.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"3Name"_s, QString(64 * 1024, u'B')));
        QVERIFY(!store.errorString().isEmpty());
    }
    QCOMPARE(store.ReadSetting(u"Quorvil"_s, u"Multi"_s, u"3Name"_s, QString()), u"Ann"_s);
    QVERIFY(store.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"3Score"_s, u"40"_s));
    QCOMPARE(store.ReadSetting(u"Quorvil"_s, u"Multi"_s, u"3Name"_s, QString()), u"Ann"_s);
    QCOMPARE(store.errorString(), QString());
}

// Readers never see a file half written, and a writer killed at any moment
// leaves the old values or the new ones, never a mixture or a cut-off file.
// The lock a killed writer held is taken over by the next one.
void tst_SettingsStore::readersAndKilledWritersSeeOldOrNewValues()
{
    static constexpr int NameLength = 1 << 20;
    constexpr int Kills = 15;
    SettingsStore store(path());
    QVERIFY(store.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"3Score"_s, u"40"_s));
    QVERIFY(store.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"2Name"_s, QString(NameLength, u'A')));
    const auto checkWhole = [&store] {
        const SettingsStore::Section multi = store.readSection(u"Quorvil"_s, u"Multi"_s);
        const QString name = multi.value(u"2Name"_s);
        QCOMPARE(name.size(), NameLength);
        QVERIFY(name == QString(NameLength, u'A') || name == QString(NameLength, u'B'));
        QCOMPARE(multi.value(u"3Score"_s), u"40"_s);
    };

    const qint64 wholeSize = QFileInfo(path()).size();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"TMPDIR"_s, dir->path()); // working copies left by the kill
    QRandomGenerator random(7);
    for (int kill = 0; kill < Kills; ++kill) {
        QProcess writer;
        writer.setProcessEnvironment(environment);
        writer.start(QStringLiteral(SCOREWRITER), {u"rewrite"_s, path(), QString::number(NameLength)});
        QVERIFY(writer.waitForStarted());
        // Both versions of the file have the same size; a file being
        // written in place would be caught short.
        QDeadlineTimer killAt(20 + random.bounded(80));
        while (!killAt.hasExpired())
            QCOMPARE(QFileInfo(path()).size(), wholeSize);
        QCOMPARE(writer.state(), QProcess::Running); // still writing, not failed
        writer.kill();
        QVERIFY(writer.waitForFinished());
        checkWhole();
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY2(store.WriteSetting(u"Quorvil"_s, u"Multi"_s, u"2Name"_s, u"Ann"_s),
             qPrintable(store.errorString()));
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
