#include "AnswerKey.h"

#include <QKeyEvent>
#include <QTest>
#include <QtGui/private/qxkbcommon_p.h>

#include <xkbcommon/xkbcommon.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int NoDigit = -1;

// Keys by their names in xkb-data, with the digit marked on them.
const QList<const char *> TopRow{"AE01", "AE02", "AE03", "AE10"};
const QList<const char *> Keypad{"KP1", "KP2", "KP3", "KP0"};
const QHash<QByteArray, int> MarkedDigits{{"AE01", 1}, {"AE02", 2}, {"AE03", 3}, {"AE10", 0},
                                          {"KP1", 1},  {"KP2", 2},  {"KP3", 3},  {"KP0", 0}};
const QStringList Layouts{u"us"_s, u"fr"_s, u"be"_s, u"de"_s, u"cz"_s, u"sk"_s, u"lt"_s, u"th"_s, u"ara"_s,
                          u"ara(digits)"_s, u"ir"_s, u"in"_s, u"il"_s, u"ru"_s, u"gr"_s};

// Keys held while one is pressed: locks are pressed and let go first.
using Held = QList<const char *>;
const Held Shift{"LFSH"};
const Held NumLock{"NMLK"};

// A keyboard layout of Debian's xkb-data, compiled by libxkbcommon as the X server and Wayland compositors do.
class Layout
{
public:
    explicit Layout(const QString &name)
    {
        const QByteArray layout = name.section(u'(', 0, 0).toLatin1();
        const QByteArray variant = name.section(u'(', 1).chopped(name.contains(u'(') ? 1 : 0).toLatin1();
        const xkb_rule_names names{"evdev", "pc105", layout.constData(), variant.constData(), ""};
        m_keymap.reset(xkb_keymap_new_from_names(m_context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    }

    bool isValid() const { return m_keymap != nullptr; }

    // The event Qt's X11 platform delivers (QXcbKeyboard::handleKeyEvent): the keysym's text, Qt's key for it,
    // the keypad's flag, and the X key code as the native scan code.
    std::unique_ptr<QKeyEvent> press(const char *keyName, const Held &held = {}) const
    {
        const QXkbCommon::ScopedXKBState state(xkb_state_new(m_keymap.get()));
        for (const char *name : held) {
            xkb_state_update_key(state.get(), key(name), XKB_KEY_DOWN);
            if (qstrcmp(name, NumLock.front()) == 0)
                xkb_state_update_key(state.get(), key(name), XKB_KEY_UP);
        }
        const xkb_keycode_t code = key(keyName);
        const xkb_keysym_t sym = xkb_state_key_get_one_sym(state.get(), code);
        Qt::KeyboardModifiers modifiers = QXkbCommon::modifiers(state.get());
        if (QXkbCommon::isKeypad(sym))
            modifiers |= Qt::KeypadModifier;
        const int qtKey = QXkbCommon::keysymToQtKey(sym, modifiers, state.get(), code);
        return std::make_unique<QKeyEvent>(QEvent::KeyPress, qtKey, modifiers, code, sym, 0,
                                           QXkbCommon::lookupString(state.get(), code));
    }

private:
    xkb_keycode_t key(const char *name) const { return xkb_keymap_key_by_name(m_keymap.get(), name); }

    QXkbCommon::ScopedXKBContext m_context{xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES)};
    QXkbCommon::ScopedXKBKeymap m_keymap;
};

QString describe(const QKeyEvent &e)
{
    return u"'%1' key 0x%2 scan %3%4"_s.arg(e.text()).arg(e.key(), 0, 16).arg(e.nativeScanCode())
        .arg(e.modifiers() & Qt::ShiftModifier ? u" Shift"_s : QString());
}

} // namespace

Q_DECLARE_METATYPE(std::shared_ptr<QKeyEvent>)

// The answer keys as each keyboard layout delivers them.
class tst_Keys : public QObject
{
    Q_OBJECT

    static void addColumns()
    {
        QTest::addColumn<std::shared_ptr<QKeyEvent>>("event");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("digit");
    }

