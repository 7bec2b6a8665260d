#include "QuestionList.h"

#include "CheckedInt16.h"
#include "NumberText.h"
#include "TableChoice.h"

namespace QuestionList {

namespace {

constexpr qint16 HighestMultiplier = 10;

qint16 leadingInt16(QStringView text)
{
    return NumberText::roundToInt16(NumberText::leadingNumber(text));
}

} // namespace

QStringList build(int tableIndex)
{
    QStringList pool;
    if (TableChoice::isSingleTable(tableIndex)) {
        const auto table = static_cast<qint16>(tableIndex);
        for (qint16 m = 1; m <= HighestMultiplier; ++m) {
            pool.append(item(table, m));
            pool.append(item(table, m));
        }
    } else if (tableIndex == TableChoice::FullTable) {
        for (qint16 a = TableChoice::FirstTable; a <= TableChoice::LastTable; ++a) {
            for (qint16 b = 1; b <= HighestMultiplier; ++b)
                pool.append(item(a, b));
        }
    }
    return pool;
}

QString item(qint16 first, qint16 second)
{
    return NumberText::decimal(first) + u'*' + NumberText::decimal(second);
}

Factors split(const QString &item)
{
    const qint32 star = static_cast<qint32>(item.indexOf(u'*'));
    const qint32 afterStar = CheckedInt16::add32(star, 1);
    return {leadingInt16(QStringView(item).first(qMax(star, 0))),
            leadingInt16(QStringView(item).mid(afterStar))};
}

} // namespace QuestionList
