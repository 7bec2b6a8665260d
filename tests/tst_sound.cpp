#include "SoundFile.h"
#include "SoundPlayer.h"
#include "TestSounds.h"
#include "frmMultiiplication.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// Counts the paint events of the widget it watches.
class PaintWatch : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// Playback through a real sound server: the private one that
// scripts/test.sh starts and names in TABULON_TEST_PULSE_SERVER.
class tst_Sound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void audioIsSetUpOnFirstUse(); // runs first: nothing may touch audio before
    void serverOffersAnOutput();
    void closingJingleLastsOneToTwoSeconds();
    void everyEncodingDecodesAndPlays_data();
    void everyEncodingDecodesAndPlays();
    void waitingPlayReturnsAfterTheWholeSound();
    void playWithoutWaitingReturnsWhileTheSoundPlays();
    void newSoundStopsThePlayingOne();
    void waitingWindowDropsClicksAndKeysButRepaints();
    void unplayableFilesPlayNothingAndSayNothing_data();
    void unplayableFilesPlayNothingAndSayNothing();

private:
    QString tone(const QString &name, double seconds) const
    {
        return TestSounds::writeTone(QDir(dir.path()), name, seconds);
    }

    QTemporaryDir dir;
    std::unique_ptr<frmMultiiplication> window;
};

void tst_Sound::initTestCase()
{
    const QByteArray server = qgetenv("TABULON_TEST_PULSE_SERVER");
    if (server.isEmpty())
        QSKIP("No private sound server: scripts/test.sh starts one.");
    qputenv("PULSE_SERVER", server);
    QVERIFY(dir.isValid());
}

void tst_Sound::init()
{
    window = std::make_unique<frmMultiiplication>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void tst_Sound::cleanup()
{
    window.reset();
}

void tst_Sound::audioIsSetUpOnFirstUse()
{
    QCOMPARE(TestSounds::clientsOfThisProcess(), 0);
    window->PlaySound(tone(u"short.wav"_s, 0.1), false);
    QVERIFY(TestSounds::clientsOfThisProcess() > 0);
}

void tst_Sound::serverOffersAnOutput()
{
    QVERIFY(SoundPlayer::outputDeviceCount() >= 1);
}

void tst_Sound::closingJingleLastsOneToTwoSeconds()
{
    const auto jingle = SoundFile::read(QStringLiteral(TABULON_PROGRAM_DIR "/0.wav"));
    QVERIFY(jingle);
    QVERIFY(jingle->duration() >= 1s);
    QVERIFY(jingle->duration() <= 2s);
}

void tst_Sound::everyEncodingDecodesAndPlays_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("sampleRate");
    // Lossy encodings come back close to the tone, not equal to it.
    QTest::addColumn<double>("levelTolerance");

    const int wav = SF_FORMAT_WAV;
    QTest::newRow("8-bit PCM, mono, 8000 Hz") << (wav | SF_FORMAT_PCM_U8) << 1 << 8000 << 0.03;
    QTest::newRow("16-bit PCM, mono, 22050 Hz") << (wav | SF_FORMAT_PCM_16) << 1 << 22050 << 0.01;
    QTest::newRow("16-bit PCM, stereo, 44100 Hz") << (wav | SF_FORMAT_PCM_16) << 2 << 44100 << 0.01;
    QTest::newRow("24-bit PCM, stereo, 48000 Hz") << (wav | SF_FORMAT_PCM_24) << 2 << 48000 << 0.01;
    QTest::newRow("32-bit PCM, mono, 96000 Hz") << (wav | SF_FORMAT_PCM_32) << 1 << 96000 << 0.01;
    QTest::newRow("32-bit float, stereo, 32000 Hz") << (wav | SF_FORMAT_FLOAT) << 2 << 32000 << 0.01;
    QTest::newRow("64-bit float, mono, 16000 Hz") << (wav | SF_FORMAT_DOUBLE) << 1 << 16000 << 0.01;
    QTest::newRow("IMA ADPCM, mono, 11025 Hz") << (wav | SF_FORMAT_IMA_ADPCM) << 1 << 11025 << 0.08;
    QTest::newRow("IMA ADPCM, stereo, 22050 Hz") << (wav | SF_FORMAT_IMA_ADPCM) << 2 << 22050 << 0.08;
    QTest::newRow("MS ADPCM, mono, 16000 Hz") << (wav | SF_FORMAT_MS_ADPCM) << 1 << 16000 << 0.08;
    QTest::newRow("MS ADPCM, stereo, 44100 Hz") << (wav | SF_FORMAT_MS_ADPCM) << 2 << 44100 << 0.08;
    QTest::newRow("mu-law, mono, 8000 Hz") << (wav | SF_FORMAT_ULAW) << 1 << 8000 << 0.03;
    QTest::newRow("A-law, stereo, 8000 Hz") << (wav | SF_FORMAT_ALAW) << 2 << 8000 << 0.03;
    QTest::newRow("GSM 6.10, mono, 8000 Hz") << (wav | SF_FORMAT_GSM610) << 1 << 8000 << 0.15;
    QTest::newRow("extensible 16-bit PCM, stereo, 11025 Hz")
        << (SF_FORMAT_WAVEX | SF_FORMAT_PCM_16) << 2 << 11025 << 0.01;
}

