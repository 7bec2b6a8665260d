#include "Translations.h"

#include "ProgramDirectory.h"

#include <QCoreApplication>
#include <QLibraryInfo>

using namespace Qt::StringLiterals;

QString Translations::defaultFolder()
{
    return ProgramDirectory::file(u"translations"_s);
}

Translations::Translations(const QLocale &locale, const QString &folder)
{
    // Qt's texts follow the game's language, so that a language the game
    // does not speak leaves every text English.
    if (!m_game.load(locale, u"tabulon"_s, u"_"_s, folder))
        return;
    QCoreApplication::installTranslator(&m_game);
    QLocale::setDefault(QLocale(language()));
    if (m_qt.load(QLocale(language()), u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    // Where Qt's translation lacks its dialog buttons, the game brings them.
    if (m_qtExtra.load(QLocale(language()), u"qt_extra"_s, u"_"_s, folder))
        QCoreApplication::installTranslator(&m_qtExtra);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qtExtra);
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_game);
    if (!language().isEmpty())
        QLocale::setDefault(m_previousDefault);
}

Qt::LayoutDirection Translations::direction() const
{
    return language().isEmpty() ? Qt::LeftToRight : QLocale(language()).textDirection();
}
