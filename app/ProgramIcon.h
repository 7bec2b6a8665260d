#pragma once

#include <QIcon>

// The program icon at every size drawn from its SVG source at build time.
QIcon programIcon();
