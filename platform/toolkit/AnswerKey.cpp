#include "AnswerKey.h"

#include <QKeyEvent>

#include <algorithm>
#include <array>

namespace AnswerKey {

namespace {

// X key codes of the keys marked 0 to 3, on the top row and on the keypad.
// They name the physical key, whatever the layout puts on it.
constexpr std::array<quint32, 4> TopRowKeyCodes{19, 10, 11, 12};
constexpr std::array<quint32, 4> KeypadKeyCodes{90, 87, 88, 89};

// What the keypad's 0 to 3 are with Num Lock off.
constexpr std::array<int, 4> KeypadMotionKeys{Qt::Key_Insert, Qt::Key_End, Qt::Key_Down, Qt::Key_PageDown};

constexpr Qt::KeyboardModifiers DesktopModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// On X11 and Wayland, Qt gives the X key code as the native scan code;
// other platforms give codes of their own (or none).
bool scanCodesAreXKeyCodes(const QString &platform)
{
    return platform == u"xcb" || platform.startsWith(u"wayland");
}

template<typename T>
std::optional<int> indexIn(const std::array<T, 4> &values, T value)
{
    const auto found = std::ranges::find(values, value);
    return found == values.end() ? std::nullopt : std::optional<int>(int(found - values.begin()));
}

std::optional<int> digitOfKeyCode(quint32 code)
{
    const std::optional<int> top = indexIn(TopRowKeyCodes, code);
    return top ? top : indexIn(KeypadKeyCodes, code);
}

// Decimal digits only: the superscript "²" of French layouts has a digit value too.
std::optional<int> digitOfText(const QString &text)
{
    if (text.size() != 1 || !text.front().isDigit() || text.front().digitValue() > 3)
        return std::nullopt;
    return text.front().digitValue();
}

// Events without text, as a test or an assistive tool may send them.
std::optional<int> digitOfKey(const QKeyEvent &event)
{
    if (event.key() >= Qt::Key_0 && event.key() <= Qt::Key_3)
        return event.key() - Qt::Key_0;
    if (event.modifiers() & Qt::KeypadModifier)
        return indexIn(KeypadMotionKeys, event.key());
    return std::nullopt;
}

} // namespace

std::optional<int> digit(const QKeyEvent &event, const QString &platform)
{
    if (event.modifiers() & DesktopModifiers)
        return std::nullopt;
    if (scanCodesAreXKeyCodes(platform))
        if (const std::optional<int> marked = digitOfKeyCode(event.nativeScanCode()))
            return marked;
    const std::optional<int> typed = digitOfText(event.text());
    return typed ? typed : digitOfKey(event);
}

} // namespace AnswerKey
