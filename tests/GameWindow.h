#pragma once

#include "FakeClock.h"
#include "QuizPlayer.h"
#include "WindowFakes.h"

#include <QComboBox>
#include <QGlyphRun>
#include <QPainterPath>
#include <QTextLayout>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

// The main window, shown and active, on a clock the test moves, with FakeDialogs, FakeSound (or with realSound
// the sound module, as the game plays), the game's media and a store of its own.
class GameWindow
{
protected:
    void openWindow(WindowServices services = {}, bool realSound = false)
    {
        services.clock = clock = std::make_shared<FakeClock>();
        services.dialogs = dialogs = std::make_shared<FakeDialogs>();
        services.settings = settings = std::make_shared<SettingsStore>(storeDir.filePath(QStringLiteral("highscores.ini")));
        sounds = std::make_shared<QStringList>();
        if (!realSound)
            services.loadSound = [log = sounds] { return std::make_unique<FakeSound>(log); };
        if (!mediaDir.isEmpty()) // else the test's own
            services.mediaFile = [dir = mediaDir](const QString &name) { return dir + u'/' + name; };
        window = std::make_unique<frmMultiiplication>(std::move(services));
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    template<typename T = QWidget> T *control(QAnyStringView name) const { return window->findChild<T *>(name.toString()); }
    QString text(QAnyStringView name) const { return control<QLabel>(name)->text(); }
    void start(int table)
    {
        window->tableList()->setCurrentIndex(table);
        QTest::mouseClick(control("cmdStartStop"), Qt::LeftButton);
    }

    QTemporaryDir storeDir;
    QString mediaDir = QStringLiteral(TABULON_MEDIA_DIR);
    std::shared_ptr<FakeClock> clock;
    std::shared_ptr<FakeDialogs> dialogs;
    std::shared_ptr<QStringList> sounds; // "path|wait" or "path|nowait" of each sound
    std::shared_ptr<SettingsStore> settings;
    std::unique_ptr<frmMultiiplication> window;
};

// The text is drawn whole in the faces the game chose for it: every character but format characters (isolates,
// joiners) has its glyph, the advance fits the text area's width and the ink, placed as aligned, its height.
inline void verifyTextFits(const QWidget *w, QString text)
{
    using namespace Qt::StringLiterals;
    text = text.remove(u'&').trimmed();
    QRect box = w->contentsRect();
    if (const auto *button = qobject_cast<const QPushButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        box = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
    }
    QTextLayout layout(text, w->font());
    layout.setTextOption(QTextOption(Qt::AlignLeft | Qt::AlignAbsolute));
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    QRectF ink;
    for (const QGlyphRun &run : runs) {
        const QList<quint32> glyphs = run.glyphIndexes();
        QVERIFY2(!glyphs.contains(0), qPrintable(u"a box in %1 for '%2'"_s.arg(run.rawFont().familyName(), text)));
        QVERIFY2(w->font().families().contains(run.rawFont().familyName()), // not one fontconfig picked instead
                 qPrintable(u"'%1' drawn in %2"_s.arg(text, run.rawFont().familyName())));
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            ink |= run.rawFont().pathForGlyph(glyphs[i]).boundingRect().translated(run.positions()[i]);
    }
    for (const QChar c : text) {
        const bool drawn = std::ranges::any_of(runs, [c](const QGlyphRun &run) { return run.rawFont().supportsCharacter(c); });
        QVERIFY2(drawn || c.category() == QChar::Other_Format, qPrintable(u"no glyph for %1 in '%2'"_s.arg(c).arg(text)));
    }
    const bool atTop = w->property("alignment").value<Qt::Alignment>() & Qt::AlignTop; // a label's; else centred
    ink.translate(0, atTop ? box.top() : box.top() + (box.height() - line.height()) / 2);
    QVERIFY2(line.naturalTextWidth() <= box.width(),
             qPrintable(u"'%1' needs %2 px, has %3"_s.arg(text).arg(line.naturalTextWidth()).arg(box.width())));
    constexpr qreal Rounding = 0.5; // Qt puts the line on whole pixels, this model does not
    QVERIFY2(ink.isNull() || (ink.top() >= box.top() - Rounding && ink.bottom() <= box.bottom() + 1 + Rounding),
             qPrintable(u"'%1' reaches %2 to %3, has %4 to %5"_s.arg(text).arg(ink.top()).arg(ink.bottom())
                            .arg(box.top()).arg(box.bottom() + 1)));
}
