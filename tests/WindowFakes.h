#pragma once

#include "Dialogs.h"
#include "SoundOutput.h"

// Answers the window's dialogs without opening any; records the title and label of each name prompt, each
// message and how often About was asked for.
struct FakeDialogs final : Dialogs
{
    QString askName(QWidget *, const QString &title, const QString &prompt) override
    {
        prompts.append({title, prompt});
        whileAsking();
        return names.isEmpty() ? QString() : names.takeFirst();
    }
    void showMessage(QWidget *, const Message &message) override { messages << message; }
    void showAbout(QWidget *) override
    {
        ++aboutShown;
        whileAbout();
    }

    QStringList names; // typed in turn; none left is Cancel
    QList<std::pair<QString, QString>> prompts; // title and label
    std::function<void()> whileAsking = [] {}, whileAbout = [] {};
    QList<Message> messages;
    int aboutShown = 0;
};

// A sound output that plays nothing and logs "path|wait" of every sound.
struct FakeSound final : SoundOutput
{
    explicit FakeSound(std::shared_ptr<QStringList> to) : log(std::move(to)) {}
    qsizetype outputDeviceCount() const override { return 1; }
    void play(const QString &path, bool wait) override { *log << path + QLatin1String(wait ? "|wait" : "|nowait"); }
    std::shared_ptr<QStringList> log;
};
