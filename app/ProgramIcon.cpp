#include "ProgramIcon.h"

#include <QImageReader>
#include <QPixmap>

// The window system gets every size of the window icon when the window is
// made, each decoded first: 128 and 256 pixels were the largest single cost
// of making the window. A window needs no more than these (title bar, task
// bar, task switcher); the desktop's launchers use the installed icons.
//
// The files are read as PNG without guessing their format: guessing would
// load every image format plugin, before the window is shown.
QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        QImageReader reader(QStringLiteral(":/icons/tabulon-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
