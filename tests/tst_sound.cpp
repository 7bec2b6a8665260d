#include "GameWindow.h"
#include "SoundFile.h"
#include "SoundPlayer.h"

#include <QProcess>
#include <QSignalSpy>

#include <sndfile.hh>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

class tst_Sound : public QObject, GameWindow
{
    Q_OBJECT

    const QString server = qEnvironmentVariable("TABULON_SOUND_SERVER", u"private"_s);
    const bool hasServer = server != u"none"_s;
    QProcess ownServer; // killed with the test
    SoundPlayer player;

    // A 440 Hz tone, each channel half as loud as the one before, to show a wrong sample width or order.
    QString tone(const QString &name, int format, int channels = 1, int rate = 8000, int frames = 4000)
    {
        std::vector<float> samples(size_t(frames * channels));
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = float(std::sin(2 * M_PI * 440 * double(i / channels) / rate) / (2 << i % channels));
        SndfileHandle file(QFile::encodeName(storeDir.filePath(name)).toStdString(), SFM_WRITE, format, channels, rate);
        file.write(samples.data(), sf_count_t(samples.size()));
        return storeDir.filePath(name);
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(storeDir.filePath(u"native"_s)));
        if (hasServer)
            ownServer.start(u"bash"_s, {QStringLiteral(TABULON_SOUND_SERVER_SCRIPT), u"run"_s, storeDir.path()});
        QTRY_COMPARE_WITH_TIMEOUT(QProcess::execute(u"pactl"_s, {u"get-default-sink"_s}) == 0, hasServer, 10000);
        QCOMPARE(SoundPlayer::outputDeviceCount() > 0, hasServer); // and Qt's complaint of no server is made here
        openWindow({}, true);
    }

    void filesPlayOrSayNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("plays");
        QTest::newRow("PCM") << tone(u"pcm.wav"_s, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 2, 44100, 22050) << true;
        QTest::newRow("float") << tone(u"float.wav"_s, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1, 32000, 16000) << true;
        QTest::newRow("ADPCM") << tone(u"adpcm.wav"_s, SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 2, 22050, 11025) << true;
        QTest::newRow("no frame") << tone(u"empty.wav"_s, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000, 0) << false;
        QTest::newRow("cut short") << tone(u"cut.wav"_s, SF_FORMAT_WAV | SF_FORMAT_PCM_16) << false;
        QVERIFY(QFile::resize(storeDir.filePath(u"cut.wav"_s), 4000));
    }

    void filesPlayOrSayNothing()
    {
        QFETCH(QString, path);
        QFETCH(bool, plays);
        QTest::failOnWarning(QRegularExpression(u".*"_s)); // a file that can't be played plays nothing, silently
        const auto sound = SoundFile::read(path);
        QCOMPARE(sound.has_value(), plays);
        player.play(path, SoundPlayer::Wait::No);
        QCOMPARE(player.isPlaying(), plays && hasServer); // returned at once
        for (int channel = 0; sound && channel < sound->channelCount(); ++channel) {
            double squares = 0;
            for (qsizetype i = channel; i < sound->samples().size() / 2; i += sound->channelCount())
                squares += std::pow(reinterpret_cast<const qint16 *>(sound->samples().constData())[i] / 32768.0, 2);
            QVERIFY(std::abs(std::sqrt(squares / double(sound->frameCount())) - M_SQRT1_2 / (2 << channel)) <= 0.03);
        }
    }

    // One quiz on a server of the test's own, on one that dies, and with none: the name is asked once the closing
    // sound has played out, when the server dies, or at once. A Start pressed meanwhile is dropped, not kept.
    void closingSoundComesBeforeTheNamePrompt()
    {
        const qint64 closing = SoundFile::read(mediaDir + u"/0.wav"_s).value().duration().count() / 1000; // ms
        QElapsedTimer sinceLastAnswer;
        qint64 untilPrompt = -1;
        dialogs->whileAsking = [&] { untilPrompt = sinceLastAnswer.elapsed(); };
        start(4);
        for (int question = 1; question < 20; ++question)
            QuizPlayer::answerRight(*window);
        QSignalSpy clicks(control<QPushButton>("cmdStartStop"), &QPushButton::clicked);
        QTimer::singleShot(100ms, this, [this] {
            QTest::mouseClick(control("cmdStartStop"), Qt::LeftButton);
            QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
        });
        if (server == u"lost"_s)
            QTimer::singleShot(300ms, &ownServer, &QProcess::kill);
        sinceLastAnswer.start();
        QuizPlayer::answerRight(*window);
        QCOMPARE_GE(untilPrompt, server == u"private"_s ? closing : hasServer ? 300 : 0);
        if (server != u"private"_s)
            QCOMPARE_LT(untilPrompt, hasServer ? closing : 100);
        QTest::qWait(300); // an access key clicks after a short animation
        QCOMPARE(clicks.count(), hasServer ? 0 : 2); // without a sound they come after the quiz, and act
    }
};

QTEST_MAIN(tst_Sound)
#include "tst_sound.moc"
