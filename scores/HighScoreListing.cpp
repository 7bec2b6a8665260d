#include "HighScoreListing.h"

#include "HighScoreRules.h"
#include "NumberText.h"
#include "Product.h"
#include "TableChoice.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace HighScoreListing {

namespace {

constexpr int FirstListedTable = 2;

QString entryOf(const QHash<QString, QString> &section, int table)
{
    return entry(section.value(HighScoreRules::scoreKey(table)),
                 section.value(HighScoreRules::nameKey(table)));
}

QString line(const QString &label, const QString &tabs, const QString &entryText)
{
    return label + tabs + entryText + u"\r\n"_s;
}

} // namespace

QString title()
{
    return QCoreApplication::translate("HighScoreListing", "%1 - High Scores").arg(Product::name());
}

QString entry(const QString &score, const QString &name)
{
    if (score.isEmpty() || name.isEmpty())
        return u"-"_s;
    return QCoreApplication::translate("HighScoreListing", "%1 ( %2 sec )").arg(name, score);
}

QString build(const QHash<QString, QString> &section)
{
    QString text;
    for (int table = FirstListedTable; table <= TableChoice::LastTable; ++table)
        text += line(QCoreApplication::translate("HighScoreListing", "Table %1").arg(NumberText::decimal(table)),
                     u"\t\t"_s, entryOf(section, table));
    text += line(QCoreApplication::translate("HighScoreListing", "Table 1 to 9"), u"\t"_s, entryOf(section, TableChoice::FullTable));
    return text;
}

} // namespace HighScoreListing
