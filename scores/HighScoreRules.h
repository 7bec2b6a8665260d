#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// How a finished quiz compares with the best time stored for its table.
namespace HighScoreRules {

enum class Verdict { NewBest, EqualBest, NotBest };

// Table 1 keeps no best time.
constexpr int UnscoredTable = 1;

// The keys of table n (the index in the table list): "5Score", "5Name".
QString scoreKey(int table);
QString nameKey(int table);

// A stored score read back as a number of seconds: its leading number,
// rounded half to even. 0 means no best time, and so does anything that
// cannot be a time (negative, or beyond 16 bits).
qint16 storedBest(QStringView scoreText);

// A best of 0 is no best time yet, so any time beats it, even 0 seconds.
// A time that is not a score is never a best time.
Verdict decide(std::optional<qint16> seconds, qint16 best);

// The name list after an equal best time: the stored names, ", ", the new one.
QString appendName(const QString &storedNames, const QString &name);

} // namespace HighScoreRules