    // A row per layout and key; expected gives the digit of a key.
    static void addRows(const QList<const char *> &keys, const Held &held, const QString &platform,
                        const std::function<int(const QString &layout, const char *key)> &expected)
    {
        for (const QString &name : Layouts) {
            const Layout layout(name);
            QVERIFY2(layout.isValid(), qPrintable(name));
            for (const char *key : keys) {
                std::shared_ptr<QKeyEvent> event = layout.press(key, held);
                if (platform == u"offscreen"_s) // which gives no scan codes
                    event = std::make_shared<QKeyEvent>(event->type(), event->key(), event->modifiers(), event->text());
                if (platform == u"windows"_s && event->text().size() == 1 && event->text().front().unicode() > 0x7f)
                    event = std::make_shared<QKeyEvent>(event->type(), event->text().front().toUpper().unicode(),
                                                        event->modifiers(), event->nativeScanCode(), 0, 0, event->text());
                const QString row = u"%1 %2: %3 on %4"_s.arg(name, QLatin1String(key), describe(*event), platform);
                QTest::newRow(qPrintable(row)) << event << platform << expected(name, key);
            }
        }
    }

    static void verifyDigit()
    {
        QFETCH(std::shared_ptr<QKeyEvent>, event);
        QFETCH(QString, platform);
        QFETCH(int, digit);
        QCOMPARE(AnswerKey::digit(*event, platform).value_or(NoDigit), digit);
    }

    static int markedDigit(const QString &, const char *key) { return MarkedDigits.value(key, NoDigit); }

private Q_SLOTS:
    void keyMarkedWithTheDigitAnswers_data()
    {
        addColumns();
        for (const QString &platform : {u"xcb"_s, u"wayland"_s}) {
            addRows(TopRow, {}, platform, markedDigit);
            addRows(TopRow, Shift, platform, markedDigit);
            addRows(Keypad, NumLock, platform, markedDigit);
            addRows(Keypad, {}, platform, markedDigit);
        }
    }

    // Where the platform tells which key was pressed, the key marked with the digit answers, whatever it types.
    void keyMarkedWithTheDigitAnswers() { verifyDigit(); }

    // Ctrl, Alt and Meta combinations are the desktop's; digits 4 to 9, letters and the key left of 1 (a
    // superscript ² on French layouts) never answer, but for the Thai digits that Shift types on some keys.
    void otherKeysDoNotAnswer_data()
    {
        addColumns();
        const auto none = [](const QString &, const char *) { return NoDigit; };
        for (const Held &held : {Held{"LCTL"}, Held{"LALT"}, Held{"LWIN"}, Held{"LCTL", "LFSH"}})
            addRows({"AE01", "KP1"}, held, u"xcb"_s, none);
        const QList<const char *> others{"AE04", "AE09", "AD01", "TLDE"};
        addRows(others, {}, u"xcb"_s, none);
        addRows(others, Shift, u"xcb"_s, [](const QString &layout, const char *key) {
            const QHash<QByteArray, int> thaiDigits{{"AE04", 3}, {"AD01", 0}}; // ๓ and ๐
            return layout == u"th"_s ? thaiDigits.value(key, NoDigit) : NoDigit;
        });
    }

    void otherKeysDoNotAnswer() { verifyDigit(); }

    // Without the X key code a key answers by the digit it types, in any script, and the keypad's by what Num
    // Lock makes of them. The offscreen platform gives no scan code; elsewhere scan codes are other numbers, and
    // Qt's key for a character may be the character itself rather than Qt's Key_0 to Key_9 (۱ as 0x6f1).
    void typedDigitAnswersElsewhere_data()
    {
        addColumns();
        const auto typed = [](const QString &layout, const char *key) {
            static const QStringList noDigitOnTopRow{u"fr"_s, u"be"_s, u"cz"_s, u"sk"_s, u"lt"_s, u"th"_s};
            const bool typesDigit = QByteArray(key).startsWith("KP") || !noDigitOnTopRow.contains(layout);
            return typesDigit ? markedDigit(layout, key) : NoDigit;
        };
        for (const QString &platform : {u"offscreen"_s, u"windows"_s}) {
            addRows(TopRow, {}, platform, typed);
            addRows(Keypad, NumLock, platform, typed);
            addRows(Keypad, {}, platform, typed);
        }
        addRows({"TLDE"}, {}, u"offscreen"_s, [](const QString &, const char *) { return NoDigit; });
    }

    void typedDigitAnswersElsewhere() { verifyDigit(); }
};

QTEST_MAIN(tst_Keys)
#include "tst_keys.moc"
