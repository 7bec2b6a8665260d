#pragma once

#include "FakeClock.h"
#include "QuizPlayer.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

// The main window as the tests open it: on a clock the test moves, shown and
// active, its controls found by their names.
class GameWindow
{
protected:
    void openWindow(WindowServices services = {})
    {
        clock = std::make_shared<FakeClock>();
        services.clock = clock;
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

    std::shared_ptr<FakeClock> clock;
    std::unique_ptr<frmMultiiplication> window;
};

// The layout tables of both windows give rectangles in twips, 15 to a pixel.
inline QRect fromTwips(const QRect &twips)
{
    return {qRound(twips.x() / 15.0), qRound(twips.y() / 15.0), qRound(twips.width() / 15.0),
            qRound(twips.height() / 15.0)};
}

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
