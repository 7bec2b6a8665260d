#include "MediaLog.h"

Q_LOGGING_CATEGORY(lcMedia, "tabulon.media")
