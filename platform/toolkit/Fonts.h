#pragma once

#include <QFont>

// The fonts of the windows. The layout is placed in pixels, so the fonts are
// sized in pixels too (points at 96 dpi): text then fits its control whatever
// dpi the desktop reports.
namespace Fonts {

// Small sans-serif text of labels, buttons and the how-to text.
QFont interfaceFont(qreal points, bool bold = false);

// Arial-like face of the numbers and the table list.
QFont numberFont(qreal points, bool bold = false);

} // namespace Fonts
