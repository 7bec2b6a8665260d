#include "SoundFile.h"

#include <QFile>
#include <QtEndian>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

struct SndFileCloser
{
    void operator()(SNDFILE *file) const { sf_close(file); }
};
using SndFilePtr = std::unique_ptr<SNDFILE, SndFileCloser>;

constexpr qint64 RiffHeaderSize = 12;
constexpr qint64 RiffChunkHeaderSize = 8;
constexpr qint64 ChunkFrames = 4096;
constexpr float FullScale = 32768;

// The RIFF header states the length of the whole file; a file shorter than
// that was cut off while it was written or copied. libsndfile would quietly
// play the part that is there.
bool isCompleteWaveFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(RiffHeaderSize);
    if (header.size() < RiffHeaderSize || !header.startsWith("RIFF")
        || header.sliced(8, 4) != "WAVE")
        return false;
    const quint32 riffSize = qFromLittleEndian<quint32>(header.constData() + 4);
    return riffSize + RiffChunkHeaderSize <= file.size();
}

qint16 toSample(float value)
{
    if (std::isnan(value))
        return 0;
    return qint16(std::clamp(std::round(value * FullScale), -FullScale, FullScale - 1));
}

// libsndfile reads every encoding as floats of full scale 1, float files
// included; reading those as integers would leave them unscaled.
QByteArray readSamples(SNDFILE *file, int channels, qint64 frames)
{
    QByteArray samples(frames * channels * qint64(sizeof(qint16)), Qt::Uninitialized);
    auto *out = reinterpret_cast<qint16 *>(samples.data());
    std::vector<float> chunk(size_t(ChunkFrames * channels));
    qint64 framesRead = 0;
    while (framesRead < frames) {
        const sf_count_t read = sf_readf_float(file, chunk.data(),
                                               qMin(frames - framesRead, ChunkFrames));
        if (read <= 0)
            break;
        out = std::transform(chunk.begin(), chunk.begin() + read * channels, out, toSample);
        framesRead += read;
    }
    samples.truncate(framesRead * channels * qint64(sizeof(qint16)));
    return samples;
}

} // namespace

SoundFile::SoundFile(int sampleRate, int channelCount, QByteArray samples)
    : m_sampleRate(sampleRate)
    , m_channelCount(channelCount)
    , m_samples(std::move(samples))
{
}

std::optional<SoundFile> SoundFile::read(const QString &path)
{
    if (!isCompleteWaveFile(path))
        return std::nullopt;

    SF_INFO info{};
    const SndFilePtr file(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!file || info.channels < 1 || info.channels > MaximumChannels || info.samplerate < 1)
        return std::nullopt;
    const QByteArray samples = readSamples(file.get(), info.channels,
                                           qMin<qint64>(info.frames, MaximumSamples / info.channels));
    if (samples.isEmpty())
        return std::nullopt;
    return SoundFile(info.samplerate, info.channels, samples);
}

qint64 SoundFile::frameCount() const
{
    return m_samples.size() / (m_channelCount * qint64(sizeof(qint16)));
}

std::chrono::microseconds SoundFile::duration() const
{
    return std::chrono::microseconds(frameCount() * 1'000'000 / m_sampleRate);
}
