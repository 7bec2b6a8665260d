#pragma once

#include "FakeClock.h"
#include "QuizPlayer.h"
#include "WindowFakes.h"

#include <QComboBox>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

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

// The text is drawn whole: its advance fits the text area's width, its ink (placed as aligned) the height.
inline void verifyTextFits(const QWidget *w, QString text)
{
    text = text.remove(u'&').trimmed();
    QRect box = w->contentsRect();
    if (const auto *button = qobject_cast<const QPushButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        box = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
    }
    const QFontMetrics fm(w->font());
    for (const QChar c : text) // no glyph borrowed from another font
        QVERIFY2(fm.inFont(c), qPrintable(QStringLiteral("no glyph for %1 in '%2'").arg(c).arg(text)));
    const bool atTop = w->property("alignment").value<Qt::Alignment>() & Qt::AlignTop; // a label's; else centred
    const int top = atTop ? box.top() : box.top() + (box.height() - fm.height()) / 2;
    const QRect ink = fm.tightBoundingRect(text).translated(0, top + fm.ascent());
    QVERIFY2(fm.horizontalAdvance(text) <= box.width() && ink.top() >= box.top() && ink.bottom() <= box.bottom(),
             qPrintable(QStringLiteral("'%1' needs %2 px, has %3").arg(text).arg(fm.horizontalAdvance(text)).arg(box.width())));
}
