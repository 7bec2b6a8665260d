#pragma once

#include "SoundOutput.h"

#include <memory>

// The sound module lies beside the program, like its media files.
namespace SoundModule {

// The module's file name without the platform's suffix.
constexpr char BaseName[] = "tabulon-sound";

// A new sound output from the module, loaded at the first call. Nothing,
// with one warning, when the module is missing or can't be loaded: the game
// then goes on without sound.
std::unique_ptr<SoundOutput> load();

} // namespace SoundModule
