#pragma once

#include "HighScoreBook.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

// What the player is shown after a name prompt or on asking for the best
// times: the listing, the reason a time could not be saved, or nothing.
struct HighScoreReport
{
    enum class Kind { Nothing, Listing, Failure };

    Kind kind = Kind::Nothing;
    QString title;
    QString text;

    static HighScoreReport listing(const QString &text);
};

// The high-score check at the end of a quiz: whether a name is asked for,
// with which title, and what storing it came to. The window asks the name
// and shows the report; everything else is decided here.
class HighScoreCheck
{
    Q_DECLARE_TR_FUNCTIONS(HighScoreCheck)

public:
    struct NamePrompt
    {
        QString title;
        QString label;
    };

    HighScoreCheck(HighScoreBook &book, int table, std::optional<qint16> seconds);

    // Nothing when the time is not a new or an equal best.
    std::optional<NamePrompt> namePrompt() const;
    // An empty name is a Cancel: nothing is stored or shown.
    HighScoreReport record(const QString &name);

private:
    static QString nameLabel();

    HighScoreBook &m_book;
    int m_table;
    std::optional<qint16> m_seconds;
    HighScoreRules::Verdict m_verdict;
};
