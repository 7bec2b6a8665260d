#include "AnswerKey.h"

#include <QKeyEvent>
#include <QTest>
#include <QtGui/private/qxkbcommon_p.h>

#include <xkbcommon/xkbcommon.h>

using namespace Qt::StringLiterals;
using Keys = QByteArrayList; // by their names in xkb-data
using Expected = std::function<int(const QByteArray &key)>;

constexpr int NoDigit = -1;

// The event Qt's X11 platform delivers (QXcbKeyboard::handleKeyEvent) for a key of a layout of Debian's xkb-data,
// compiled by libxkbcommon as X servers and Wayland compositors do: the keysym's text, Qt's key for it, the
// keypad's flag, and the X key code as the native scan code. The held keys are pressed first; a lock is let go.
static std::shared_ptr<QKeyEvent> press(xkb_keymap *keymap, const QByteArray &keyName, const Keys &held)
{
    const QXkbCommon::ScopedXKBState state(xkb_state_new(keymap));
    const auto key = [keymap](const QByteArray &name) { return xkb_keymap_key_by_name(keymap, name.constData()); };
    for (const QByteArray &name : held) {
        xkb_state_update_key(state.get(), key(name), XKB_KEY_DOWN);
        if (name == "NMLK")
            xkb_state_update_key(state.get(), key(name), XKB_KEY_UP);
    }
    const xkb_keycode_t code = key(keyName);
    const xkb_keysym_t sym = xkb_state_key_get_one_sym(state.get(), code);
    Qt::KeyboardModifiers modifiers = QXkbCommon::modifiers(state.get());
    if (QXkbCommon::isKeypad(sym))
        modifiers |= Qt::KeypadModifier;
    return std::make_shared<QKeyEvent>(QEvent::KeyPress, QXkbCommon::keysymToQtKey(sym, modifiers, state.get(), code),
                                       modifiers, code, sym, 0, QXkbCommon::lookupString(state.get(), code));
}

Q_DECLARE_METATYPE(std::shared_ptr<QKeyEvent>)

