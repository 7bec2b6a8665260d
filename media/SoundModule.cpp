#include "SoundModule.h"

#include "MediaLog.h"
#include "ProgramDirectory.h"

#include <QLibrary>

namespace {

// Resolved once; the module stays loaded for the life of the program, as
// the outputs it made run its code.
CreateSoundOutput *factory()
{
    static CreateSoundOutput *const create = [] {
        QLibrary module(ProgramDirectory::file(QString::fromLatin1(SoundModule::BaseName)));
        auto *entry = reinterpret_cast<CreateSoundOutput *>(module.resolve(CreateSoundOutputName));
        if (!entry)
            qCWarning(lcMedia).noquote() << QStringLiteral("No sound: %1").arg(module.errorString());
        return entry;
    }();
    return create;
}

} // namespace

namespace SoundModule {

std::unique_ptr<SoundOutput> load()
{
    CreateSoundOutput *create = factory();
    return std::unique_ptr<SoundOutput>(create ? create() : nullptr);
}

} // namespace SoundModule
