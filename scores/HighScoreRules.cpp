#include "HighScoreRules.h"

#include "NumberText.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace HighScoreRules {

namespace {

constexpr qint64 LongestTime = std::numeric_limits<qint16>::max();

} // namespace

QString scoreKey(int table)
{
    return NumberText::decimal(table) + u"Score"_s;
}

QString nameKey(int table)
{
    return NumberText::decimal(table) + u"Name"_s;
}

qint16 storedBest(QStringView scoreText)
{
    const double number = NumberText::leadingNumber(scoreText);
    const double rounded = std::nearbyint(number);
    if (!(rounded >= 0 && rounded <= LongestTime))
        return 0;
    return NumberText::roundToInt16(number);
}

Verdict decide(std::optional<qint16> seconds, qint16 best)
{
    if (!seconds)
        return Verdict::NotBest;
    if (*seconds < best || best == 0)
        return Verdict::NewBest;
    if (*seconds == best)
        return Verdict::EqualBest;
    return Verdict::NotBest;
}

QString appendName(const QString &storedNames, const QString &name)
{
    return storedNames + u", "_s + name;
}

} // namespace HighScoreRules
