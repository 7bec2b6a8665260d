#include "ModalDialogs.h"
#include "QuizPlayer.h"
#include "SoundFile.h"
#include "SoundPlayer.h"

#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// A tone, the left channel louder than the right so that swapped or mixed
// channels show; false when libsndfile can't write the format.
bool writeTone(const QString &path, int format, int channels, int rate, double seconds)
{
    SF_INFO info{0, rate, channels, format, 0, 0};
    SNDFILE *file = sf_format_check(&info) ? sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info) : nullptr;
    if (!file)
        return false;
    const auto frames = sf_count_t(seconds * rate);
    std::vector<float> samples(size_t(frames * channels));
    for (sf_count_t i = 0; i < frames * channels; ++i)
        samples[size_t(i)] = float(std::sin(2 * std::numbers::pi * 440 * double(i / channels) / rate) / (2 << i % channels));
    const bool written = sf_writef_float(file, samples.data(), frames) == frames;
    sf_close(file);
    return written;
}

// Counts the paint events of the widget it watches.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

// Sound through the private server that scripts/test.sh starts; run again
// (tests/CMakeLists.txt) with no server at all, and with a server of the
// test's own that goes away during the first quiz's closing sound.
class tst_Sound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void quizzesEndAndKeepTheirScores();
    void cleanupTestCase()
    {
        ownServer.kill();
        ownServer.waitForFinished();
    }
    void playWithoutWaitingReturnsAtOnce();
    void everyEncodingDecodesAndPlays_data();
    void everyEncodingDecodesAndPlays();
    void waitingWindowDropsInputButRepaints();
    void unplayableFilesSayNothing_data();
    void unplayableFilesSayNothing();

private:
    QString tone(const QString &name, double seconds)
    {
        writeTone(dir.filePath(name), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, seconds);
        return dir.filePath(name);
    }
    // This process's playback streams or client connections, as the server lists them.
    static int onTheServer(const QString &kind)
    {
        QProcess pactl;
        pactl.start(u"pactl"_s, {u"list"_s, kind});
        pactl.waitForFinished();
        return int(pactl.readAllStandardOutput().count(
            "application.process.id = \"" + QByteArray::number(QCoreApplication::applicationPid()) + '"'));
    }

    const QString server = qEnvironmentVariable("TABULON_SOUND_SERVER", u"private"_s);
    QTemporaryDir dir;
    QProcess ownServer;
    std::shared_ptr<SettingsStore> settings;
    std::unique_ptr<frmMultiiplication> window;
};

void tst_Sound::initTestCase()
{
    const QByteArray socket = "unix:" + QFile::encodeName(dir.filePath(u"native"_s));
    if (server == u"private"_s) {
        if (qEnvironmentVariableIsEmpty("TABULON_TEST_PULSE_SERVER"))
            QSKIP("No private sound server: scripts/test.sh starts one.");
        qputenv("PULSE_SERVER", qgetenv("TABULON_TEST_PULSE_SERVER"));
    } else if (server == u"none"_s) { // an empty runtime directory and nothing else
        QFile config(dir.filePath(u"client.conf"_s));
        QVERIFY(config.open(QIODevice::WriteOnly) && config.write("autospawn = no\n") && config.flush());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
        qputenv("PULSE_RUNTIME_PATH", QFile::encodeName(dir.path()));
        qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(config.fileName()));
        qputenv("PULSE_SERVER", socket);
    } else {
        qputenv("PULSE_SERVER", socket);
        ownServer.start(u"bash"_s, {QStringLiteral(TABULON_SOUND_SERVER_SCRIPT), u"run"_s, dir.path()});
        QTRY_COMPARE_WITH_TIMEOUT(QProcess::execute(u"sh"_s, {u"-c"_s, u"pactl info >/dev/null 2>&1"_s}), 0, 10000);
    }
    const auto mediaFile = [](const QString &name) { return QStringLiteral(TABULON_MEDIA_DIR "/") + name; };
    settings = std::make_shared<SettingsStore>(dir.filePath(u"highscores.ini"_s));
    window = std::make_unique<frmMultiiplication>(WindowServices{.settings = settings, .mediaFile = mediaFile});
    window->show();
    if (server == u"private"_s)
        QCOMPARE(onTheServer(u"clients"_s), 0); // the audio system is set up at the first sound
    QCOMPARE(SoundPlayer::outputDeviceCount() > 0, server != u"none"_s);
}

