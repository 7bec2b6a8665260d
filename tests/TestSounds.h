#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTest>

#include <sndfile.h>

#include <chrono>
#include <cmath>
#include <numbers>
#include <vector>

// Sound files for the audio tests, written with libsndfile at test time.
namespace TestSounds {

// The tone's level on each channel: the left louder than the right, so that
// swapped or mixed channels show.
constexpr double LeftLevel = 0.5;
constexpr double RightLevel = 0.25;
constexpr double ToneHz = 440;

// Writes a tone in the given libsndfile format; false when the format can't
// be written.
inline bool writeTone(const QString &path, int format, int channels, int sampleRate, qint64 frames)
{
    SF_INFO info{};
    info.format = format;
    info.channels = channels;
    info.samplerate = sampleRate;
    if (!sf_format_check(&info))
        return false;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    std::vector<float> samples(size_t(frames * channels));
    for (qint64 i = 0; i < frames; ++i) {
        const double wave = std::sin(2 * std::numbers::pi * ToneHz * double(i) / sampleRate);
        samples[size_t(i * channels)] = float(LeftLevel * wave);
        if (channels > 1)
            samples[size_t(i * channels + 1)] = float(RightLevel * wave);
    }
    const sf_count_t written = sf_writef_float(file, samples.data(), frames);
    sf_close(file);
    return written == frames;
}

inline QString writeTone(const QDir &dir, const QString &name, double seconds, int sampleRate = 22050)
{
    const QString path = dir.filePath(name);
    writeTone(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, sampleRate, qint64(seconds * sampleRate));
    return path;
}

inline std::chrono::nanoseconds elapsed(const QElapsedTimer &clock)
{
    return std::chrono::nanoseconds(clock.nsecsElapsed());
}

// The frame count that the file's own header declares.
inline qint64 declaredFrames(const QString &path)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return -1;
    sf_close(file);
    return info.frames;
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Adds rows with a "path" column: files that must play nothing and report
// nothing.
inline void addUnplayableFileRows(const QDir &dir)
{
    const QByteArray sound = readBytes(writeTone(dir, QStringLiteral("good.wav"), 2.0));
    const auto row = [&dir](const char *name, const QByteArray &content) {
        const QString path = dir.filePath(QString::fromLatin1(name).replace(u' ', u'_')
                                          + QStringLiteral(".wav"));
        writeBytes(path, content);
        QTest::newRow(name) << path;
    };
    QTest::newRow("missing") << dir.filePath(QStringLiteral("missing.wav"));
    QTest::newRow("a directory") << dir.path();
    row("empty", {});
    row("header cut short", sound.left(30));
    row("sound cut short", sound.left(sound.size() / 2));
    row("RIFF WAVE and nothing more", QByteArray("RIFF\x04\0\0\0WAVE", 12));
    row("text", "This is not a sound.\n");
    row("GIF picture", QByteArray("GIF89a\x1d\0\x1d\0\x80\0\0\xff\xff\xff\0\0\0;", 20));

    const QString aiff = dir.filePath(QStringLiteral("aiff_sound.wav"));
    writeTone(aiff, SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 1, 22050, 22050);
    QTest::newRow("AIFF, not WAVE") << aiff;
    const QString silent = dir.filePath(QStringLiteral("no_frames.wav"));
    writeTone(silent, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 22050, 0);
    QTest::newRow("WAVE without a frame") << silent;
}

// How many playback streams (or client connections) of this process the
// sound server has, as pactl sees them.
inline int serverEntriesOfThisProcess(const QString &kind)
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), kind});
    if (!pactl.waitForFinished(10000) || pactl.exitCode() != 0)
        return -1;
    const QByteArray mine = "application.process.id = \""
                            + QByteArray::number(QCoreApplication::applicationPid()) + '"';
    return int(pactl.readAllStandardOutput().count(mine));
}

inline int streamsOfThisProcess()
{
    return serverEntriesOfThisProcess(QStringLiteral("sink-inputs"));
}

inline int clientsOfThisProcess()
{
    return serverEntriesOfThisProcess(QStringLiteral("clients"));
}

} // namespace TestSounds
