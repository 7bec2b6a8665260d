#pragma once

#include "frmMultiiplication.h"

#include <QLabel>
#include <QPushButton>

// Answers as a player does: reads the factors off the screen, picks the button showing their product or another.
namespace QuizPlayer {

inline int shownFactor(const frmMultiiplication &w, const char *label) { return w.findChild<QLabel *>(QLatin1String(label))->text().toInt(); }
inline int shownProduct(const frmMultiiplication &window) { return shownFactor(window, "lblFirstNumber") * shownFactor(window, "lblSecondNumber"); }

// The index of the button showing the product, 0 when none does.
inline int productButton(const frmMultiiplication &window)
{
    for (int i = 1; i <= 3; ++i)
        if (window.answerButton(i)->text().toInt() == shownProduct(window))
            return i;
    return 0;
}

inline void answerRight(const frmMultiiplication &window) { window.answerButton(productButton(window))->click(); }
inline void answerWrong(const frmMultiiplication &window) { window.answerButton(productButton(window) % 3 + 1)->click(); }

} // namespace QuizPlayer
