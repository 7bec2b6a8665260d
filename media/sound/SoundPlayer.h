#pragma once

#include <QBuffer>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>

class QAudioSink;
class SoundFile;

// Plays WAVE files on the default audio output, one at a time: a new sound
// stops one that is still playing. A file that can't be read or played is
// passed over without a word.
class SoundPlayer : public QObject
{
    Q_OBJECT

public:
    enum class Wait { No, UntilFinished };

    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;

    static qsizetype outputDeviceCount();

    // With Wait::UntilFinished, returns once the device has played the
    // sound to its end; until then the user's clicks and keys are dropped,
    // while the windows still repaint.
    void play(const QString &path, Wait wait);
    void stop();
    bool isPlaying() const;

    // The sound server may hold up to two seconds of sound ahead of the
    // speaker. A sound not finished this long after its own length is
    // given up, so that a server that stops answering can't hold the game.
    static constexpr std::chrono::milliseconds FinishMargin{2500};

Q_SIGNALS:
    void finished();

private:
    bool start(const SoundFile &sound);
    bool hasFinished() const;
    void checkFinished();
    void waitUntilFinished();

    QPointer<QAudioSink> m_sink;
    QBuffer m_source;
    std::chrono::microseconds m_duration{0};
    QElapsedTimer m_clock;
    QTimer m_watch;
};
