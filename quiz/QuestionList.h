#pragma once

#include <QString>
#include <QStringList>

// The pool of questions of a quiz and the text of one question item.
namespace QuestionList {

struct Factors
{
    qint16 first = 0;
    qint16 second = 0;
};

// A new pool for an entry of the table list (see TableChoice): every fact
// of a single table twice, side by side, or each fact of the full table once.
QStringList build(int tableIndex);

QString item(qint16 first, qint16 second);
Factors split(const QString &item);

} // namespace QuestionList
