#include "GameWindow.h"
#include "SoundFile.h"
#include "SoundPlayer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>

#include <sndfile.h>

#include <numbers>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using Time = std::chrono::steady_clock;

// Sound through the private server that scripts/test.sh starts, with none,
// and with one of the test's own that dies (see tests/CMakeLists.txt).
class tst_Sound : public QObject, GameWindow
{
    Q_OBJECT

    const QString server = qEnvironmentVariable("TABULON_SOUND_SERVER", u"private"_s);
    const bool hasServer = server != u"none"_s;
    QTemporaryDir dir;
    QProcess ownServer; // killed with the test
    SoundPlayer player;
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override { return (paints += event->type() == QEvent::Paint) < 0; }

    // Half a second of a 440 Hz tone, each channel half as loud as the one before.
    QString tone(const QString &name, int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16, int channels = 1, int rate = 8000, int frames = 4000)
    {
        SF_INFO info{0, rate, channels, format, 0, 0};
        SNDFILE *file = sf_open(QFile::encodeName(dir.filePath(name)).constData(), SFM_WRITE, &info);
        std::vector<float> samples(size_t(frames * channels));
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = float(std::sin(2 * std::numbers::pi * 440 * double(i / size_t(channels)) / rate) / (2 << i % size_t(channels)));
        QTest::qVerify(file && sf_write_float(file, samples.data(), sf_count_t(samples.size())) == sf_count_t(samples.size()), "tone", "", __FILE__, __LINE__);
        sf_close(file);
        return dir.filePath(name);
    }
    // This process's playback streams on the server.
    static int streams()
    {
        QProcess pactl;
        pactl.start(u"pactl"_s, {u"list"_s, u"sink-inputs"_s});
        return pactl.waitForFinished() ? int(pactl.readAll().count("application.process.id = \"" + QByteArray::number(QCoreApplication::applicationPid()) + '"')) : 0;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (server == u"private"_s && qEnvironmentVariableIsEmpty("TABULON_TEST_PULSE_SERVER"))
            QSKIP("No private sound server: scripts/test.sh starts one.");
        qputenv("PULSE_SERVER", server == u"private"_s ? qgetenv("TABULON_TEST_PULSE_SERVER") : "unix:" + QFile::encodeName(dir.filePath(u"native"_s)));
        if (server == u"lost"_s)
            ownServer.start(u"bash"_s, {QStringLiteral(TABULON_SOUND_SERVER_SCRIPT), u"run"_s, dir.path()});
        QTRY_COMPARE_WITH_TIMEOUT(QProcess::execute(u"sh"_s, {u"-c"_s, u"pactl info >/dev/null 2>&1"_s}) == 0, hasServer, 10000);
        openWindow({}, true);
        QCOMPARE(SoundPlayer::outputDeviceCount() > 0, hasServer);
    }