class tst_Keys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The answer keys on each layout. Where the platform tells which key was pressed (xcb, wayland), the key marked
    // with the digit answers, whatever it types. Elsewhere a key answers by the digit it types, in any script, and
    // the keypad's by what Num Lock makes of them: offscreen gives no scan code, others give codes of their own,
    // and Qt's key for a character may be the character itself (۱ as 0x6f1). Ctrl, Alt and Meta combinations are
    // the desktop's; digits 4 to 9, letters and the key left of 1 (a superscript ² on French layouts) never
    // answer, but for the Thai digits that Shift types on some keys.
    void answerDigit_data()
    {
        QTest::addColumn<std::shared_ptr<QKeyEvent>>("event");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("digit");
        const Keys topRow{"AE01", "AE02", "AE03", "AE10"}, keypad{"KP1", "KP2", "KP3", "KP0"};
        const Keys others{"AE04", "AE09", "AD01", "TLDE"}, shift{"LFSH"}, numLock{"NMLK"};
        const QHash<QByteArray, int> marked{{"AE01", 1}, {"AE02", 2}, {"AE03", 3}, {"AE10", 0},
                                            {"KP1", 1},  {"KP2", 2},  {"KP3", 3},  {"KP0", 0}};
        const Expected markedDigit = [&marked](const QByteArray &key) { return marked.value(key, NoDigit); };
        const auto none = [](const QByteArray &) { return NoDigit; };
        for (const QString &layout : {u"us"_s, u"fr"_s, u"be"_s, u"de"_s, u"cz"_s, u"sk"_s, u"lt"_s, u"th"_s, u"ara"_s,
                                      u"ara(digits)"_s, u"ir"_s, u"in"_s, u"il"_s, u"ru"_s, u"gr"_s, u"bg"_s, u"ee"_s,
                                      u"lv"_s, u"hu"_s, u"ro"_s, u"si"_s, u"hr"_s, u"tr"_s, u"vn"_s, u"se"_s, u"no"_s,
                                      u"dk"_s, u"fi"_s, u"pt"_s, u"es(cat)"_s, u"gb"_s}) {
            const QByteArray name = layout.section(u'(', 0, 0).toLatin1();
            const QByteArray variant = layout.section(u'(', 1).remove(u')').toLatin1();
            const xkb_rule_names names{"evdev", "pc105", name.constData(), variant.constData(), ""};
            const QXkbCommon::ScopedXKBContext context(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
            const QXkbCommon::ScopedXKBKeymap keymap(
                xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
            QVERIFY2(keymap, qPrintable(layout));
            // A row per key pressed with held on platform, with the digit it is to answer.
            const auto add = [&](const Keys &keys, const Keys &held, const QString &platform, const Expected &digit) {
                for (const QByteArray &key : keys) {
                    auto event = press(keymap.get(), key, held);
                    const QString text = event->text();
                    if (platform == u"offscreen"_s) // which gives no scan codes
                        event = std::make_shared<QKeyEvent>(QEvent::KeyPress, event->key(), event->modifiers(), text);
                    if (platform == u"windows"_s && text.size() == 1 && text.front().unicode() > 0x7f)
                        event = std::make_shared<QKeyEvent>(QEvent::KeyPress, text.front().toUpper().unicode(),
                                                            event->modifiers(), event->nativeScanCode(), 0, 0, text);
                    QTest::addRow("%s %s%s: '%s' key 0x%x scan %u on %s", qPrintable(layout), key.constData(),
                                  held.isEmpty() ? "" : ("+" + held.join('+')).constData(), qPrintable(text),
                                  event->key(), event->nativeScanCode(), qPrintable(platform))
                        << event << platform << digit(key);
                }
            };
            // These layouts type no digit on the top row's keys marked 0 to 3 without Shift; Hungarian types its 0
            // left of 1, where the key is marked 0, and ö on the key that is 0 elsewhere.
            const QStringList shiftForDigits{u"fr"_s, u"be"_s, u"cz"_s, u"sk"_s, u"lt"_s, u"th"_s, u"vn"_s};
            const Expected typed = [&](const QByteArray &key) {
                const bool noDigit = shiftForDigits.contains(layout) || (layout == u"hu"_s && key == "AE10");
                return key.startsWith("KP") || !noDigit ? markedDigit(key) : NoDigit;
            };
            const Expected hungarianZero = [&](const QByteArray &key) { return layout == u"hu"_s && key == "TLDE" ? 0 : NoDigit; };
            for (const QString &platform : {u"xcb"_s, u"wayland"_s, u"offscreen"_s, u"windows"_s}) {
                const bool byKeyCode = platform == u"xcb"_s || platform == u"wayland"_s;
                const Expected &expected = byKeyCode ? markedDigit : typed;
                add(topRow, {}, platform, expected);
                if (byKeyCode)
                    add(topRow, shift, platform, expected);
                add(keypad, numLock, platform, expected);
                add(keypad, {}, platform, expected);
            }
            for (const Keys &held : {Keys{"LCTL"}, Keys{"LALT"}, Keys{"LWIN"}, Keys{"LCTL", "LFSH"}})
                add({"AE01", "KP1"}, held, u"xcb"_s, none);
            add(others, {}, u"xcb"_s, hungarianZero);
            const QHash<QByteArray, int> thaiShifted{{"AE04", 3}, {"AD01", 0}}; // ๓ and ๐
            add(others, shift, u"xcb"_s,
                [&](const QByteArray &key) { return layout == u"th"_s ? thaiShifted.value(key, NoDigit) : NoDigit; });
            add({"TLDE"}, {}, u"offscreen"_s, hungarianZero);
        }
    }

    void answerDigit()
    {
        QFETCH(std::shared_ptr<QKeyEvent>, event);
        QFETCH(QString, platform);
        QFETCH(int, digit);
        QCOMPARE(AnswerKey::digit(*event, platform).value_or(NoDigit), digit);
    }
};

QTEST_MAIN(tst_Keys)
#include "tst_keys.moc"
