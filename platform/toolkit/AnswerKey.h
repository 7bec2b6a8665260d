#pragma once

#include <QGuiApplication>
#include <QString>

#include <optional>

class QKeyEvent;

// The keys that answer during a quiz: 1 to 3 the buttons, 0 the counters.
// The key marked with the digit answers whatever the keyboard layout types
// on it (an AZERTY key marked 1 types "&"), where the platform tells which
// key it is; so does any key that types a decimal digit, in any script.
namespace AnswerKey {

// The digit 0 to 3 the key stands for; nothing for other keys, or while Ctrl,
// Alt or Meta is held (the desktop's combinations). platform is the name of
// the Qt platform that delivered the event.
std::optional<int> digit(const QKeyEvent &event, const QString &platform = QGuiApplication::platformName());

} // namespace AnswerKey
