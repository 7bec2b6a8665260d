#pragma once

#include "Dialogs.h"
#include "SoundOutput.h"

// Answers the window's dialogs without opening any; records "title|prompt" of each name prompt and each message.
struct FakeDialogs final : Dialogs
{
    QString askName(QWidget *, const QString &title, const QString &prompt) override
    {
        prompts << title + u'|' + prompt;
        whileAsking();
        return names.isEmpty() ? QString() : names.takeFirst();
    }
    void showMessage(QWidget *, const Message &message) override { messages << message; }

    QStringList names, prompts; // names typed in turn (none left is Cancel); prompts asked
    std::function<void()> whileAsking = [] {};
    QList<Message> messages;
};

// A sound output that plays nothing and logs "path|wait" of every sound.
struct FakeSound final : SoundOutput
{
    explicit FakeSound(std::shared_ptr<QStringList> to) : log(std::move(to)) {}
    qsizetype outputDeviceCount() const override { return 1; }
    void play(const QString &path, bool wait) override { *log << path + QLatin1String(wait ? "|wait" : "|nowait"); }
    std::shared_ptr<QStringList> log;
};
