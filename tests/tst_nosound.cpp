#include "SoundPlayer.h"
#include "TestSounds.h"
#include "frmMultiiplication.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// A machine without a sound server: the client finds an empty runtime
// directory and nothing else.
class tst_NoSound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void noOutputDevice();
    void playReturnsWithoutPlaying_data();
    void playReturnsWithoutPlaying();
    void unplayableFilesSayNothing_data();
    void unplayableFilesSayNothing();

private:
    QTemporaryDir runtime;
    QTemporaryDir dir;
    frmMultiiplication window;
};

// Before anything touches audio: the window sets it up at the first sound.
void tst_NoSound::initTestCase()
{
    QVERIFY(runtime.isValid());
    QVERIFY(dir.isValid());
    TestSounds::writeBytes(runtime.filePath(u"client.conf"_s), "autospawn = no\n");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(runtime.path()));
    qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(runtime.filePath(u"client.conf"_s)));
    qputenv("PULSE_SERVER", QFile::encodeName(u"unix:"_s + runtime.filePath(u"native"_s)));
}

void tst_NoSound::noOutputDevice()
{
    QCOMPARE(SoundPlayer::outputDeviceCount(), 0);
}

void tst_NoSound::playReturnsWithoutPlaying_data()
{
    QTest::addColumn<bool>("waitUntilFinish");
    QTest::newRow("waiting") << true;
    QTest::newRow("not waiting") << false;
}

void tst_NoSound::playReturnsWithoutPlaying()
{
    QFETCH(bool, waitUntilFinish);
    const QString path = TestSounds::writeTone(QDir(dir.path()), u"long.wav"_s, 5.0);
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    QElapsedTimer clock;
    clock.start();
    window.PlaySound(path, waitUntilFinish);
    // Far less than the sound: nothing waited for it.
    QVERIFY(TestSounds::elapsed(clock) < 5s);
}

void tst_NoSound::unplayableFilesSayNothing_data()
{
    QTest::addColumn<QString>("path");
    TestSounds::addUnplayableFileRows(QDir(dir.path()));
}

void tst_NoSound::unplayableFilesSayNothing()
{
    QFETCH(QString, path);
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    window.PlaySound(path, true);
    window.PlaySound(path, false);
}

QTEST_MAIN(tst_NoSound)
#include "tst_nosound.moc"
