#include "SoundPlayer.h"

#include "SoundFile.h"
#include "UserInputBlocker.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QEventLoop>
#include <QMediaDevices>

namespace {

// How often a playing sound is looked at to see whether it has ended.
constexpr std::chrono::milliseconds WatchInterval{5};

// The output buffer: a sound up to this long goes to the sound server in
// one piece, so a busy window can't make it stutter. (Qt's PulseAudio output
// stalls for good with buffers of a few tens of milliseconds.)
constexpr std::chrono::microseconds OutputBuffer = std::chrono::seconds(2);

} // namespace

SoundPlayer::SoundPlayer(QObject *parent)
    : QObject(parent)
{
    m_watch.setInterval(WatchInterval);
    m_watch.setTimerType(Qt::PreciseTimer);
    connect(&m_watch, &QTimer::timeout, this, &SoundPlayer::checkFinished);
}

SoundPlayer::~SoundPlayer()
{
    stop();
    delete m_sink; // before the buffer that it reads from
}

qsizetype SoundPlayer::outputDeviceCount()
{
    return QMediaDevices::audioOutputs().size();
}

void SoundPlayer::play(const QString &path, Wait wait)
{
    stop();
    const std::optional<SoundFile> sound = SoundFile::read(path);
    if (!sound || !start(*sound))
        return;
    if (wait == Wait::UntilFinished)
        waitUntilFinished();
}

bool SoundPlayer::start(const SoundFile &sound)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate());
    format.setChannelCount(sound.channelCount());
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format))
        return false;

    // The old output is deleted later: deleting one runs pending events,
    // which must not happen in the middle of the caller's handler.
    if (m_sink)
        m_sink->deleteLater();
    m_sink = new QAudioSink(device, format, this);
    m_sink->setBufferSize(format.bytesForDuration(OutputBuffer.count()));
    m_source.setData(sound.samples());
    m_source.open(QIODevice::ReadOnly);
    m_duration = sound.duration();
    m_clock.start();
    m_sink->start(&m_source);
    if (m_sink->state() == QAudio::StoppedState) {
        m_source.close();
        return false;
    }
    m_watch.start();
    return true;
}

void SoundPlayer::stop()
{
    const bool wasPlaying = isPlaying();
    m_watch.stop();
    if (m_sink)
        m_sink->stop();
    m_source.close();
    if (wasPlaying)
        Q_EMIT finished();
}

bool SoundPlayer::isPlaying() const
{
    return m_watch.isActive();
}

// Handing the last sample to the output is not enough: the sound has ended
// when the device has played it all (the output's processed time counts what
// the server took, less its latency), which also takes at least its length.
bool SoundPlayer::hasFinished() const
{
    using std::chrono::microseconds, std::chrono::milliseconds;
    if (m_sink->state() == QAudio::StoppedState)
        return true; // the output failed, e.g. the sound server went away
    const milliseconds elapsed(m_clock.elapsed());
    if (elapsed >= m_duration + FinishMargin)
        return true;
    return m_source.atEnd() && elapsed >= m_duration
           && microseconds(m_sink->processedUSecs()) >= m_duration;
}

void SoundPlayer::checkFinished()
{
    if (hasFinished())
        stop();
}

void SoundPlayer::waitUntilFinished()
{
    const UserInputBlocker blocker;
    QEventLoop loop;
    connect(this, &SoundPlayer::finished, &loop, &QEventLoop::quit);
    loop.exec();
}