// Two quizzes of tables 4 and 6 to their end. With a server the closing
// sound plays out before the name is asked; without one it is skipped; a
// server that dies during it ends it, and the next quiz has none. Every
// quiz stops and keeps its best time.
void tst_Sound::quizzesEndAndKeepTheirScores()
{
    ModalDialogs answers([](QWidget *dialog) {
        if (auto *input = qobject_cast<QInputDialog *>(dialog))
            input->setTextValue(u"Ann"_s);
        static_cast<QDialog *>(dialog)->accept();
    });
    const auto jingle = SoundFile::read(QStringLiteral(TABULON_MEDIA_DIR "/0.wav"));
    QVERIFY(jingle);
    for (const int table : {4, 6}) {
        window->tableList()->setCurrentIndex(table);
        window->findChild<QPushButton *>(u"cmdStartStop"_s)->click();
        for (int question = 1; question < 20; ++question)
            QuizPlayer::answerRight(*window);
        const bool killedNow = server == u"lost"_s && table == 4;
        if (killedNow)
            QTimer::singleShot(300ms, &ownServer, &QProcess::kill);
        QElapsedTimer clock;
        clock.start();
        QuizPlayer::answerRight(*window);
        const auto elapsed = std::chrono::nanoseconds(clock.nsecsElapsed());
        if (server == u"private"_s)
            QVERIFY(elapsed >= jingle->duration() && onTheServer(u"sink-inputs"_s) == 0);
        else if (server == u"none"_s)
            QVERIFY(elapsed < 1s);
        else
            QVERIFY(elapsed >= (killedNow ? 300ms : 0ms) && elapsed < jingle->duration() + 5s);
        QVERIFY(!window->quizState().blnStarted);
        QCOMPARE(settings->ReadSetting(u"Quorvil"_s, u"Multi"_s, u"%1Name"_s.arg(table), {}), u"Ann"_s);
    }
}

void tst_Sound::playWithoutWaitingReturnsAtOnce()
{
    const QString first = tone(u"first.wav"_s, 4.0), second = tone(u"second.wav"_s, 4.0);
    QElapsedTimer clock;
    clock.start();
    window->PlaySound(first, false);
    QVERIFY(clock.elapsed() < 4000);
    if (server != u"private"_s)
        return;
    QCOMPARE(onTheServer(u"sink-inputs"_s), 1); // it plays on
    window->PlaySound(second, false);
    QCOMPARE(onTheServer(u"sink-inputs"_s), 1); // and a new sound stops it
    window->PlaySound(tone(u"third.wav"_s, 0.3), true);
    QCOMPARE(onTheServer(u"sink-inputs"_s), 0);
}

void tst_Sound::everyEncodingDecodesAndPlays_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<double>("tolerance"); // lossy encodings come back close to the tone
    QTest::newRow("8-bit PCM, mono, 8000 Hz") << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) << 1 << 8000 << 0.03;
    QTest::newRow("16-bit PCM, stereo, 44100 Hz") << (SF_FORMAT_WAV | SF_FORMAT_PCM_16) << 2 << 44100 << 0.01;
    QTest::newRow("24-bit PCM, stereo, 48000 Hz") << (SF_FORMAT_WAV | SF_FORMAT_PCM_24) << 2 << 48000 << 0.01;
    QTest::newRow("32-bit PCM, mono, 96000 Hz") << (SF_FORMAT_WAV | SF_FORMAT_PCM_32) << 1 << 96000 << 0.01;
    QTest::newRow("32-bit float, stereo, 32000 Hz") << (SF_FORMAT_WAV | SF_FORMAT_FLOAT) << 2 << 32000 << 0.01;
    QTest::newRow("IMA ADPCM, stereo, 22050 Hz") << (SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM) << 2 << 22050 << 0.08;
    QTest::newRow("MS ADPCM, mono, 16000 Hz") << (SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM) << 1 << 16000 << 0.08;
    QTest::newRow("mu-law, mono, 8000 Hz") << (SF_FORMAT_WAV | SF_FORMAT_ULAW) << 1 << 8000 << 0.03;
    QTest::newRow("A-law, stereo, 8000 Hz") << (SF_FORMAT_WAV | SF_FORMAT_ALAW) << 2 << 8000 << 0.03;
    QTest::newRow("extensible 16-bit PCM, stereo, 11025 Hz") << (SF_FORMAT_WAVEX | SF_FORMAT_PCM_16) << 2 << 11025 << 0.01;
}

