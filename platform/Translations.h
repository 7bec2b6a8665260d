#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The game's texts, and Qt's own (OK, Cancel), in the first of the
// desktop's languages that the game has been translated into; English when
// there is none. Installed while the object lives.
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

private:
    QTranslator m_game;
    QTranslator m_qt;
};
