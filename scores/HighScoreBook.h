#pragma once

#include "HighScoreRules.h"
#include "SettingsStore.h"

#include <QString>

// The best times and names of the tables, as kept in the settings store.
class HighScoreBook
{
public:
    enum class Recorded { Stored, NotBest, Failed };

    explicit HighScoreBook(SettingsStore &store);

    qint16 best(int table) const;
    QString listing() const;

    // Stores a finished quiz's time with the player's name when it is still a
    // new or an equal best once the store has been read again: another copy
    // of the game may have stored a time since best() was asked. Why a write
    // failed is in errorString().
    Recorded record(int table, qint16 seconds, const QString &name);
    QString errorString() const { return m_store.errorString(); }

private:
    SettingsStore &m_store;
};
