#include "SoundPlayer.h"
#include "TestSounds.h"
#include "frmMultiiplication.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// A sound server of the test's own, which goes away while a sound plays.
namespace {

bool serverAnswers()
{
    QProcess pactl;
    pactl.setStandardOutputFile(QProcess::nullDevice());
    pactl.setStandardErrorFile(QProcess::nullDevice());
    pactl.start(u"pactl"_s, {u"info"_s});
    return pactl.waitForFinished() && pactl.exitStatus() == QProcess::NormalExit
           && pactl.exitCode() == 0;
}

} // namespace

class tst_SoundServerLoss : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void waitEndsWhenTheServerGoesAway();
    void playAfterTheServerWentAwayReturns_data();
    void playAfterTheServerWentAwayReturns();

private:
    QTemporaryDir dir;
    QProcess server;
    frmMultiiplication window;
};

void tst_SoundServerLoss::initTestCase()
{
    QVERIFY(dir.isValid());
    const QString socket = u"unix:"_s + dir.filePath(u"native"_s);
    qputenv("PULSE_SERVER", QFile::encodeName(socket));
    server.start(u"bash"_s, {QStringLiteral(TABULON_SOUND_SERVER_SCRIPT), u"run"_s, dir.path()});
    QVERIFY(server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(serverAnswers(), 10000);
    QVERIFY(SoundPlayer::outputDeviceCount() >= 1);
}

void tst_SoundServerLoss::cleanupTestCase()
{
    server.kill();
    server.waitForFinished();
}

void tst_SoundServerLoss::waitEndsWhenTheServerGoesAway()
{
    const std::chrono::seconds length = 4s;
    const QString path = TestSounds::writeTone(QDir(dir.path()), u"long.wav"_s, length.count());
    QTimer::singleShot(300ms, &server, &QProcess::kill);
    QElapsedTimer clock;
    clock.start();
    window.PlaySound(path, true);
    QVERIFY(TestSounds::elapsed(clock) >= 300ms);
    QVERIFY(TestSounds::elapsed(clock) < length);
    QTRY_COMPARE(server.state(), QProcess::NotRunning);
}

void tst_SoundServerLoss::playAfterTheServerWentAwayReturns_data()
{
    QTest::addColumn<bool>("waitUntilFinish");
    QTest::newRow("waiting") << true;
    QTest::newRow("not waiting") << false;
}

void tst_SoundServerLoss::playAfterTheServerWentAwayReturns()
{
    QFETCH(bool, waitUntilFinish);
    const QString path = TestSounds::writeTone(QDir(dir.path()), u"long.wav"_s, 4.0);
    QElapsedTimer clock;
    clock.start();
    window.PlaySound(path, waitUntilFinish);
    QVERIFY(TestSounds::elapsed(clock) < 4s);
}

QTEST_MAIN(tst_SoundServerLoss)
#include "tst_soundserverloss.moc"