// Each channel's level is checked, so that a wrong sample width, a wrong
// byte order or swapped channels fail here, and the waiting play proves
// that the output took the sound.
void tst_Sound::everyEncodingDecodesAndPlays()
{
    QFETCH(int, format);
    QFETCH(int, channels);
    QFETCH(int, sampleRate);
    QFETCH(double, levelTolerance);

    const QString path = dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".wav"_s);
    QVERIFY(TestSounds::writeTone(path, format, channels, sampleRate, sampleRate / 4));

    const auto sound = SoundFile::read(path);
    QVERIFY(sound);
    QCOMPARE(sound->frameCount(), TestSounds::declaredFrames(path));
    QCOMPARE(sound->sampleRate(), sampleRate);
    QCOMPARE(sound->channelCount(), channels);

    const auto *samples = reinterpret_cast<const qint16 *>(sound->samples().constData());
    for (int channel = 0; channel < channels; ++channel) {
        double sumOfSquares = 0;
        for (qint64 frame = 0; frame < sound->frameCount(); ++frame) {
            const double value = samples[frame * channels + channel] / 32768.0;
            sumOfSquares += value * value;
        }
        const double rms = std::sqrt(sumOfSquares / double(sound->frameCount()));
        const double level = channel == 0 ? TestSounds::LeftLevel : TestSounds::RightLevel;
        QVERIFY2(std::abs(rms - level / std::sqrt(2.0)) <= levelTolerance,
                 qPrintable(u"channel %1 at %2"_s.arg(channel).arg(rms)));
    }

    QElapsedTimer clock;
    clock.start();
    window->PlaySound(path, true);
    QVERIFY(TestSounds::elapsed(clock) >= sound->duration());
}

void tst_Sound::waitingPlayReturnsAfterTheWholeSound()
{
    const QString path = tone(u"third.wav"_s, 0.3);
    QElapsedTimer clock;
    clock.start();
    window->PlaySound(path, true);
    QVERIFY(TestSounds::elapsed(clock) >= 300ms);
    QCOMPARE(TestSounds::streamsOfThisProcess(), 0);
}

void tst_Sound::playWithoutWaitingReturnsWhileTheSoundPlays()
{
    const QString path = tone(u"long.wav"_s, 2.0);
    QElapsedTimer clock;
    clock.start();
    window->PlaySound(path, false);
    QVERIFY(TestSounds::elapsed(clock) < 2s);
    QCOMPARE(TestSounds::streamsOfThisProcess(), 1);
    // Once played, the sound leaves the server by itself.
    QTRY_COMPARE_WITH_TIMEOUT(TestSounds::streamsOfThisProcess(), 0, 10000);
}

void tst_Sound::newSoundStopsThePlayingOne()
{
    window->PlaySound(tone(u"first.wav"_s, 5.0), false);
    window->PlaySound(tone(u"second.wav"_s, 5.0), false);
    QCOMPARE(TestSounds::streamsOfThisProcess(), 1);
    window->PlaySound(tone(u"third.wav"_s, 0.3), true);
    QCOMPARE(TestSounds::streamsOfThisProcess(), 0);
}

// Clicks and keys that arrive while the closing sound plays must not act
// afterwards either: a click on Start kept for later would start a new quiz
// behind the high-score dialogs.
void tst_Sound::waitingWindowDropsClicksAndKeysButRepaints()
{
    auto *start = window->findChild<QPushButton *>(u"cmdStartStop"_s);
    auto *label = window->findChild<QLabel *>(u"Label4"_s);
    window->findChild<QComboBox *>(u"cmbNumber"_s)->setCurrentIndex(1);
    start->setFocus();
    QSignalSpy clicks(start, &QPushButton::clicked);
    PaintWatch paints;
    label->installEventFilter(&paints);

    QTimer::singleShot(100ms, this, [&] {
        QTest::mouseClick(start, Qt::LeftButton);
        QTest::keyClick(start, Qt::Key_Space);
        QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
        const QPointF centre = start->rect().center();
        const QPointF global = start->mapToGlobal(centre);
        QCoreApplication::postEvent(start, new QMouseEvent(QEvent::MouseButtonPress, centre, global,
                                                           Qt::LeftButton, Qt::LeftButton,
                                                           Qt::NoModifier));
        QCoreApplication::postEvent(start, new QMouseEvent(QEvent::MouseButtonRelease, centre,
                                                           global, Qt::LeftButton, Qt::NoButton,
                                                           Qt::NoModifier));
        paints.count = 0;
        label->setText(u"Repainted"_s);
    });
    window->PlaySound(tone(u"half.wav"_s, 0.5), true);
    const int paintsWhileWaiting = paints.count;
    QCoreApplication::processEvents();
    QCOMPARE(clicks.count(), 0);
    QVERIFY(!window->quizState().blnStarted);
    QVERIFY(paintsWhileWaiting > 0);

    // The same click, once the sound is over, does start the quiz.
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(window->quizState().blnStarted);
}

void tst_Sound::unplayableFilesPlayNothingAndSayNothing_data()
{
    QTest::addColumn<QString>("path");
    TestSounds::addUnplayableFileRows(QDir(dir.path()));
}

void tst_Sound::unplayableFilesPlayNothingAndSayNothing()
{
    QFETCH(QString, path);
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    QVERIFY(!SoundFile::read(path));
    window->PlaySound(path, true);
    window->PlaySound(path, false);
    QCOMPARE(TestSounds::streamsOfThisProcess(), 0);
}

QTEST_MAIN(tst_Sound)
#include "tst_sound.moc"
