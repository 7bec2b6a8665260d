#pragma once

#include "Dialogs.h"
#include "SoundOutput.h"

#include <QStringList>

#include <functional>
#include <memory>

// Answers the main window's dialogs without opening any, and records what
// each one asked: "title|prompt" of a name prompt, the whole message of a box.
class FakeDialogs final : public Dialogs
{
public:
    QString askName(QWidget *, const QString &title, const QString &prompt) override
    {
        prompts << title + u'|' + prompt;
        if (whileAsking)
            whileAsking();
        return names.isEmpty() ? QString() : names.takeFirst();
    }

    void showMessage(QWidget *, const Message &message) override { messages << message; }

    QStringList names; // typed in turn; none left is Cancel
    std::function<void()> whileAsking;
    QStringList prompts;
    QList<Message> messages;
};

// A sound output that plays nothing and logs "path|wait" of every sound.
class FakeSound final : public SoundOutput
{
public:
    explicit FakeSound(std::shared_ptr<QStringList> log)
        : m_log(std::move(log))
    {
    }

    qsizetype outputDeviceCount() const override { return 1; }
    void play(const QString &path, bool waitUntilFinished) override
    {
        *m_log << path + (waitUntilFinished ? QStringLiteral("|wait") : QStringLiteral("|nowait"));
    }

private:
    std::shared_ptr<QStringList> m_log;
};
