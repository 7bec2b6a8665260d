#pragma once

#include <QString>
#include <QStringList>

// The pool of questions of a quiz and the text of one question item.
namespace QuestionList {

constexpr int FullTableIndex = 10;

struct Factors
{
    qint16 first = 0;
    qint16 second = 0;
};

// A new pool for the table list's index: every fact of table 1 to 9 twice,
// side by side, or each fact of the full table (index 10) once.
QStringList build(int tableIndex);

QString item(qint16 first, qint16 second);
Factors split(const QString &item);

} // namespace QuestionList
