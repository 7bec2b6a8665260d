#pragma once

#include <QRect>

class QWidget;

// Qt mirrors layouts for a language written right to left, but not controls
// placed by hand. These put such controls, and what a window paints itself,
// at their mirrored places.
namespace Mirroring {

// Moves every control of the window that its design placed by hand (a named
// child outside any layout) to its mirrored place within its parent, when the
// window reads right to left. Call it once, after the design is set up.
void mirrorPlacedControls(QWidget *window);

// A rectangle the widget paints, at its place in the widget's direction.
QRect placed(const QWidget *widget, const QRect &rect);

} // namespace Mirroring
