#pragma once

#include <QLoggingCategory>

// Warnings about media that can't be played or shown; the game goes on.
Q_DECLARE_LOGGING_CATEGORY(lcMedia)