    void filesPlayOrSayNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("plays");
        const auto row = [this](const char *name, int format, int channels, int rate) {
            QTest::newRow(name) << tone(QString::fromLatin1(name), format, channels, rate, rate / 2) << true;
        };
        row("8-bit PCM, mono, 8000 Hz", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 1, 8000);
        row("16-bit PCM, stereo, 44100 Hz", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 44100);
        row("24-bit PCM, stereo, 48000 Hz", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 2, 48000);
        row("32-bit PCM, mono, 96000 Hz", SF_FORMAT_WAV | SF_FORMAT_PCM_32, 1, 96000);
        row("32-bit float, stereo, 32000 Hz", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 2, 32000);
        row("IMA ADPCM, stereo, 22050 Hz", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 2, 22050);
        row("MS ADPCM, mono, 16000 Hz", SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 1, 16000);
        row("mu-law, mono, 8000 Hz", SF_FORMAT_WAV | SF_FORMAT_ULAW, 1, 8000);
        row("A-law, stereo, 8000 Hz", SF_FORMAT_WAV | SF_FORMAT_ALAW, 2, 8000);
        row("extensible 16-bit PCM, stereo, 11025 Hz", SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, 2, 11025);
        QTest::newRow("missing") << dir.filePath(u"missing.wav"_s) << false;
        QTest::newRow("a directory") << dir.path() << false;
        QTest::newRow("AIFF, not WAVE") << tone(u"aiff.wav"_s, SF_FORMAT_AIFF | SF_FORMAT_PCM_16) << false;
        QTest::newRow("WAVE without a frame") << tone(u"silent.wav"_s, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000, 0) << false;
        for (const qint64 size : {0, 12, 30, 4000}) {
            QTest::addRow("cut short at %lld bytes", size) << tone(u"cut-%1.wav"_s.arg(size)) << false;
            QVERIFY(QFile::resize(dir.filePath(u"cut-%1.wav"_s.arg(size)), size));
        }
    }

    // Each channel's level (lossy encodings come close) shows a wrong sample
    // width, byte order or channel order. Not waiting, play returns at once
    // and a new sound stops the one playing; waiting, once it has been heard.
    void filesPlayOrSayNothing()
    {
        QFETCH(QString, path);
        QFETCH(bool, plays);
        QTest::failOnWarning(QRegularExpression(u".*"_s)); // a file that can't be played plays nothing, silently
        SF_INFO declared{};
        sf_close(sf_open(QFile::encodeName(path).constData(), SFM_READ, &declared));
        const auto sound = SoundFile::read(path);
        QCOMPARE(sound ? QList<qint64>({sound->sampleRate(), sound->channelCount(), sound->frameCount()}) : QList<qint64>(),
                 plays ? QList<qint64>({declared.samplerate, declared.channels, declared.frames}) : QList<qint64>());
        std::vector<double> squares(plays ? size_t(declared.channels) : 0);
        for (size_t i = 0; i < size_t(declared.samplerate / 2) * squares.size(); ++i)
            squares[i % squares.size()] += std::pow(reinterpret_cast<const qint16 *>(sound->samples().constData())[i] / 32768.0, 2);
        for (size_t channel = 0; channel < squares.size(); ++channel)
            QVERIFY(std::abs(std::sqrt(squares[channel] * 2 / declared.samplerate) - 1.0 / (2 << channel) / std::numbers::sqrt2) <= 0.03);
        const auto heard = plays && hasServer ? sound->duration() : 0ns;
        player.play(path, SoundPlayer::Wait::No);
        auto begun = Time::now();
        player.play(path, SoundPlayer::Wait::No);
        QVERIFY(Time::now() - begun < 500ms);
        QCOMPARE(streams(), int(heard > 0ns));
        begun = Time::now();
        player.play(path, SoundPlayer::Wait::UntilFinished);
        QVERIFY(Time::now() - begun >= heard);
        QCOMPARE(streams(), 0);
    }

    // One quiz through the window and the sound module: the closing sound
    // plays out before the name is asked, is skipped without a server, and
    // ends early when the server dies. Meanwhile the window repaints, and
    // drops clicks and keys: a Start kept for later would start a new quiz.
    void closingSoundComesBeforeTheNamePrompt()
    {
        const auto closing = SoundFile::read(mediaDir + u"/0.wav"_s).value().duration();
        control("Label1")->installEventFilter(this);
        Time::time_point begun;
        std::pair<std::chrono::nanoseconds, int> atPrompt; // how long after the last answer, with how many sounds playing
        dialogs->names = {u"Ann"_s};
        dialogs->whileAsking = [&] { atPrompt = {Time::now() - begun, streams()}; };
        start(4);
        for (int question = 1; question < 20; ++question)
            QuizPlayer::answerRight(*window);
        QSignalSpy clicks(control<QPushButton>("cmdStartStop"), &QPushButton::clicked);
        QTimer::singleShot(100ms, this, [this] {
            QTest::mouseClick(control("cmdStartStop"), Qt::LeftButton);
            QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
            paints = 0;
            control<QLabel>("Label1")->setText(u"Repainted"_s);
        });
        if (server == u"lost"_s)
            QTimer::singleShot(300ms, &ownServer, &QProcess::kill);
        begun = Time::now();
        QuizPlayer::answerRight(*window);
        QVERIFY(!hasServer || paints > 0);
        if (server == u"private"_s)
            QVERIFY(atPrompt.first >= closing);
        else
            QVERIFY(atPrompt.first >= (hasServer ? 300ms : 0ms) && atPrompt.first < (hasServer ? closing : 100ms));
        QCOMPARE(atPrompt.second, 0);
        QCOMPARE(settings->ReadSetting(u"Quorvil"_s, u"Multi"_s, u"4Name"_s, {}), u"Ann"_s);
        QVERIFY(!window->quizState().blnStarted);
        QTest::qWait(300); // an access key clicks after a short animation
        QCOMPARE(clicks.count(), hasServer ? 0 : 2); // without a sound they come after the quiz, and act
    }
};

QTEST_MAIN(tst_Sound)
#include "tst_sound.moc"