#pragma once

#include <QFont>

// The fonts of the windows, in the families of the game's language (the
// default locale). The layout is placed in pixels, so the fonts are sized in
// pixels too (points at 96 dpi): text then fits its control whatever dpi the
// desktop reports.
namespace Fonts {

// Small sans-serif text of labels, buttons and the how-to text.
QFont interfaceFont(qreal points, bool bold = false);

// Arial-like face of the numbers and the table list.
QFont numberFont(qreal points, bool bold = false);

// The desktop's font for the dialogs, with the family of the language's
// script where the desktop's face lacks it.
QFont applicationFont();

} // namespace Fonts
