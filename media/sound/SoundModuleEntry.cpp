// The sound module: SoundPlayer behind the SoundOutput interface, built as
// a library of its own that the program loads at its first sound.
#include "SoundOutput.h"
#include "SoundPlayer.h"

#include <type_traits>

namespace {

class PlayerOutput final : public SoundOutput
{
public:
    qsizetype outputDeviceCount() const override { return SoundPlayer::outputDeviceCount(); }

    void play(const QString &path, bool waitUntilFinished) override
    {
        m_player.play(path, waitUntilFinished ? SoundPlayer::Wait::UntilFinished : SoundPlayer::Wait::No);
    }

private:
    SoundPlayer m_player;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundOutput *tabulon_create_sound_output()
{
    return new PlayerOutput;
}

static_assert(std::is_same_v<decltype(tabulon_create_sound_output), CreateSoundOutput>);
