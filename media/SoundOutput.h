#pragma once

#include <QString>
#include <QtGlobal>

// Plays the game's sounds. Its implementation, with the audio libraries it
// needs, lives in a module that the program loads when it plays its first
// sound (see SoundModule), so that starting the game does not load them.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;

    // How many audio outputs the system offers; 0 means no sound.
    virtual qsizetype outputDeviceCount() const = 0;
    // Plays a .wav file; with waitUntilFinished, returns once it has been
    // heard to its end, while the windows still repaint.
    virtual void play(const QString &path, bool waitUntilFinished) = 0;
};

// The module's one entry point, by this name.
using CreateSoundOutput = SoundOutput *();
constexpr char CreateSoundOutputName[] = "tabulon_create_sound_output";
