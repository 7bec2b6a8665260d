#include "HighScoreBook.h"

#include "HighScoreListing.h"
#include "NumberText.h"

using namespace Qt::StringLiterals;

namespace {

const auto AppName = u"Quorvil"_s;
const auto SectionName = u"Multi"_s;

} // namespace

HighScoreBook::HighScoreBook(SettingsStore &store)
    : m_store(store)
{
}

HighScoreRules::Verdict HighScoreBook::verdict(int table, std::optional<qint16> seconds) const
{
    if (table == HighScoreRules::UnscoredTable)
        return HighScoreRules::Verdict::NotBest;
    const QString best = m_store.ReadSetting(AppName, SectionName, HighScoreRules::scoreKey(table), QString());
    return HighScoreRules::decide(seconds, HighScoreRules::storedBest(best));
}

QString HighScoreBook::listing() const
{
    return HighScoreListing::build(m_store.readSection(AppName, SectionName));
}

HighScoreBook::Recorded HighScoreBook::record(int table, qint16 seconds, const QString &name)
{
    using HighScoreRules::Verdict;
    const QString scoreKey = HighScoreRules::scoreKey(table);
    const QString nameKey = HighScoreRules::nameKey(table);
    auto verdict = Verdict::NotBest;
    const auto written = m_store.update(AppName, SectionName, [&](const SettingsStore::Section &current) {
        verdict = HighScoreRules::decide(seconds, HighScoreRules::storedBest(current.value(scoreKey)));
        switch (verdict) {
        case Verdict::NewBest:
            // Score and name go into the file together, so that no crash
            // can pair the new time with the old name.
            return SettingsStore::Changes{{scoreKey, NumberText::decimal(seconds)}, {nameKey, name}};
        case Verdict::EqualBest:
            return SettingsStore::Changes{{nameKey, HighScoreRules::appendName(current.value(nameKey), name)}};
        case Verdict::NotBest:
            break;
        }
        return SettingsStore::Changes{};
    });
    if (!written)
        return {Recorded::Result::Failed, {}};
    const auto result = verdict == Verdict::NotBest ? Recorded::Result::NotBest : Recorded::Result::Stored;
    return {result, HighScoreListing::build(*written)};
}
