#include "HighScoreCheck.h"

#include "HighScoreListing.h"
#include "Product.h"

using namespace Qt::StringLiterals;
using HighScoreRules::Verdict;

HighScoreReport HighScoreReport::listing(const QString &text)
{
    return {Kind::Listing, HighScoreListing::title(), text};
}

HighScoreCheck::HighScoreCheck(HighScoreBook &book, int table, std::optional<qint16> seconds)
    : m_book(book)
    , m_table(table)
    , m_seconds(seconds)
    , m_verdict(book.verdict(table, seconds))
{
}

QString HighScoreCheck::nameLabel()
{
    //: Label above the name field of the box that asks the player's name; wraps
    return tr("Enter Your Name");
}

std::optional<HighScoreCheck::NamePrompt> HighScoreCheck::namePrompt() const
{
    switch (m_verdict) {
    case Verdict::NewBest:
        //: Title of the box that asks the name after a new best time; window title, one line
        return NamePrompt{tr("You have created a new High score"), nameLabel()};
    case Verdict::EqualBest:
        //: Title of the box that asks the name after a time equal to the best one; window title, one line
        return NamePrompt{tr("You have equaled with the High score"), nameLabel()};
    case Verdict::NotBest:
        break;
    }
    return std::nullopt;
}

// The listing shown after a store is the store as written, which another
// copy of the game may have changed since the prompt.
HighScoreReport HighScoreCheck::record(const QString &name)
{
    if (m_verdict == Verdict::NotBest || name.isEmpty())
        return {};
    const HighScoreBook::Recorded recorded = m_book.record(m_table, *m_seconds, name);
    if (recorded.result == HighScoreBook::Recorded::Result::Failed)
        return {HighScoreReport::Kind::Failure, Product::name(),
                //: Message box; a line with the reason follows
                tr("The high score could not be saved.") + u"\n\n"_s + m_book.errorString()};
    return HighScoreReport::listing(recorded.listing);
}
