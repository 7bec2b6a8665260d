#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

// A WAVE file decoded whole into interleaved 16-bit samples at the file's
// own rate and channel count. Any encoding that libsndfile reads in a WAVE
// file will do (PCM, float, ADPCM, mu-law, A-law, ...).
class SoundFile
{
public:
    // Nothing for a file that is missing, empty, cut short, not WAVE or
    // without a single frame of sound.
    static std::optional<SoundFile> read(const QString &path);

    int sampleRate() const { return m_sampleRate; }
    int channelCount() const { return m_channelCount; }
    qint64 frameCount() const;
    std::chrono::microseconds duration() const;
    const QByteArray &samples() const { return m_samples; }

    // Longer sounds are cut at this many samples (about ten minutes of
    // 48 kHz stereo), so that a stray huge file can't exhaust the memory.
    static constexpr qint64 MaximumSamples = 60'000'000;
    static constexpr int MaximumChannels = 8;

private:
    SoundFile(int sampleRate, int channelCount, QByteArray samples);

    int m_sampleRate;
    int m_channelCount;
    QByteArray m_samples;
};
