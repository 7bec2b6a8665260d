#include "HighScoreListing.h"

#include "HighScoreRules.h"
#include "NumberText.h"
#include "Product.h"
#include "TableChoice.h"

#include <QCoreApplication>
#include <QLocale>

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
    //: Title of the box listing the best times: %1 is the game's name
    return QCoreApplication::translate("HighScoreListing", "%1 - High Scores").arg(Product::name());
}

QString entry(const QString &score, const QString &name)
{
    if (score.isEmpty() || name.isEmpty())
        return u"-"_s;
    // In a language written right to left, a name in another script and the
    // digits keep their places only when isolated from the text around them.
    const auto isolated = [](const QString &text) {
        return QLocale().textDirection() == Qt::RightToLeft ? QChar(0x2068) + text + QChar(0x2069) : text;
    };
    //: An entry of the best times: %1 the player's name (or names), %2 the seconds
    return QCoreApplication::translate("HighScoreListing", "%1 ( %2 sec )").arg(isolated(name), isolated(score));
}

QString build(const QHash<QString, QString> &section)
{
    QString text;
    for (int table = FirstListedTable; table <= TableChoice::LastTable; ++table)
        //: Label of a line of the best times: %1 is 2 to 9; the entries stand in one column after a tab
        text += line(QCoreApplication::translate("HighScoreListing", "Table %1").arg(NumberText::decimal(table)),
                     u"\t\t"_s, entryOf(section, table));
    //: Label of the last line of the best times: all the tables together; one tab less than the others
    text += line(QCoreApplication::translate("HighScoreListing", "Table 1 to 9"), u"\t"_s, entryOf(section, TableChoice::FullTable));
    return text;
}

} // namespace HighScoreListing
