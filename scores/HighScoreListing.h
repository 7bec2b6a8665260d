#pragma once

#include <QHash>
#include <QString>

// The text that lists every table's best time, one line per table, from the
// values stored under the tables' keys.
namespace HighScoreListing {

// "Tabulon - High Scores": the title of the box that shows the listing.
QString title();

// "-" unless both texts are there; both are shown exactly as stored.
QString entry(const QString &score, const QString &name);

// "Table 2" to "Table 9", each with two tabs, then "Table 1 to 9" with one
// (its label is wider), each line ending in CR LF.
QString build(const QHash<QString, QString> &section);

} // namespace HighScoreListing