// The level of each channel shows a wrong sample width, byte order or
// channel order; the waiting play shows that the output took the sound.
void tst_Sound::everyEncodingDecodesAndPlays()
{
    QFETCH(int, format);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(double, tolerance);
    const QString path = dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".wav"_s);
    QVERIFY(writeTone(path, format, channels, rate, 0.25));
    SF_INFO declared{};
    sf_close(sf_open(QFile::encodeName(path).constData(), SFM_READ, &declared));
    const auto sound = SoundFile::read(path);
    QVERIFY(sound);
    QCOMPARE(sound->frameCount(), declared.frames);
    QCOMPARE(QPoint(sound->sampleRate(), sound->channelCount()), QPoint(rate, channels));
    const auto *samples = reinterpret_cast<const qint16 *>(sound->samples().constData());
    for (int channel = 0; channel < channels; ++channel) {
        double sumOfSquares = 0;
        for (qint64 frame = 0; frame < sound->frameCount(); ++frame)
            sumOfSquares += std::pow(samples[frame * channels + channel] / 32768.0, 2);
        const double rms = std::sqrt(sumOfSquares / double(sound->frameCount()));
        QVERIFY2(std::abs(rms - 1.0 / (2 << channel) / std::numbers::sqrt2) <= tolerance, qPrintable(QString::number(rms)));
    }
    QElapsedTimer clock;
    clock.start();
    window->PlaySound(path, true);
    QVERIFY(server != u"private"_s || std::chrono::nanoseconds(clock.nsecsElapsed()) >= sound->duration());
}

// Clicks and keys that come while the closing sound plays must not act
// afterwards either: a click on Start kept for later would start a new quiz
// behind the high-score dialogs.
void tst_Sound::waitingWindowDropsInputButRepaints()
{
    if (server != u"private"_s)
        QSKIP("Needs a sound that plays.");
    auto *start = window->findChild<QPushButton *>(u"cmdStartStop"_s);
    auto *label = window->findChild<QLabel *>(u"Label4"_s);
    window->tableList()->setCurrentIndex(1);
    QSignalSpy clicks(start, &QPushButton::clicked);
    PaintCounter counter;
    label->installEventFilter(&counter);
    QTimer::singleShot(100ms, this, [&] {
        QTest::mouseClick(start, Qt::LeftButton);
        QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
        counter.paints = 0;
        label->setText(u"Repainted"_s);
    });
    window->PlaySound(tone(u"half.wav"_s, 0.5), true);
    QVERIFY(counter.paints > 0);
    QTest::qWait(300); // an access key clicks after a short animation
    QCOMPARE(clicks.count(), 0);
    QTest::mouseClick(start, Qt::LeftButton); // the same click after the sound does start a quiz
    QVERIFY(window->quizState().blnStarted);
}

void tst_Sound::unplayableFilesSayNothing_data()
{
    QTest::addColumn<QString>("path");
    QVERIFY(writeTone(dir.filePath(u"good.wav"_s), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 2.0));
    QVERIFY(writeTone(dir.filePath(u"aiff.wav"_s), SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 1, 22050, 1.0));
    QVERIFY(writeTone(dir.filePath(u"silent.wav"_s), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 0.0));
    QFile good(dir.filePath(u"good.wav"_s));
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray sound = good.readAll();
    QTest::newRow("missing") << dir.filePath(u"missing.wav"_s);
    QTest::newRow("a directory") << dir.path();
    QTest::newRow("AIFF, not WAVE") << dir.filePath(u"aiff.wav"_s);
    QTest::newRow("WAVE without a frame") << dir.filePath(u"silent.wav"_s);
    for (const QByteArray &content : {QByteArray(), sound.left(30), sound.left(sound.size() / 2),
                                      QByteArray("RIFF\x04\0\0\0WAVE", 12), QByteArray("Not a sound.\n")}) {
        QFile file(dir.filePath(u"damaged-%1.wav"_s.arg(content.size())));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        QTest::addRow("%lld bytes: empty, cut short or not a sound", content.size()) << file.fileName();
    }
}

void tst_Sound::unplayableFilesSayNothing()
{
    QFETCH(QString, path);
    QTest::failOnWarning(QRegularExpression(u".*"_s));
    QVERIFY(!SoundFile::read(path));
    window->PlaySound(path, true);
    window->PlaySound(path, false);
    QVERIFY(server != u"private"_s || onTheServer(u"sink-inputs"_s) == 0);
}

QTEST_MAIN(tst_Sound)
#include "tst_sound.moc"
