#pragma once

#include "FakeClock.h"
#include "QuizPlayer.h"
#include "WindowFakes.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

// The main window as the tests open it: on a clock the test moves, with a
// store of its own, the game's media, dialogs answered by FakeDialogs and
// sounds logged by FakeSound (or, with realSound, played through the sound
// module as the game does); shown and active, its controls found by name.
class GameWindow
{
protected:
    void openWindow(WindowServices services = {}, bool realSound = false)
    {
        clock = std::make_shared<FakeClock>();
        dialogs = std::make_shared<FakeDialogs>();
        sounds = std::make_shared<QStringList>();
        settings = std::make_shared<SettingsStore>(storeDir.filePath(QStringLiteral("highscores.ini")));
        services.clock = clock;
        services.settings = settings;
        services.dialogs = dialogs;
        if (!realSound)
            services.loadSound = [log = sounds] { return std::make_unique<FakeSound>(log); };
        if (!mediaDir.isEmpty())
            services.mediaFile = [dir = mediaDir](const QString &name) { return dir + u'/' + name; };
        window = std::make_unique<frmMultiiplication>(std::move(services));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    template<typename T = QWidget>
    T *control(QAnyStringView name) const { return window->findChild<T *>(name.toString()); }
    QString text(QAnyStringView name) const { return control<QLabel>(name)->text(); }

    void start(int table)
    {
        window->tableList()->setCurrentIndex(table);
        QTest::mouseClick(control("cmdStartStop"), Qt::LeftButton);
    }

    // Worked out from the screen alone, as a player would.
    int productButton() const { return QuizPlayer::productButton(*window); }

    QTemporaryDir storeDir;
    QString mediaDir = QStringLiteral(TABULON_MEDIA_DIR);
    std::shared_ptr<FakeClock> clock;
    std::shared_ptr<FakeDialogs> dialogs;
    std::shared_ptr<QStringList> sounds;
    std::shared_ptr<SettingsStore> settings;
    std::unique_ptr<frmMultiiplication> window;
};

// The text is drawn whole in the control: its advance fits the width and its
// ink, placed as the control aligns it, stays inside the height.
inline void verifyTextFits(const QWidget *w, QString text)
{
    text = text.remove(u'&').trimmed();
    const auto *label = qobject_cast<const QLabel *>(w);
    QRect box = w->contentsRect();
    if (const auto *button = qobject_cast<const QPushButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        box = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    const QFontMetrics fm(w->font());
    const bool centred = !label || label->alignment() & Qt::AlignVCenter;
    const int top = centred ? box.top() + (box.height() - fm.height()) / 2 : box.top();
    const QRect ink = fm.tightBoundingRect(text).translated(0, top + fm.ascent());
    QVERIFY2(fm.horizontalAdvance(text) <= box.width() && ink.top() >= box.top() && ink.bottom() <= box.bottom(),
             qPrintable(QStringLiteral("'%1' needs %2 px, has %3").arg(text).arg(fm.horizontalAdvance(text)).arg(box.width())));
}
