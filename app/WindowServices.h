#pragma once

#include "Clock.h"
#include "Dialogs.h"
#include "ProgramDirectory.h"
#include "RandomNumbers.h"
#include "SettingsStore.h"
#include "SoundModule.h"
#include "StandardDialogs.h"

#include <functional>
#include <memory>

// What the main window takes from the world outside it. The program passes
// the real ones; tests pass their own to drive the window.
struct WindowServices
{
    std::shared_ptr<const Clock> clock = std::make_shared<MonotonicClock>();
    RandomNumbers random{0};
    std::shared_ptr<SettingsStore> settings = std::make_shared<SettingsStore>();
    // The path of a media file ("smile.gif", ...) by its name.
    std::function<QString(const QString &fileName)> mediaFile = &ProgramDirectory::file;
    std::shared_ptr<Dialogs> dialogs = std::make_shared<StandardDialogs>();
    // Called at the first sound; nothing means no sound.
    std::function<std::unique_ptr<SoundOutput>()> loadSound = &SoundModule::load;
};
