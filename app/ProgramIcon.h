#pragma once

#include <QIcon>

// The window icon, at the sizes a window needs, drawn from the program's SVG
// source at build time.
QIcon programIcon();
