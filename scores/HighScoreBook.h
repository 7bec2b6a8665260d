#pragma once

#include "HighScoreRules.h"
#include "SettingsStore.h"

#include <QString>

#include <optional>

// The best times and names of the tables, as kept in the settings store.
class HighScoreBook
{
public:
    // What storing a finished quiz's time came to, with the listing of the
    // store as written when it was stored.
    struct Recorded
    {
        enum class Result { Stored, NotBest, Failed } result;
        QString listing;
    };

    explicit HighScoreBook(SettingsStore &store);

    // How a finished quiz's time compares with the stored best: whether to
    // ask for a name, and with which title. Table 1 keeps no best time and
    // reads nothing.
    HighScoreRules::Verdict verdict(int table, std::optional<qint16> seconds) const;
    QString listing() const;

    // Stores the time with the player's name when it is still a new or an
    // equal best once the store has been read again under its lock: another
    // copy of the game may have stored a time since verdict() was asked.
    // Why a write failed is in errorString().
    Recorded record(int table, qint16 seconds, const QString &name);
    QString errorString() const { return m_store.errorString(); }

private:
    SettingsStore &m_store;
};
