#include "GameWindow.h"
#include "Application.h"
#include "Fonts.h"
#include "HighScoreListing.h"
#include "Product.h"
#include "Translations.h"
#include "frmAbout.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QProcess>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// The main window's text in the language installed; the source text itself when none is.
QString shown(const char *source)
{
    return QCoreApplication::translate("frmMultiiplication", source);
}

// The same for the high-score check's texts.
QString check(const char *source)
{
    return QCoreApplication::translate("HighScoreCheck", source);
}

std::unique_ptr<Translations> speak(const QString &language)
{
    return std::make_unique<Translations>(QLocale(language), QStringLiteral(TABULON_TRANSLATIONS_DIR));
}

} // namespace

// The main window as a player meets it, by keyboard alone where a player may.
class tst_MainWindow : public QObject, GameWindow
{
    Q_OBJECT

    QList<QUrl> browsed;
    Q_INVOKABLE void browse(const QUrl &url) { browsed << url; } // stands in for the desktop's web browser

    QString startCaption() const { return control<QPushButton>("cmdStartStop")->text(); }
    int answersGiven() const { return window->quizState().intQuestionNo + window->quizState().intWrongAnswers; }
    QImage shownPicture() const { return control<QLabel>("Picture1")->pixmap().toImage(); }
    QImage picture(const char *file) const { return QPixmap(mediaDir + u'/' + QLatin1String(file)).toImage(); }

    // Presses a key where the focus is, which stays in view: the covered panel never takes it, nor its keys.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        const QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QVERIFY2(window->childAt(focus->mapTo(window.get(), QPoint(1, 1))) == focus, qPrintable(focus->objectName()));
    }

    // Answers by tabbing to the button and pressing Space, or by its number key on the top row or the keypad.
    void answer(int button, int how)
    {
        for (int i = 0; i < 8 && how == 0 && QApplication::focusWidget() != window->answerButton(button); ++i)
            press(Qt::Key_Tab);
        press(how ? Qt::Key(Qt::Key_0 + button) : Qt::Key_Space, how == 2 ? Qt::KeypadModifier : Qt::NoModifier);
    }

    // The how-to text's lines end where the language allows a line break (Thai needs its word breaking for that),
    // start at the side the language is read from, and all of them show without a scroll bar.
    static void verifyWrapsWithoutScrollBar(const QPlainTextEdit *edit)
    {
        const bool rightToLeft = edit->layoutDirection() == Qt::RightToLeft;
        for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
            QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, block.text());
            for (int i = 0; i < block.layout()->lineCount(); ++i) {
                const QTextLine line = block.layout()->lineAt(i);
                const QRectF text = line.naturalTextRect();
                QCOMPARE_LE(qAbs(rightToLeft ? line.x() + line.width() - text.right() : text.left() - line.x()), 1);
                if (i + 1 == block.layout()->lineCount())
                    break;
                breaks.setPosition(line.textStart() + line.textLength());
                QVERIFY2(breaks.isAtBoundary(), qPrintable(block.text().left(line.textStart() + line.textLength())));
            }
        }
        QCOMPARE(edit->verticalScrollBar()->maximum(), 0);
        QCOMPARE(edit->horizontalScrollBar()->maximum(), 0);
    }

    // Tabs stop every eight widths of an "x" of the dialogs' font: each entry starts at the same stop.
    static void verifyListingColumns()
    {
        const QFontMetrics fm(QApplication::font());
        const int tab = 8 * fm.horizontalAdvance(u'x');
        QMap<int, QString> columns; // the entries' x, and a label that puts its entry there
        for (const QString &line : HighScoreListing::build({}).split(u"\r\n"_s, Qt::SkipEmptyParts)) {
            const QString label = line.section(u'\t', 0, 0);
            int x = fm.horizontalAdvance(label);
            for (int tabs = line.count(u'\t'); tabs > 0; --tabs)
                x = (x / tab + 1) * tab;
            columns.insert(x, u"%1 (%2 px)"_s.arg(label).arg(fm.horizontalAdvance(label)));
        }
        QVERIFY2(columns.size() == 1, qPrintable(QStringList(columns.values()).join(u", "_s) + u", tab %1 px"_s.arg(tab)));
    }

    // A Latin name and the time stand in the entry where the translation puts them, in its reading direction, and
    // the name keeps its own order, even its last "!" (which right to left would jump to its other end).
    static void verifyNameKeepsItsPlace(Qt::LayoutDirection direction)
    {
        const QString entry = HighScoreListing::entry(u"57"_s, u"Ann, Bo!"_s);
        QTextLayout layout(entry, QApplication::font());
        QTextOption option;
        option.setTextDirection(direction);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const auto x = [&](const QString &part) { return line.cursorToX(int(entry.indexOf(part)) + 1); }; // inside it
        const QString format = QCoreApplication::translate("HighScoreListing", "%1 ( %2 sec )");
        const bool nameFirst = format.indexOf(u"%1"_s) < format.indexOf(u"%2"_s);
        QCOMPARE(x(u"Ann"_s) < x(u"57"_s), nameFirst == (direction == Qt::LeftToRight));
        QCOMPARE_LT(x(u"Ann"_s), x(u"Bo"_s));
        QCOMPARE_LT(x(u"Bo"_s), x(u"o!"_s)); // the "o", then the "!"
    }

