#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The game's texts, and Qt's own (OK, Cancel), in the first of the
// desktop's languages that the game has been translated into; English when
// there is none. While the object lives the translations are installed and
// the game's language is the default locale, which picks the fonts.
class Translations
{
public:
    // The folder of the game's translations beside the program.
    static QString defaultFolder();

    explicit Translations(const QLocale &locale = QLocale::system(), const QString &folder = defaultFolder());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // The language in use ("de", "pt_BR"), empty for English.
    QString language() const { return m_game.language(); }
    // The direction the language is written in.
    Qt::LayoutDirection direction() const;

private:
    QTranslator m_game;
    QTranslator m_qt;
    QTranslator m_qtExtra;
    QLocale m_previousDefault;
};