private Q_SLOTS:
    // Showing the first window loads no sound or picture library (reading a media file would): each slowed the start.
    void initTestCase()
    {
        openWindow();
        QTest::qWait(50);
        QFile maps(u"/proc/self/maps"_s);
        const QString mapped = maps.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(maps.readAll()) : QString();
        for (const char *library : {"tabulon-sound", "libQt6Multimedia", "libpulse", "libsndfile", "/imageformats/"})
            QVERIFY2(mapped.contains(u"libQt6Widgets"_s) && !mapped.contains(QLatin1String(library)), library);
        QCOMPARE(window->findChildren<QDialog *>().size(), 0); // the About window is made when first asked for
    }

    void init()
    {
        QApplication::setLayoutDirection(Qt::LeftToRight);
        QApplication::setFont(Fonts::applicationFont());
        storeDir = QTemporaryDir();
        mediaDir = QStringLiteral(TABULON_MEDIA_DIR);
        openWindow();
    }

    // With no table chosen, Start only asks for one, and no key answers. The focus starts on Start.
    void startWithoutATableAsksForOne()
    {
        press(Qt::Key_Space);
        press(Qt::Key_1);
        QCOMPARE(answersGiven(), 0);
        QCOMPARE(dialogs->messages.size(), 1); // tst_titles reads its title
        QCOMPARE(dialogs->messages.first().icon, QMessageBox::Information);
        QCOMPARE(dialogs->messages.first().text, shown("Select a table from the above list and click start"));
    }

    void playsAWholeQuizByKeyboard_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QMessageBox::Icon>("icon"); // of the box shown at the end
        QTest::addColumn<QString>("title"); // empty: no box
        QTest::addColumn<QString>("line"); // a line of its text
        const QString listing = Product::name() + u" - High Scores"_s;
        QTest::newRow("table 4") << 4 << u"en"_s << QMessageBox::NoIcon << listing << u"Ann ( 45 sec )"_s;
        QTest::newRow("table 1 keeps no score") << 1 << u"en"_s << QMessageBox::NoIcon << QString() << QString();
        QTest::newRow("in German, stored as in English") << 5 << u"de"_s << QMessageBox::NoIcon
                                                         << Product::name() + u" - Bestzeiten"_s << u"Ann ( 45 s )"_s;
    }

    // Every fourth answer is wrong first. The closing sound is played out before the name is asked; after the
    // last answer not even an assistive tool's press on a button counts.
    void playsAWholeQuizByKeyboard()
    {
        QFETCH(int, table);
        QFETCH(QString, language);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QString, title);
        QFETCH(QString, line);
        const auto translations = speak(language);
        openWindow();
        dialogs->names = {u"Ann"_s};
        QStringList atPrompt; // the counters and the sounds played when the name is asked
        dialogs->whileAsking = [&] {
            atPrompt = QStringList{text("lblWrongAnswers"), text("lblTimeTaken"), text("lblNoOfQuestion")} + *sounds;
            window->answerButton(1)->click();
        };
        const QImage focused = control("cmdStartStop")->grab().toImage(); // drawn with its focus frame at once
        for (int i = 0; i < 3 + table; ++i) // Tab from Start to the table list, Down to the table
            press(i < 3 ? Qt::Key_Tab : Qt::Key_Down);
        QVERIFY2(control("cmdStartStop")->grab().toImage() != focused, "Start was drawn without its focus frame");
        control<QPushButton>("cmdStartStop")->animateClick(); // as its access key does, in any language
        QTRY_COMPARE(startCaption(), shown("&Stop"));
        for (int right = 1; right <= 20 && !QTest::currentTestFailed(); ++right) {
            clock->advance(2);
            const int asked = QuizPlayer::shownProduct(*window);
            if (right % 4 == 0) { // a wrong answer keeps the question
                answer(QuizPlayer::productButton(*window) % 3 + 1, right / 4 % 3);
                QCOMPARE(QuizPlayer::shownProduct(*window), asked);
                QCOMPARE(shownPicture(), picture("sad.gif"));
            }
            answer(QuizPlayer::productButton(*window), right % 3);
            QCOMPARE(shownPicture(), picture("smile.gif"));
            if (control<QTimer>("Timer1")->isActive()) // until the quiz ends
                window->Timer1_Timer(); // each wrong answer adds a second
            QCOMPARE(text("lblWrongAnswers"), QString::number(right / 4));
            QCOMPARE(text("lblTimeTaken"), right < 20 ? shown("%1 sec").arg(9 * right / 4) : u"0"_s);
            QCOMPARE(text("lblNoOfQuestion"), shown("%1 of %2").arg(right).arg(20));
        }
        const QString sound = mediaDir + u"/0.wav|wait"_s;
        QCOMPARE(answersGiven(), 25);
        QCOMPARE(startCaption(), shown("&Start"));
        QCOMPARE(*sounds, QStringList(sound));

        const bool scored = table != 1; // a failed save's box is the titles test's and the store tests'
        const auto storedText = [&](const char *key) {
            return settings->ReadSetting(u"Quorvil"_s, u"Multi"_s, QString::number(table) + QLatin1String(key), u"-"_s);
        };
        QCOMPARE(storedText("Score"), scored ? u"45"_s : u"-"_s);
        QCOMPARE(storedText("Name"), scored ? u"Ann"_s : u"-"_s);
        using Prompt = std::pair<QString, QString>;
        const QList<Prompt> prompts{{check("You have created a new High score"), check("Enter Your Name")}};
        QCOMPARE(dialogs->prompts, scored ? prompts : QList<Prompt>());
        if (scored)
            QCOMPARE(atPrompt, QStringList({u"5"_s, shown("%1 sec").arg(45), shown("%1 of %2").arg(20).arg(20), sound}));
        QCOMPARE(dialogs->messages.size(), title.isEmpty() ? 0 : 1);
        if (title.isEmpty())
            return;
        const Message last = dialogs->messages.first();
        QCOMPARE(last.icon, icon);
        QCOMPARE(last.title, title);
        QCOMPARE(last.tabbedColumns, icon == QMessageBox::NoIcon);
        QVERIFY2(last.text.contains(line), qPrintable(last.text));
    }

    // About over a quiz leaves its clock going; it names the product, logo and address open its page, Close closes.
    void aboutOverAQuizKeepsTheClockAndOpensThePage()
    {
        QDesktopServices::setUrlHandler(u"https"_s, this, "browse");
        const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"https"_s); });
        start(3);
        dialogs->whileAbout = [this] {
            frmAbout about(window.get());
            about.show();
            clock->advance(7);
            QTRY_COMPARE(text("lblTimeTaken"), shown("%1 sec").arg(7));
            QCOMPARE(about.findChild<QLabel *>(u"lblApp"_s)->text(), Product::nameAndVersion());
            for (const char *clickable : {"Picture1", "Label1"})
                QTest::mouseClick(about.findChild<QWidget *>(QLatin1String(clickable)), Qt::LeftButton);
            QCOMPARE(browsed, QList<QUrl>(2, QUrl(u"https://tabulon.example/"_s)));
            QTest::mouseClick(about.findChild<QWidget *>(u"cmdClose"_s), Qt::LeftButton);
            QVERIFY(!about.isVisible());
        };
        QTest::mouseClick(control("cmdAbout"), Qt::LeftButton);
        QCOMPARE(dialogs->aboutShown, 1);
    }

    // Windows and pictures keep their size on screen, drawn with as many more pixels as the screen has.
    void drawnAtTheScreensDensity()
    {
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble();
        start(3);
        window->cmdAnswer_Click(1); // right or wrong, a picture is shown
        frmAbout about(window.get());
        about.show(); // which loads its picture
        const auto picture = [](const QWidget *w) { return w->findChild<QLabel *>(u"Picture1"_s)->pixmap(); };
        const QList<std::pair<QPixmap, QSize>> shown{{window->grab(), QSize(396, 288)}, {picture(window.get()), QSize(29, 29)},
            {window->windowIcon().pixmap(QSize(32, 32), scale), QSize(32, 32)}, {picture(&about), QSize(242, 67)}};
        for (const auto &[pixmap, onScreen] : shown) {
            QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(onScreen));
            QCOMPARE(pixmap.size(), onScreen * scale);
        }
    }

    // Exit (by its access key, which clicks it) ends the program, as the title bar's close does, even during a quiz.
    void exitEndsTheProgram()
    {
        start(10);
        QTimer::singleShot(0, window.get(), [this] { QTest::keyClick(window.get(), Qt::Key_E, Qt::AltModifier); });
        QTimer::singleShot(5000, window.get(), [] { QApplication::exit(99); }); // only if it failed to end
        QCOMPARE(QApplication::exec(), 0);
    }

    // In every language the design texts and every caption the game writes fit their controls in the fonts that
    // draw them, the how-to text wraps at the language's line breaks without a scroll bar, the table list fits its
    // entries, a window's access keys differ and none is a digit, the listing's entries stand in one column, and in
    // a language written right to left each control stands at its mirrored place and a Latin name keeps its place.
    void everyLanguageFits_data()
    {
        QTest::addColumn<QString>("language"); // the translation's, none for English
        QTest::newRow("C") << QString();
        QTest::newRow("en_US") << QString();
        for (const QString &language : QStringLiteral(TABULON_LANGUAGES).split(u','))
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyLanguageFits()
    {
        QFETCH(QString, language);
        const auto translations = speak(language.isEmpty() ? QString::fromLatin1(QTest::currentDataTag()) : language);
        QCOMPARE(translations->language(), language);
        const QRegularExpression controls(u"^(cm[bd]|lbl|Label|Text|Picture|stk)"_s);
        QHash<QString, QRect> designed; // each control's place as the design has it, left to right
        {
            frmMultiiplication design;
            const frmAbout aboutDesign(&design);
            for (const QWidget *w : design.findChildren<QWidget *>(controls) + aboutDesign.findChildren<QWidget *>(controls))
                designed.insert(w->objectName() + w->window()->objectName(), w->geometry());
        }
        Application::applyLanguage(*translations);
        openWindow();
        frmAbout about(window.get());
        about.show();
        QStringList numbers;
        for (int n = 1; n <= 99; ++n)
            numbers << QString::number(n);
        const QHash<QString, QStringList> written{{u"cmdStartStop"_s, {shown("&Stop")}},
            {u"lblFirstNumber"_s, numbers.mid(0, 10)}, {u"lblSecondNumber"_s, numbers.mid(0, 10)},
            {u"cmdAnswer_1"_s, numbers}, {u"cmdAnswer_2"_s, numbers}, {u"cmdAnswer_3"_s, numbers},
            {u"lblTimeTaken"_s, {shown("%1 sec").arg(32767)}}, {u"lblWrongAnswers"_s, {u"99"_s}},
            {u"lblNoOfQuestion"_s, {shown("%1 of %2").arg(20).arg(20), shown("%1 of %2").arg(50).arg(50)}}};
        for (QWidget *w : window->findChildren<QWidget *>(controls) + about.findChildren<QWidget *>(controls)) {
            const QRect design = designed.value(w->objectName() + w->window()->objectName());
            const QWidget *parent = w->parentWidget(); // a panel takes the place of the stack that shows it
            const QRect area = parent->objectName().startsWith(u"fra"_s) ? parent->parentWidget()->rect() : parent->rect();
            QCOMPARE(w->geometry(), QStyle::visualRect(w->layoutDirection(), area, design));
            if (auto *edit = qobject_cast<QPlainTextEdit *>(w))
                verifyWrapsWithoutScrollBar(edit);
            else if (auto *list = qobject_cast<QComboBox *>(w))
                QVERIFY2(list->sizeHint().width() <= list->width(), qPrintable(list->itemText(0)));
            const QStringList texts = written.value(w->objectName()) + QStringList(w->property("text").toString());
            for (const QString &text : texts)
                verifyTextFits(w, text);
        }
        const auto key = [](const char *caption) { return shown(caption).section(u'&', 1).left(1).toLower(); };
        for (const char *startOrStop : {"&Start", "&Stop"}) {
            const QString keys = key(startOrStop) + key("&High Score") + key("&About") + key("&Exit");
            QCOMPARE(QSet<QChar>(keys.cbegin(), keys.cend()).size(), 4);
            QVERIFY2(!keys.contains(QRegularExpression(u"\\d"_s)), qPrintable(keys));
        }
        verifyListingColumns();
        verifyNameKeepsItsPlace(QApplication::layoutDirection());
        const QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel); // Qt's, or the game's
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text() == u"Cancel"_s, language.isEmpty());
        if (language.isEmpty())
            QCOMPARE(buttons.button(QDialogButtonBox::Ok)->text(), u"OK"_s);
    }

    void answersWithTheKeyMarkedOnAnyLayout_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("keys"); // as xdotool presses them: X key codes, with modifiers
        QTest::addColumn<QString>("clicked"); // the answer buttons, in order
        QTest::addColumn<bool>("countersTold");
        QTest::newRow("French 1 types &") << u"fr"_s << u"10"_s << u"1"_s << false;
        QTest::newRow("French Shift+2 types 2") << u"fr"_s << u"shift+11"_s << u"2"_s << false;
        QTest::newRow("Lithuanian 3 types ę") << u"lt"_s << u"12"_s << u"3"_s << false;
        QTest::newRow("Thai 0 types จ") << u"th"_s << u"19"_s << QString() << true;
        QTest::newRow("Czech keypad 1, Num Lock off") << u"cz"_s << u"87"_s << u"1"_s << false;
        QTest::newRow("Persian 2 types ۲; Ctrl+1 is the desktop's") << u"ir"_s << u"ctrl+10 11"_s << u"2"_s << false;
    }

    // The keys marked 1 to 3 and 0 answer whatever the layout types on them, pressed through a private X
    // server as a keyboard presses them.
    void answersWithTheKeyMarkedOnAnyLayout()
    {
        QFETCH(QString, layout);
        QFETCH(QString, keys);
        QFETCH(QString, clicked);
        QFETCH(bool, countersTold);
        if (QGuiApplication::platformName() != u"xcb"_s)
            QSKIP("presses keys through an X server: run as tst_mainwindow_keys");
        QCOMPARE(QProcess::execute(u"setxkbmap"_s, {layout}), 0);
        start(2);
        QString buttons;
        for (int i = 1; i <= 3; ++i)
            connect(window->answerButton(i), &QPushButton::clicked, window.get(), [&buttons, i] { buttons += QString::number(i); });
        const QWidget *notice = control("announcements")->findChild<QWidget *>();
        const QString counters = QCoreApplication::translate("QuizAnnouncer", "Time taken: %1").section(u'%', 0, 0);
        QCOMPARE(QProcess::execute(u"xdotool"_s, u"key "_s.append(keys).split(u' ')), 0);
        if (countersTold)
            QTRY_VERIFY(notice->accessibleName().contains(counters));
        QTRY_COMPARE(buttons, clicked);
        QCOMPARE(notice->accessibleName().contains(counters), countersTold);
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
